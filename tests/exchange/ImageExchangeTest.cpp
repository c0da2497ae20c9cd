#include "orvandesk/exchange/ImageExchange.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/platform/hid/SimulatedHidSystem.h"
#include "orvandesk/device/OrvanCommands.h"
#include "orvandesk/image/SectionCheck.h"
#include "sim/orvan/OrvanMouse.h"

namespace {

std::vector<uint8_t> shippedImage() {
    std::ifstream in(ORVAN_DEFAULT_IMAGE_PATH, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class ImageExchangeTest : public ::testing::Test {
protected:
    platform::VirtualClock clock;
    std::shared_ptr<platform::SimulatedHidSystem> hid = std::make_shared<platform::SimulatedHidSystem>(clock);
    device::DeviceLink link{hid, device::quietHost(), orvan::kProbes};
    orvan::OrvanDevice device{link};
    orvan::ConfigImage image;
    bool i2c = true;
    orvan::ImageExchange exchange{device, image, [this] { return i2c; }};
    std::shared_ptr<sim::OrvanMouse> mouse;

    void connect(const std::vector<uint8_t>& memory) {
        ASSERT_EQ(memory.size(), 2048u);
        mouse = sim::plugOrvanMouse(*hid, memory);
        ASSERT_TRUE(link.OpenMouse(0x1BCF, 0x08B8));
        hid->clearTraffic();
    }
};

}  // namespace

TEST_F(ImageExchangeTest, ReadShowsTheImageAndThePatchCheck) {
    const auto shipped = shippedImage();
    connect(shipped);
    std::string patchCheck;
    orvan::DistributeHooks hooks;
    hooks.showPatchCheck = [&](uint16_t check) {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", check);
        patchCheck = text;
    };
    const auto results = exchange.ReadImage({}, hooks);
    EXPECT_TRUE(results.allPassed());
    EXPECT_EQ(std::vector(image.working.begin(), image.working.end()), shipped);
    EXPECT_EQ(patchCheck, "261A");
    EXPECT_EQ(hid->featureLog().size(), 294u);
}

TEST_F(ImageExchangeTest, DamagedProfileIsRebuiltOthersShowAsRead) {
    auto memory = shippedImage();
    memory[241 + 5] ^= 0x01;  // profile 2 without a new check byte
    connect(memory);
    const auto results = exchange.ReadImage({}, {});
    EXPECT_FALSE(results.profiles[1]);
    EXPECT_TRUE(results.profiles[0] && results.profiles[2] && results.vendor && results.user);
    orvan::DataBuf defaults = image.data;
    orvan::BuildProfileDefault(defaults, 1);
    const auto rebuilt = image.data.section(orvan::region::Profile2);
    const auto expected = defaults.section(orvan::region::Profile2);
    EXPECT_TRUE(std::equal(rebuilt.begin(), rebuilt.end(), expected.begin()));
}

TEST_F(ImageExchangeTest, RefusedReadShowsTheDefaults) {
    connect(shippedImage());
    mouse->refuseCommand(orvan::MEM_READ);
    const auto results = exchange.ReadImage({}, {});
    EXPECT_FALSE(results.vendor || results.user || results.profiles[0] || results.profiles[1] ||
                 results.profiles[2]);
    EXPECT_TRUE(orvan::SectionCheckPasses(image.data.section(orvan::region::Vendor)));
}

TEST_F(ImageExchangeTest, WriteProfilesSendsItsExactPatternAndTakesTheUserSectionBack) {
    connect(shippedImage());
    exchange.ReadImage({}, {});
    image.data[orvan::region::Profile2.offset + 12] = 0x02;  // a new code for button 4 of Mode B
    image.data[orvan::region::User.offset + 3] ^= 0x55;      // a stale value the mouse does not hold
    hid->clearTraffic();

    exchange.WriteProfiles();

    const auto log = hid->featureLog();
    ASSERT_EQ(log.size(), 1 + 21 + 1 + 4 + 2u);
    EXPECT_EQ(log[0], "set 40 07 00 C0 00 93 00 00");
    EXPECT_EQ(log[22], "set 40 06 00 A4 00 1C 00 00");
    EXPECT_EQ(log[27], "set 40 05 00 A4 0F 00 00 01");
    EXPECT_EQ(log[28].substr(0, 15), "set 40 05 00 A4");
    const auto memory = mouse->memory();
    EXPECT_EQ(memory[orvan::region::Profile2.offset + 12], 0x02);
    EXPECT_TRUE(orvan::SectionCheckPasses(std::span(memory).subspan(241, 49)));
    const auto working = mouse->workingCopy();
    const auto user = image.data.section(orvan::region::User);
    EXPECT_TRUE(std::equal(user.begin(), user.end(), working.begin() + 164));
    EXPECT_GE(mouse->reloadCount(), 1u);
}

TEST_F(ImageExchangeTest, WithoutTheI2CKindOnlyTheLiveStepsRun) {
    connect(shippedImage());
    i2c = false;
    EXPECT_TRUE(exchange.ReadImage({}, {}).allPassed());
    EXPECT_TRUE(hid->featureLog().empty());
    exchange.WriteProfilesAndReserve();
    for (const auto& line : hid->featureLog()) EXPECT_NE(line.substr(0, 9), "set 40 07") << line;
}

TEST_F(ImageExchangeTest, SectionWritesGoToTheWorkingCopy) {
    connect(shippedImage());
    exchange.ReadImage({}, {});
    image.data[10] ^= 0x01;
    hid->clearTraffic();
    exchange.WriteVendorSection();
    const auto log = hid->featureLog();
    EXPECT_EQ(log[0].substr(0, 15), "set 40 05 00 00");
    EXPECT_EQ(log[55], "set 40 07 00 C0 00 93 00 00") << "55 pieces, then the profiles";
    EXPECT_EQ(mouse->workingCopy()[10], image.data[10]);
    const auto working = mouse->workingCopy();
    EXPECT_TRUE(orvan::SectionCheckPasses(std::span(working).first(164)));

    hid->clearTraffic();
    exchange.WriteUserSection();
    EXPECT_EQ(hid->featureLog().size(), 10u);
}
