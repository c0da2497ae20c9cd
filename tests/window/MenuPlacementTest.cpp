#include "orvandesk/window/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

struct PlacementCase {
    const char* where;
    QRect label;
    QPoint expected;
};

// Window 1030 x 662, menu 190 x 170.
class KeyMenuPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(KeyMenuPlacement, OpensBesideTheLabelCentreInsideTheWindow) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(orvandesk::KeyMenuPosition(c.label, {1030, 662}, {190, 170}), c.expected) << c.where;
}

INSTANTIATE_TEST_SUITE_P(
    Edges, KeyMenuPlacement,
    ::testing::Values(
        // Room right and below: down and right from the centre (halves truncated).
        PlacementCase{"middle", QRect(140, 140, 141, 31), QPoint(210, 155)},
        // x + w + mw = 1030 is not below the width: opens to the left.
        PlacementCase{"right edge", QRect(800, 140, 40, 30), QPoint(630, 155)},
        // y + h + mh = 662 is not below the height: opens upward.
        PlacementCase{"bottom edge", QRect(140, 462, 140, 30), QPoint(210, 307)},
        PlacementCase{"corner", QRect(900, 600, 100, 40), QPoint(760, 450)}));

// Window 1030 x 662, submenu 154 x 170; the parent list is 190 wide.
TEST(SubmenuPlacement, OpensBesideItsRowAndFlipsAtTheEdges) {
    struct Case {
        const char* where;
        QRect list;
        QRect row;
        QPoint expected;
    } cases[] = {
        {"room right and below", {100, 100, 190, 194}, {102, 125, 186, 24}, {292, 125}},
        {"right edge: on the left", {800, 100, 190, 194}, {802, 125, 186, 24}, {644, 125}},
        {"bottom edge: upwards", {100, 450, 190, 194}, {102, 595, 186, 24}, {292, 449}},
        {"both", {800, 450, 190, 194}, {802, 595, 186, 24}, {644, 449}},
        {"no room either side stays inside", {60, 100, 960, 194}, {62, 125, 956, 24}, {0, 125}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(orvandesk::SubmenuPosition(c.list, c.row, {154, 170}, {1030, 662}), c.expected)
            << c.where;
    }
}

TEST(KeyNumberTest, ParsesTheLabelName) {
    EXPECT_EQ(orvandesk::KeyNumberOf("Key1"), 1);
    EXPECT_EQ(orvandesk::KeyNumberOf("Key12"), 12);
    EXPECT_EQ(orvandesk::KeyNumberOf("KeyX"), -1);
    EXPECT_EQ(orvandesk::KeyNumberOf("Btn_Key3"), -1);
    EXPECT_EQ(orvandesk::EngineeringKeyNumberOf("TLKey105"), 105);
    EXPECT_EQ(orvandesk::EngineeringKeyNumberOf("TLKeyAB"), -1);
}

TEST(EngineeringMenuPlacementTest, FollowsTheGroupAndTheTabWidth) {
    orvandesk::EngineeringMenuInput in;
    in.button = QRect(20, 40, 100, 24);
    in.group = QRect(300, 10, 240, 420);
    in.tabs = QRect(10, 50, 1000, 600);
    in.menu = QSize(190, 170);
    in.currentTop = 77;

    in.number = 105;  // key-set group: its left does not count
    EXPECT_EQ(orvandesk::EngineeringMenuPosition(in), QPoint(30, 50 + 10 + 40 + 38 - 170));
    in.number = 5;  // combination key group: its left counts
    EXPECT_EQ(orvandesk::EngineeringMenuPosition(in).x(), 330);
    in.tabs.setWidth(400);  // 400 < 20 + 300 + 190: right-aligned to the button
    EXPECT_EQ(orvandesk::EngineeringMenuPosition(in).x(), 20 + 300 + 100 - 190 + 10);
    in.number = 200;  // keeps the top it had
    EXPECT_EQ(orvandesk::EngineeringMenuPosition(in).y(), 77);
}

}  // namespace
