// The advanced page against the simulated mouse: the live writes each DPI,
// colour, AIM and report-rate change sends, following the mouse's own DPI
// button, the pointer settings through their store, and screenshots.

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <functional>

#include "common/platform/pointer/PointerStore.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/image/SectionCheck.h"
#include "orvandesk/window/AdvancedSettings.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

// The shipped image with some vendor and user bytes changed, checks redone.
std::vector<uint8_t> Edited(std::vector<std::pair<std::size_t, uint8_t>> bytes) {
    auto image = ShippedImage();
    for (auto [at, value] : bytes) image[at] = value;
    for (auto r : {orvan::region::Vendor, orvan::region::User}) {
        std::span<uint8_t> s(image.data() + r.offset, r.length);
        s[r.length - 1] = orvan::SectionCheckByte(s.first(r.length - 1));
    }
    return image;
}

std::string Live(uint8_t address, uint8_t d0, uint8_t d1 = 0, uint8_t d2 = 0, uint8_t n = 1) {
    char line[32];
    std::snprintf(line, sizeof line, "40 05 00 %02X %02X %02X %02X %02X", address, d0, d1, d2, n);
    return line;
}

struct DpiCase {
    const char* name;
    std::vector<std::pair<std::size_t, uint8_t>> image;
    // Gets the window and the fixture's click.
    std::function<void(orvandesk::TForm1&, const std::function<void(const char*)>&)> act;
    std::vector<std::string> writes;
    int countAfter;
    int currentShown;
};

class AdvancedPageTest : public WindowTest {
protected:
    orvandesk::AdvancedSettings& page() { return window->advanced(); }
    void openPage(std::vector<std::pair<std::size_t, uint8_t>> bytes) {
        startConnected(Edited(std::move(bytes)));
        window->Btn_Adv_0Click();
        ASSERT_EQ(visiblePage(), 2);
        hid->clearTraffic();
    }
    QString pictureOf(const QString& name) { return shell::PictureNameOf(find(name)); }
};

class DpiWrites : public AdvancedPageTest, public ::testing::WithParamInterface<DpiCase> {};

TEST_P(DpiWrites, SendTheChangedBytesAtOnce) {
    const DpiCase& c = GetParam();
    openPage(c.image);
    c.act(*window, [this](const char* name) { click(QString::fromLatin1(name)); });
    EXPECT_EQ(liveWrites(), c.writes);
    EXPECT_EQ(page().levelCount(), c.countAfter);
    EXPECT_EQ(page().currentLevelShown(), c.currentShown);
    EXPECT_EQ(pictureOf("Img_DPI" + QString::number(c.currentShown)), "CbS_E");
    EXPECT_TRUE(find("Disable_All_2")->isHidden());
    EXPECT_TRUE(modals.messages.empty());
}

const std::pair<std::size_t, uint8_t> kFourLevels[] = {{43, 3}, {44, 0x13}, {166, 0}};

INSTANTIATE_TEST_SUITE_P(
    AdvancedPage, DpiWrites,
    ::testing::Values(DpiCase{"AddTheFirstUnusedLevel",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1&, const auto& click) { click("lbl_DPI5"); },
                              {Live(43, 4), Live(43, 4)},
                              5,
                              5},
                      DpiCase{"RemoveTheLastLevel",
                              {{43, 4}, {166, 4}},
                              [](orvandesk::TForm1&, const auto& click) { click("lbl_DPI5"); },
                              {Live(43, 3), Live(43, 3)},
                              4,
                              4},
                      DpiCase{"ALevelInsideTheRangeMarksTheLast",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1&, const auto& click) { click("lbl_DPI3"); },
                              {Live(43, 3), Live(43, 3)},
                              4,
                              4},
                      DpiCase{"TheLastRemainingLevelStays",
                              {{43, 0}, {166, 0}},
                              [](orvandesk::TForm1&, const auto& click) { click("lbl_DPI1"); },
                              {},
                              1,
                              1},
                      DpiCase{"AnUnusedLevelIgnoresClicks",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1&, const auto& click) {
                                  click("Img_DPI6");
                                  click("Img_DPI6_3");
                              },
                              {},
                              4,
                              1},
                      DpiCase{"ChooseTheCurrentLevel",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1&, const auto& click) { click("Img_DPI3"); },
                              {Live(166, 2)},
                              4,
                              3},
                      // Level 1 holds 800 (index 3); level 2 becomes 3200 (index 9).
                      DpiCase{"ALevelValueGoesWithItsPartnerAndTheLevelIsReentered",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1&, const auto& click) { click("Img_DPI2_10"); },
                              {Live(44, 0x93), Live(166, 1), Live(166, 0)},
                              4,
                              1},
                      DpiCase{"AValueOnAnotherLevelStepsDownAndBack",
                              {{43, 3}, {44, 0x13}, {45, 0x45}, {166, 2}},
                              [](orvandesk::TForm1&, const auto& click) { click("Img_DPI4_1"); },
                              {Live(45, 0x05), Live(166, 1), Live(166, 2)},
                              4,
                              3},
                      DpiCase{"AColourSendsItsChangedPartsThenAllThree",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1& w, const auto& click) {
                                  auto& data = w.image().data;
                                  data[90] = 0x10;
                                  data[91] = 0x22;
                                  data[92] = 0x30;
                                  w.advanced().chooseColour = [](QColor) {
                                      return QColor(0x11, 0x22, 0x33);
                                  };
                                  click("lbl_DPI2Col");
                              },
                              {Live(90, 0x11), Live(92, 0x33), Live(90, 0x11, 0x22, 0x33, 3)},
                              4,
                              1},
                      DpiCase{"ACancelledColourSendsNothing",
                              {std::begin(kFourLevels), std::end(kFourLevels)},
                              [](orvandesk::TForm1& w, const auto& click) {
                                  w.advanced().chooseColour = [](QColor) {
                                      return std::optional<QColor>();
                                  };
                                  click("lbl_DPI1Col");
                              },
                              {},
                              4,
                              1}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(AdvancedPageTest, NothingIsSentWhileAnImageIsLoading) {
    openPage({std::begin(kFourLevels), std::end(kFourLevels)});
    window->setImageLoading(true);
    for (const char* name : {"lbl_DPI5", "Img_DPI2", "Img_DPI1_4", "lbl_Rep1", "Img_AIMDPI_3"}) {
        click(name);
    }
    window->advanced().setLevelColour(1, Qt::red);
    window->setImageLoading(false);
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(page().levelCount(), 4);
}

TEST_F(AdvancedPageTest, TheShownLevelsComeFromTheImage) {
    // Level 3 holds no value (15): its row keeps what it showed before.
    openPage({{43, 2}, {44, 0xB0}, {45, 0x7F}, {166, 1}});
    EXPECT_EQ(page().levelCount(), 3);
    EXPECT_EQ(page().currentLevelShown(), 2);
    EXPECT_EQ(find("lbl_DPI1Value")->property("text").toString(), "200");
    EXPECT_EQ(find("lbl_DPI2Value")->property("text").toString(), "6400");
    EXPECT_EQ(find("lbl_DPI4Value")->property("text").toString(), "2000");
    // Knob style (DPILED_Status 1): only the chosen position.
    EXPECT_EQ(pictureOf("Img_DPI2_12"), "Bar2_E");
    EXPECT_EQ(pictureOf("Img_DPI2_11"), "Bar2_D");
    EXPECT_FALSE(find("Img_DPI4_1")->isEnabled());
    EXPECT_TRUE(find("Img_DPI3_1")->isEnabled());
}

TEST_F(AdvancedPageTest, ANewReportRateRestartsTheMouseAndTheSameOneDoesNot) {
    // 1000 Hz (bits 5..4 = 11) with other bits set that must stay.
    openPage({{4, 0xB5}});
    ASSERT_EQ(page().rememberedReportRate(), 1000);
    click("lbl_Rep3");
    const auto commands = sentCommands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands[0], Live(4, 0xA5));
    // The restart, then the image read of the reconnection.
    ASSERT_GT(commands.size(), 2u);
    EXPECT_EQ(commands[1].substr(0, 5), "40 0E");
    EXPECT_EQ(commands.back(), "40 09 00 00 08 00 00 00") << "the whole image read again";
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_FALSE(window->noDeviceView());
    EXPECT_TRUE(find("Disable_All_2")->isHidden());

    // The rate the read shows again is sent without a restart.
    window->Btn_Adv_0Click();
    const int shown = page().rememberedReportRate() == 500 ? 3 : 4;
    const uint8_t byte = window->image().data[4];
    hid->clearTraffic();
    click("lbl_Rep" + QString::number(shown));
    EXPECT_EQ(sentCommands(), std::vector<std::string>{Live(4, byte)});
}

TEST_F(AdvancedPageTest, TheAimRowNeedsAnAimKey) {
    openPage({});
    click("Img_AIMDPI_5");
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], text("Str105"));
    EXPECT_TRUE(liveWrites().empty());
    EXPECT_EQ(pictureOf("Img_AIMDPI_1"), "Bar2_E");
    EXPECT_EQ(pictureOf("Img_AIMDPI_5"), "Bar2_D");
    EXPECT_EQ(find("lbl_AIMDPIValue")->property("text").toString(), "200");
}

TEST_F(AdvancedPageTest, TheMouseDpiButtonMovesTheMarker) {
    openPage({std::begin(kFourLevels), std::end(kFourLevels)});
    for (int expected : {2, 3, 4, 1}) {
        hid->clearTraffic();
        ASSERT_TRUE(mouse->pressDpiButton(1));
        ASSERT_TRUE(mouse->releaseButton());
        QElapsedTimer waited;
        waited.start();
        while (page().currentLevelShown() != expected && waited.elapsed() < 10000) QTest::qWait(10);
        EXPECT_EQ(page().currentLevelShown(), expected);
        EXPECT_FALSE(window->statusRefreshing());
        // It reads the level byte and sends nothing else.
        EXPECT_EQ(sentCommands(), std::vector<std::string>{"40 09 00 A6 00 01 00 00"});
    }
    // The box that a value change steps away from is not moved.
    EXPECT_EQ(page().currentItem(), 0);
}

// The pointer settings through a store in a temporary folder.
class PointerPageTest : public AdvancedPageTest {
protected:
    QTemporaryDir dir;
    std::shared_ptr<platform::PointerStore> store;
    std::vector<platform::PointerApplied> applied;

    class Recording : public platform::PointerStore {
    public:
        Recording(std::filesystem::path f, std::vector<platform::PointerApplied>& out)
            : PointerStore(std::move(f)), out_(out) {}
        void apply(const platform::PointerApplied& a) override { out_.push_back(a); }

    private:
        std::vector<platform::PointerApplied>& out_;
    };

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store = std::make_shared<Recording>(dir.filePath("pointer.conf").toStdString(), applied);
    }
    // The window takes its backend from its environment: built here by hand.
    void startWith(const platform::PointerValues& mouseValues,
                   const platform::PointerValues& desktopValues) {
        ASSERT_TRUE(store->write(platform::PointerGroup::Mouse, mouseValues));
        ASSERT_TRUE(store->write(platform::PointerGroup::Desktop, desktopValues));
        pointer = store;
        startConnected();
        window->Btn_Adv_0Click();
    }
    platform::PointerValues read(platform::PointerGroup g) { return *store->read(g); }
};

TEST_F(PointerPageTest, TheSlidersShowTheStoreAndEveryClickRewritesIt) {
    startWith({{"MouseSensitivity", "10"},
               {"DoubleClickSpeed", "500"},
               {"MouseSpeed", "0"},
               {"MouseThreshold1", "0"},
               {"MouseThreshold2", "0"}},
              {{"WheelScrollLines", "-1"}});
    EXPECT_EQ(pictureOf("Img_Spd6"), "Bar1_E");
    EXPECT_EQ(pictureOf("Img_DbSpd7"), "Bar1_E");
    EXPECT_EQ(pictureOf("Img_IsScreen"), "CbS_E");
    EXPECT_EQ(pictureOf("Img_IsControl"), "CbS_D");
    EXPECT_FALSE(find("Img_ScrSpd1")->isEnabled());

    click("Img_Spd11");
    auto mouseValues = read(platform::PointerGroup::Mouse);
    EXPECT_EQ(mouseValues["MouseSensitivity"], "20");
    EXPECT_EQ(mouseValues["DoubleClickSpeed"], "480");
    EXPECT_EQ(read(platform::PointerGroup::Desktop)["WheelScrollLines"], "-1");
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0], (platform::PointerApplied{20, 0, 0, 0, 480, -1}));

    click("lbl_IsScreen");
    EXPECT_EQ(read(platform::PointerGroup::Desktop)["WheelScrollLines"], "1");
    EXPECT_TRUE(find("Img_ScrSpd1")->isEnabled());
    click("lbl_IsControl");
    EXPECT_EQ(applied.back(), (platform::PointerApplied{20, 6, 10, 1, 480, 1}));
    EXPECT_EQ(pictureOf("Img_IsControl"), "CbS_E");
    EXPECT_TRUE(find("Disable_All_2")->isHidden());
    EXPECT_TRUE(sentCommands().empty() || liveWrites().empty()) << "nothing goes to the mouse";

    // Changed behind the window's back: the next image read shows it.
    ASSERT_TRUE(store->write(platform::PointerGroup::Mouse, {{"MouseSensitivity", "2"}}));
    window->Btn_Read();
    EXPECT_EQ(pictureOf("Img_Spd2"), "Bar1_E");
    EXPECT_EQ(pictureOf("Img_Spd11"), "Bar1_D");
}

QString ShotDir() {
    QString dir = qEnvironmentVariable("ORVANDESK_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QDir::temp().filePath(QStringLiteral("orvandesk-window-shots"));
    QDir().mkpath(dir);
    return dir;
}

TEST_F(PointerPageTest, Screenshots) {
    startWith({{"MouseSensitivity", "14"},
               {"DoubleClickSpeed", "500"},
               {"MouseSpeed", "1"},
               {"MouseThreshold1", "6"},
               {"MouseThreshold2", "10"}},
              {{"WheelScrollLines", "3"}});
    click("Img_DPI2_10");
    EXPECT_TRUE(window->grab().save(QDir(ShotDir()).filePath("advanced-page.png")));
    window->Btn_LangClick(2);
    EXPECT_TRUE(window->grab().save(QDir(ShotDir()).filePath("advanced-page-ru.png")));
}

}  // namespace
}  // namespace wt
