// The window follows the mouse's own key-set button through the
// notification reader, and the restore-defaults work.

#include <QElapsedTimer>

#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/image/SectionCheck.h"
#include "orvandesk/image/SectionDefaults.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

TEST_F(WindowTest, TheKeySetButtonOfTheMouseSwitchesThePage) {
    startConnected();
    ASSERT_EQ(window->pageMark(), 1);
    window->Btn_Adv_0Click();
    hid->clearTraffic();
    ASSERT_TRUE(mouse->pressKeySetButton());
    ASSERT_TRUE(mouse->releaseButton());
    // The reader hands the refresh to this thread; give it real time to.
    QElapsedTimer waited;
    waited.start();
    while (window->pageMark() != 2 && waited.elapsed() < 10000) QTest::qWait(10);
    EXPECT_EQ(window->pageMark(), 2);
    EXPECT_EQ(visiblePage(), 1);
    EXPECT_FALSE(window->statusRefreshing());
    // It reads the key-set byte and sends nothing else.
    EXPECT_EQ(sentCommands(), std::vector<std::string>{"40 09 00 A4 00 01 00 00"});
}

TEST_F(WindowTest, AKeySetEventDuringATransferIsFollowedAfterIt) {
    startConnected();
    ASSERT_TRUE(mouse->pressKeySetButton());
    ASSERT_TRUE(mouse->releaseButton());
    hid->clearTraffic();
    window->setImageLoading(true);
    window->RefreshCurrentProfileStatus();
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(window->pageMark(), 1);
    window->setImageLoading(false);
    QElapsedTimer waited;
    waited.start();
    while (window->pageMark() != 2 && waited.elapsed() < 10000) QTest::qWait(10);
    EXPECT_EQ(window->pageMark(), 2);
}

TEST_F(WindowTest, RestoreDefaultsWritesTheBuiltInSectionsAndReconnects) {
    auto image = ShippedImage();
    std::span<uint8_t> profile1(image.data() + orvan::region::Profile1.offset, 49);
    profile1[1] = 0x02;  // key 1 of key set 1 is no longer the left button
    profile1[48] = orvan::SectionCheckByte(profile1.first(48));
    startConnected(image);
    ASSERT_EQ(window->keyTexts().profiles[0][0], "01020000");

    window->Btn_DefaultClick();
    orvan::DataBuf defaults;
    orvan::BuildProfileDefault(defaults, 0);
    const auto memory = mouse->memory();
    const auto expected = defaults.section(orvan::region::Profile1);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(),
                           memory.begin() + orvan::region::Profile1.offset));
    // Fire macro 1 is named "Macro1" again (UTF-16, high byte first).
    EXPECT_EQ(memory[orvan::region::FireMacroBlock.offset + 1], 'M');
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_EQ(window->keyTexts().profiles[0][0], "01010000");
    EXPECT_FALSE(find("Img_Result")->isHidden());
    EXPECT_TRUE(find("Btn_Default")->isEnabled());
}

}  // namespace
}  // namespace wt
