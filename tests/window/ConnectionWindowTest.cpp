// Detection, identification and the image read on the window, against the
// simulated mouse on the virtual clock.

#include <QLineEdit>

#include "common/shell/Skin.h"
#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/image/SectionCheck.h"
#include "orvandesk/image/SectionDefaults.h"
#include "sim/orvan/OtherHidDevice.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

constexpr char kMemRead2048[] = "40 09 00 00 08 00 00 00";

QString LostMessage() {
    // Str100, two carriage returns (shown as line breaks), Str101 (empty).
    return QStringLiteral("Waiting to reconnect device\n\n");
}

TEST_F(WindowTest, AnAttachedMouseIsConnectedOnTheFirstTick) {
    start();
    EXPECT_EQ(window->session().DevTimer().interval(), 3600 * 1000);
    const uint64_t before = clock.nowMs();
    tick();
    EXPECT_EQ(clock.nowMs() - before, 2100u) << "the settling wait";
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_FALSE(window->noDeviceView());
    EXPECT_FALSE(window->imageLoading());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
    EXPECT_TRUE(window->session().DevTimer().isActive());
    EXPECT_TRUE(window->session().reader().running());
    EXPECT_FALSE(window->busyWindow()->isVisible());
    EXPECT_TRUE(modals.messages.empty());

    // One read of the whole memory: one MEM_READ of 2048 bytes, 293 fetches.
    const auto log = hid->featureLog();
    const auto read = std::find(log.begin(), log.end(), std::string("set ") + kMemRead2048);
    ASSERT_NE(read, log.end());
    EXPECT_EQ(std::count(log.begin(), log.end(), std::string("set ") + kMemRead2048), 1);
    EXPECT_EQ(std::count_if(read + 1, log.end(),
                            [](const std::string& l) { return l.rfind("get 41", 0) == 0; }),
              293);
    EXPECT_EQ(find<QLineEdit>("edt_VendorID_Rd")->text(), "255");
    EXPECT_EQ(find<QLineEdit>("edt_ProductID_Rd")->text(), "255");
}

TEST_F(WindowTest, AnotherDeviceWithoutTheMouseShowsTheLostMessage) {
    start(std::nullopt);
    hid->plug(std::make_shared<sim::OtherHidDevice>());
    tick();
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], LostMessage());
    EXPECT_TRUE(window->noDeviceView());
    EXPECT_FALSE(find("Disable_All_1")->isHidden()) << "pages stay blocked until a mouse is read";
    EXPECT_TRUE(window->session().DevTimer().isActive());
}

// Interfaces still settling: every other enumeration lists one more.
class SettlingHid final : public platform::HidSystem {
public:
    explicit SettlingHid(std::shared_ptr<platform::SimulatedHidSystem> inner)
        : inner_(std::move(inner)) {}
    bool settling = true;
    std::vector<std::string> enumerate() override {
        auto paths = inner_->enumerate();
        if (settling && (++calls_ % 2 == 0) && !paths.empty()) paths.push_back(paths.front());
        return paths;
    }
    platform::HidHandlePtr open(const std::string& path, platform::HidAccess access) override {
        return inner_->open(path, access);
    }

private:
    std::shared_ptr<platform::SimulatedHidSystem> inner_;
    int calls_ = 0;
};

TEST_F(WindowTest, CountsThatDoNotSettleCauseNothing) {
    auto settling = std::make_shared<SettlingHid>(hid);
    seenHid = settling;
    start();
    tick();
    EXPECT_FALSE(window->connectionUsable());
    EXPECT_EQ(window->session().connection().lastInterfaceCount(), 0);
    EXPECT_TRUE(hid->featureLog().empty());
    EXPECT_TRUE(modals.messages.empty());
    settling->settling = false;
    tick();
    EXPECT_TRUE(window->connectionUsable());
}

TEST_F(WindowTest, UnpluggingAnotherDeviceKeepsTheConnection) {
    auto other = std::make_shared<sim::OtherHidDevice>();
    hid->plug(other);
    start();
    tick();
    ASSERT_TRUE(window->connectionUsable());
    const int count = window->session().connection().lastInterfaceCount();
    hid->unplug(other.get());
    tick();
    tick();
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_TRUE(modals.messages.empty());
    EXPECT_EQ(window->session().connection().lastInterfaceCount(), count);
}

TEST_F(WindowTest, UnpluggingTheMouseShowsTheDefaultsAndTheLostMessage) {
    startConnected();
    hid->unplug(mouse.get());
    tick();
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], LostMessage());
    EXPECT_FALSE(window->connectionUsable());
    EXPECT_TRUE(window->noDeviceView());
    EXPECT_EQ(window->session().connection().detectedKind(), "");
    // Back again: found on the next tick.
    hid->plug(mouse);
    tick();
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_FALSE(window->noDeviceView());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
}

struct IdCase {
    uint8_t manufacturer;
    uint8_t product;
    bool accepted;
};

class MouseIds : public WindowTest, public ::testing::WithParamInterface<IdCase> {};

TEST_P(MouseIds, AreCheckedAgainstTheShippedDefaults) {
    const IdCase& c = GetParam();
    auto image = ShippedImage();
    image[orvan::field::ManufacturerId] = c.manufacturer;
    image[orvan::field::ManufacturerId + 1] = c.product;
    start(image);
    tick();
    const auto log = hid->featureLog();
    const bool read =
        std::find(log.begin(), log.end(), std::string("set ") + kMemRead2048) != log.end();
    EXPECT_EQ(read, c.accepted);
    EXPECT_EQ(window->noDeviceView(), !c.accepted);
    if (c.accepted) {
        EXPECT_TRUE(modals.messages.empty());
        return;
    }
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], "The mouse manufacturer or product id error");
    EXPECT_EQ(modals.captions[0], "");
    EXPECT_TRUE(window->session().DevTimer().isActive()) << "detection goes on after OK";

    // Not asked again while the count stays; asked again once it changes.
    tick();
    EXPECT_EQ(modals.messages.size(), 1u);
    hid->plug(std::make_shared<sim::OtherHidDevice>());
    tick();
    EXPECT_EQ(modals.messages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Ids, MouseIds,
                         ::testing::Values(IdCase{255, 255, true}, IdCase{0, 0, true},
                                           IdCase{1, 2, false}));

TEST_F(WindowTest, AFlashDefaultImageIsRefusedWithoutReading) {
    auto flash = ShippedImage();
    flash[orvan::field::MemoryKindMarker] = 0x00;
    beforeCreate = [&flash](orvandesk::TForm1& w) {
        w.skin().store().insert(QStringLiteral("ORVANDATA_CFG1"),
                                QByteArray(reinterpret_cast<const char*>(flash.data()),
                                           static_cast<qsizetype>(flash.size())));
    };
    start();
    tick();
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], "OrvanData.bin file type error");
    const auto log = hid->featureLog();
    EXPECT_EQ(std::find(log.begin(), log.end(), std::string("set ") + kMemRead2048), log.end());
    EXPECT_TRUE(window->noDeviceView());
}

TEST_F(WindowTest, AWrongProfileCheckShowsTheBuiltInProfileAndTheRestAsRead) {
    auto image = ShippedImage();
    image[orvan::region::Profiles.offset + 49 + 4] = 0x02;  // profile 2, key 2: changed
    image[orvan::region::Profiles.offset + 4] = 0x01;       // profile 1, key 2 ...
    image[orvan::region::Profiles.offset + 5] = 0x04;       // ... is "01040000" now
    // Profile 1 gets its check byte right, profile 2 does not.
    std::span<uint8_t> p1(image.data() + orvan::region::Profiles.offset, 49);
    p1[48] = orvan::SectionCheckByte(p1.first(48));
    image[26] ^= 0x01;  // a vendor byte, with its check byte right
    std::span<uint8_t> vendor(image.data(), 164);
    vendor[163] = orvan::SectionCheckByte(vendor.first(163));
    image[orvan::region::PatchHeader.offset + 6] = 0x26;
    image[orvan::region::PatchHeader.offset + 7] = 0x1A;
    startConnected(image);

    orvan::DataBuf defaults;
    orvan::BuildProfileDefault(defaults, 1);
    const auto shown = window->image().data.section(orvan::region::Profile2);
    const auto expected = defaults.section(orvan::region::Profile2);
    EXPECT_TRUE(std::equal(shown.begin(), shown.end(), expected.begin()));
    EXPECT_EQ(window->keyTexts().profiles[0][1], "01040000");
    EXPECT_EQ(window->keyTexts().profiles[1][1], "01080000");
    EXPECT_EQ(window->image().data[26], image[26]);
    EXPECT_EQ(find<QLineEdit>("edt_PatCodeCk")->text(), "261A");
}

TEST_F(WindowTest, WriteProfilesSendsTheProfilesReadsTheUserSectionAndReloads) {
    startConnected();
    window->WriteProfiles();
    const auto commands = sentCommands();
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0], "40 07 00 C0 00 93 00 00");
    EXPECT_EQ(commands[1].substr(0, 17), "40 06 00 A4 00 1C");
    EXPECT_EQ(commands[2], "40 05 00 A4 0F 00 00 01");
    EXPECT_EQ(commands[3].substr(0, 11), "40 05 00 A4");
    const auto log = hid->featureLog();
    EXPECT_EQ(std::count_if(log.begin(), log.end(),
                            [](const std::string& l) { return l.rfind("set 41", 0) == 0; }),
              21);
    EXPECT_FALSE(window->imageLoading());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
}

TEST_F(WindowTest, NothingIsSentWhileAnImageIsLoading) {
    startConnected();
    window->setImageLoading(true);
    click("Btn_Switch_1");
    window->Btn_Fixed_0Click();
    EXPECT_TRUE(sentCommands().empty());
    EXPECT_EQ(window->pageMark(), 1);
    EXPECT_TRUE(modals.messages.empty());
}

TEST_F(WindowTest, AnUnplugInTheMiddleOfTheReadRebuildsWhatWasLost) {
    start();
    // Identity and ids take 5 reports; the read loses all but its first few chunks.
    mouse->unplugAfterReports(30);
    tick();
    const orvan::DataBuf& data = window->image().data;
    for (const auto region : {orvan::region::Vendor, orvan::region::User, orvan::region::Profile1,
                              orvan::region::Profile2, orvan::region::Profile3}) {
        EXPECT_TRUE(orvan::SectionCheckPasses(data.section(region))) << region.offset;
    }
    orvan::DataBuf defaults;
    orvan::BuildProfileDefault(defaults, 0);
    const auto shown = data.section(orvan::region::Profile1);
    EXPECT_TRUE(
        std::equal(shown.begin(), shown.end(), defaults.section(orvan::region::Profile1).begin()));
    EXPECT_TRUE(modals.messages.empty());
    tick();
    ASSERT_EQ(modals.messages.size(), 1u);
    EXPECT_EQ(modals.messages[0], LostMessage());
}

TEST_F(WindowTest, ResetWithDefaultImageOneWritesTheResourceAndReconnects) {
    auto changed = ShippedImage();
    changed[orvan::region::Profiles.offset + 1] = 0x02;  // no longer the default
    startConnected(changed);
    click("Btn_Confirm1_1");
    EXPECT_EQ(mouse->memory(), ShippedImage());
    EXPECT_TRUE(window->connectionUsable());
    EXPECT_FALSE(window->noDeviceView());
    EXPECT_TRUE(find("Disable_All_1")->isHidden());
    EXPECT_TRUE(window->session().DevTimer().isActive());
    EXPECT_FALSE(window->busyWindow()->isVisible());
    const auto commands = sentCommands();
    EXPECT_NE(std::find(commands.begin(), commands.end(), "40 07 00 00 08 00 00 00"),
              commands.end());
    EXPECT_NE(std::find(commands.begin(), commands.end(), "40 0E 00 00 00 00 00 00"),
              commands.end());
}

}  // namespace
}  // namespace wt
