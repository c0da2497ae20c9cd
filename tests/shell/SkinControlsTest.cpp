#include "common/shell/SkinButton.h"
#include "common/shell/SkinControls.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "ShellFixture.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"

namespace {

class SkinControlsTest : public ::testing::Test {
protected:
    void SetUp() override { shelltest::FillFixtureResources(store); }
    shell::SkinPicture* picture() { return new shell::SkinPicture(&page); }
    shell::ResourceStore store{":/shelltest"};
    QWidget page;
};

TEST_F(SkinControlsTest, LabelLiesOverItsPictureWithCentredCaption) {
    auto* img = picture();
    img->move(30, 40);
    shell::ShowPicture(img, "SetS_01", store);
    EXPECT_EQ(img->size(), QSize(100, 30));
    auto* label = new shell::SkinLabel(&page);
    shell::PlaceOver(label, img, 5, 5);
    EXPECT_EQ(label->geometry(), QRect(35, 40, 90, 30));
    EXPECT_EQ(label->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(label->autoFillBackground());
}

TEST_F(SkinControlsTest, CheckFlipsOnAClickOfItsLabel) {
    auto* img = picture();
    auto* label = new shell::SkinLabel(&page);
    label->resize(40, 16);
    shell::SkinCheck check(store, img, label);
    check.setChecked(false);
    EXPECT_EQ(img->pictureName(), "CbS_D");
    QSignalSpy toggled(&check, &shell::SkinCheck::toggled);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(check.isChecked());
    EXPECT_EQ(img->pictureName(), "CbS_E");
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_TRUE(toggled.at(0).at(0).toBool());
}

TEST_F(SkinControlsTest, RadioGroupShowsOneChosenOption) {
    QList<shell::SkinRadioGroup::Option> options;
    for (int i = 0; i < 4; ++i) options.append({picture(), new shell::SkinLabel(&page)});
    shell::SkinRadioGroup group(store, options);
    QSignalSpy clicked(&group, &shell::SkinRadioGroup::clicked);
    group.setChosen(2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(shell::PictureNameOf(options[i].picture), i == 2 ? "RdS_E" : "RdS_D") << i;
    }
    options[3].label->resize(20, 15);
    QTest::mouseClick(options[3].label, Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 3);
    group.setChosen(9);
    EXPECT_EQ(group.chosen(), -1);
}

TEST_F(SkinControlsTest, SliderStylesAndClicks) {
    QList<QWidget*> positions;
    for (int i = 0; i < 12; ++i) positions.append(picture());
    shell::SkinSlider slider(store, positions, "Bar2_E", "Bar2_D", shell::SkinSlider::StyleOf(1));
    auto shown = [&] {
        QString s;
        for (QWidget* p : positions) s += shell::PictureNameOf(p) == "Bar2_E" ? 'E' : 'D';
        return s;
    };
    slider.setPosition(4);
    EXPECT_EQ(shown(), "DDDEDDDDDDDD");
    slider.setStyle(shell::SkinSlider::StyleOf(0));
    EXPECT_EQ(shown(), "EEEEDDDDDDDD");
    slider.setPosition(13);  // out of range: nothing chosen
    EXPECT_EQ(shown(), "DDDDDDDDDDDD");
    QSignalSpy clicked(&slider, &shell::SkinSlider::positionClicked);
    QTest::mouseClick(positions[6], Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 7);
}

TEST_F(SkinControlsTest, DialogButtonFollowsHoverAndClick) {
    auto* img = picture();
    auto* label = new shell::SkinLabel(&page);
    label->resize(18, 18);
    shell::SkinButton button(store, img, label, "ExitS");
    button.showNormal();
    EXPECT_EQ(img->pictureName(), "ExitS_01");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(label, &enter);
    EXPECT_EQ(img->pictureName(), "ExitS_02");
    QSignalSpy clicked(&button, &shell::SkinButton::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(img->pictureName(), "ExitS_03");
    EXPECT_EQ(clicked.count(), 1);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(label, &leave);
    EXPECT_EQ(img->pictureName(), "ExitS_01");
}

}  // namespace
