// The lighting page on the real window against the simulated mouse: what a
// read of an image shows, the exact live writes of each kind of change, and
// silence while an image is loading.

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include "common/shell/SkinControls.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/image/SectionCheck.h"
#include "orvandesk/window/Lighting.h"
#include "tests/window/WindowFixture.h"

namespace wt {
namespace {

namespace field = orvan::field;

// The image with its vendor and user check bytes recomputed.
std::vector<uint8_t> ImageWith(std::vector<uint8_t> image) {
    image[163] = orvan::SectionCheckByte(std::span<const uint8_t>(image.data(), 163));
    image[191] = orvan::SectionCheckByte(std::span<const uint8_t>(image.data() + 164, 27));
    return image;
}

std::vector<uint8_t> ImageWith(std::initializer_list<std::pair<size_t, uint8_t>> bytes) {
    std::vector<uint8_t> image = ShippedImage();
    for (auto [offset, value] : bytes) image[offset] = value;
    return ImageWith(std::move(image));
}

std::string Write(uint8_t address, std::initializer_list<uint8_t> data) {
    char line[32];
    uint8_t d[3] = {0, 0, 0};
    size_t n = 0;
    for (uint8_t b : data) d[n++] = b;
    std::snprintf(line, sizeof line, "40 05 00 %02X %02X %02X %02X %02X", address, d[0], d[1], d[2],
                  static_cast<unsigned>(n));
    return line;
}

class LightingTest : public WindowTest {
protected:
    void open(std::vector<uint8_t> image = ShippedImage()) {
        startConnected(std::move(image));
        window->Btn_Breath_0Click();
        ASSERT_EQ(visiblePage(), 3);
        hid->clearTraffic();
    }
    orvandesk::LightingPage& page() { return window->lighting(); }
    QString picture(const QString& name) { return shell::PictureNameOf(find(name)); }
    // The shown option whose picture is the chosen one (0 for none).
    int markedOption() {
        int marked = 0;
        for (int k = 1; k <= 6; ++k) {
            const QString img = "Img_LED" + QString::number(k);
            if (find(img)->isVisible() && picture(img) == QLatin1String("RdS_E")) marked = k;
        }
        return marked;
    }
    bool sliderEnabled() { return find("Img_Fall1")->isEnabled(); }
    void type(const char* edit, const QString& text) { find<QLineEdit>(edit)->setText(text); }
};

TEST_F(LightingTest, ShippedImageAfterARead) {
    open();
    EXPECT_EQ(page().ledType().text(), "RGB");
    EXPECT_EQ(markedOption(), 5) << "165 = 0x04, Blend";
    EXPECT_TRUE(find<QAbstractButton>("rb_LED5")->isChecked());
    for (int k = 1; k <= 6; ++k)
        EXPECT_TRUE(find("lbl_LED" + QString::number(k))->isVisible()) << k;
    EXPECT_EQ(page().stepSlider().position(), 2) << "step time 10";
    EXPECT_EQ(picture("Img_Fall2"), "Bar1_E");
    EXPECT_EQ(picture("Img_Fall1"), "Bar1_D");
    EXPECT_TRUE(sliderEnabled());
    EXPECT_EQ(find<QLineEdit>("edt_StepTime")->text(), "10");
    EXPECT_EQ(find<QLineEdit>("edt_Lower")->text(), "256");
    EXPECT_EQ(find<QLineEdit>("edt_Upper")->text(), "32768");
    EXPECT_EQ(find<QLineEdit>("edt_Col2G")->text(), "128");
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(find("cs_Col" + QString::number(k))->isVisible()) << k;
    EXPECT_TRUE(find("cs_Col1")->styleSheet().contains("#ff0000"));
    EXPECT_TRUE(find("cs_Col8")->styleSheet().contains("#8000ff"));
    EXPECT_EQ(find<QComboBox>("cb_ProfileColor")->currentIndex(), 10) << "colour 15, fixed";
    EXPECT_EQ(find<QComboBox>("cb_BtnEFT")->currentIndex(), 1);
    EXPECT_TRUE(liveWrites().empty()) << "showing the image sends nothing";
}

struct ShownCase {
    const char* what;
    std::vector<std::pair<size_t, uint8_t>> bytes;
    const char* type;
    int marked;
    bool slider;
    std::array<bool, 6> options;
    bool swatches;
    int stepPosition;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.what;
}

class LightingShownTest : public LightingTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(LightingShownTest, WhatTheImageShows) {
    const ShownCase& c = GetParam();
    std::vector<uint8_t> image = ShippedImage();
    for (auto [offset, value] : c.bytes) image[offset] = value;
    open(ImageWith(image));
    EXPECT_EQ(page().ledType().text(), c.type);
    EXPECT_EQ(markedOption(), c.marked);
    EXPECT_EQ(sliderEnabled(), c.slider);
    EXPECT_EQ(page().stepSlider().position(), c.stepPosition);
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(find("lbl_LED" + QString::number(k))->isVisible(), c.options[k - 1]) << k;
    EXPECT_EQ(find("cs_Col1")->isVisible(), c.swatches);
    EXPECT_EQ(find("lbl_Col10")->isVisible(), c.swatches);
}

INSTANTIATE_TEST_SUITE_P(
    Images, LightingShownTest,
    ::testing::Values(
        ShownCase{
            "NtEightLedsCpiBreath", {{165, 0xF5}}, "NT", 6, true, {1, 1, 1, 0, 1, 1}, true, 2},
        ShownCase{"RgbOfferingThreeEffects",
                  {{42, 0x07}, {165, 0x01}},
                  "RGB",
                  2,
                  true,
                  {1, 1, 1, 0, 0, 0},
                  true,
                  2},
        ShownCase{"SyncHidesTheColourTable",
                  {{42, 0x07}, {165, 0x41}, {56, 8}},
                  "Sync",
                  2,
                  true,
                  {1, 1, 1, 0, 0, 0},
                  false,
                  2},
        ShownCase{"RgbOff", {{165, 0x00}, {56, 46}}, "RGB", 1, false, {1, 1, 1, 1, 1, 1}, true, 10},
        // The no-device view marked option 5 of the default image before the read.
        ShownCase{"EffectTheTypeLacksKeepsTheOptions",
                  {{165, 0x07}, {56, 5}},
                  "RGB",
                  5,
                  true,
                  {1, 1, 1, 1, 1, 1},
                  true,
                  1}),
    [](const ::testing::TestParamInfo<ShownCase>& p) { return std::string(p.param.what); });

TEST_F(LightingTest, EffectOptionsSendTheLedModeByte) {
    open();
    click("lbl_LED1");
    EXPECT_FALSE(sliderEnabled()) << "Off";
    EXPECT_EQ(markedOption(), 1);
    click("lbl_LED6");
    EXPECT_TRUE(sliderEnabled());
    EXPECT_EQ(liveWrites(), (std::vector<std::string>{Write(0xA5, {0x00}), Write(0xA5, {0x05})}));
    EXPECT_EQ(window->image().data[field::LedMode], 0x04) << "the effect is the mouse's only";
}

TEST_F(LightingTest, EffectOptionKeepsTypeAndCount) {
    open(ImageWith({{165, 0xF5}}));
    click("lbl_LED2");
    EXPECT_EQ(liveWrites(), std::vector<std::string>{Write(0xA5, {0xF1})});
}

TEST_F(LightingTest, StepTimeSliderSendsTheByteTwice) {
    open(ImageWith({{56, 8}}));
    EXPECT_EQ(page().stepSlider().position(), 2);
    click("Img_Fall7");
    EXPECT_EQ(liveWrites(), (std::vector<std::string>{Write(0x38, {35}), Write(0x38, {35})}));
    EXPECT_EQ(window->image().data[field::BreathStepTime], 35);
    EXPECT_EQ(find<QLineEdit>("edt_StepTime")->text(), "35");
    EXPECT_EQ(picture("Img_Fall7"), "Bar1_E");
    EXPECT_EQ(picture("Img_Fall2"), "Bar1_D");
}

TEST_F(LightingTest, TypedValuesAreHeldToTheirLimits) {
    struct Case {
        const char* edit;
        const char* typed;
        const char* shown;
        std::string sent;
    };
    const Case cases[] = {
        {"edt_Col2G", "300", "255", Write(61, {0xFF})},
        {"edt_Col10B", "7", "7", Write(86, {7})},
        {"edt_LowerTime", "5000", "4094", Write(52, {0x0F, 0xFE})},
        {"edt_Lower", "99999", "65535", Write(48, {0xFF, 0xFF})},
        {"edt_UpperTime", "4095", "4095", Write(54, {0x0F, 0xFF})},
        {"edt_StepTime", "300", "255", Write(56, {0xFF})},
    };
    open();
    for (const Case& c : cases) {
        hid->clearTraffic();
        type(c.edit, QString::fromLatin1(c.typed));
        EXPECT_EQ(find<QLineEdit>(c.edit)->text(), c.shown) << c.edit;
        EXPECT_EQ(liveWrites(), std::vector<std::string>{c.sent}) << c.edit;
    }
    EXPECT_EQ(window->image().data[61], 0xFF) << "colour edits keep DataBuf";
    EXPECT_TRUE(find("cs_Col2")->styleSheet().contains("#ffff00"));
    EXPECT_EQ(window->image().data[52], 0x00) << "breathing values are the mouse's only";
    EXPECT_EQ(page().stepSlider().position(), 10);
    hid->clearTraffic();
    type("edt_Col1R", "");
    EXPECT_TRUE(liveWrites().empty()) << "an emptied edit sends nothing";
}

TEST_F(LightingTest, ColourDialogSendsTheChangedComponentsThenTheColour) {
    open();
    std::optional<QColor> answer = QColor(0xFF, 0x34, 0x56);
    QColor offered;
    page().setColourPicker([&](const QColor& initial) {
        offered = initial;
        return answer;
    });
    click("lbl_Col3");
    EXPECT_EQ(offered, QColor(0xFF, 0xFF, 0x00));
    // Red was already FF: its edit does not change and sends nothing.
    EXPECT_EQ(liveWrites(), (std::vector<std::string>{Write(0x40, {0x34}), Write(0x41, {0x56}),
                                                      Write(0x3F, {0xFF, 0x34, 0x56})}));
    EXPECT_TRUE(find("cs_Col3")->styleSheet().contains("#ff3456"));
    EXPECT_EQ(window->image().data[65], 0x56);

    hid->clearTraffic();
    answer.reset();
    click("lbl_Col4");
    EXPECT_TRUE(liveWrites().empty()) << "a cancelled dialog changes nothing";
    EXPECT_TRUE(find("cs_Col4")->styleSheet().contains("#00ff00"));
}

TEST_F(LightingTest, KeySetColourAndButtonEffectAreLiveAndFollowTheKeySetSwitch) {
    open();
    auto* colour = find<QComboBox>("cb_ProfileColor");
    auto* effect = find<QComboBox>("cb_BtnEFT");
    colour->setCurrentIndex(3);
    emit colour->activated(3);
    effect->setCurrentIndex(0);
    emit effect->activated(0);
    EXPECT_EQ(liveWrites(), (std::vector<std::string>{Write(0xA4, {0x30}), Write(0xA7, {0x00})}));
    EXPECT_EQ(window->image().data[field::ProfileSelect], 0x30);
    EXPECT_EQ(window->image().data[field::ButtonFlash], 0x00);

    hid->clearTraffic();
    click("Btn_Switch_3");
    const auto writes = liveWrites();
    ASSERT_EQ(writes.size(), 5u);
    EXPECT_EQ(writes.front(), Write(0xA7, {0x00}));
    EXPECT_EQ(writes.back(), Write(0xA4, {0x31}));
}

TEST_F(LightingTest, NothingIsSentWhileAnImageLoads) {
    open();
    page().setColourPicker([](const QColor&) { return QColor(1, 2, 3); });
    window->setImageLoading(true);
    click("lbl_LED1");
    click("Img_Fall7");
    click("lbl_Col1");
    type("edt_Col1R", "12");
    type("edt_StepTime", "300");
    type("edt_Upper", "70000");
    emit find<QComboBox>("cb_ProfileColor")->activated(2);
    emit find<QComboBox>("cb_BtnEFT")->activated(0);
    window->setImageLoading(false);
    EXPECT_TRUE(liveWrites().empty());
    EXPECT_EQ(find<QLineEdit>("edt_StepTime")->text(), "255") << "the limit still holds";
    EXPECT_EQ(window->image().data[field::BreathStepTime], 10) << "the slider keeps DataBuf";
}

TEST_F(LightingTest, LedTypeGoesWithTheMouseAndDecidesTheDefaults) {
    open(ImageWith({{165, 0x85}}));
    EXPECT_EQ(page().ledType().text(), "NT");
    // A file whose vendor section fails its check is repaired with the
    // defaults of the type shown, and the repaired image reaches the mouse.
    std::vector<uint8_t> broken = ImageWith({{165, 0x85}});
    broken[42] = 0x01;
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("nt.bin")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(broken.data()), static_cast<qint64>(broken.size()));
    file.close();
    window->loadBinFrom(file.fileName());
    tick();
    EXPECT_EQ(mouse->memory()[42], 0x37) << "the NT effects";
    EXPECT_EQ(mouse->memory()[5], 0x3F) << "the NT option byte";

    hid->unplug(mouse.get());
    tick();
    EXPECT_EQ(page().ledType().text(), "") << "unknown until the next image";
    hid->plug(mouse);
    tick();
    EXPECT_EQ(page().ledType().text(), "NT");
}

// The page for a person to look at, in English and Russian. Saved to
// ORVANDESK_SCREENSHOT_DIR, or to a folder in the temporary directory.
TEST_F(LightingTest, Screenshots) {
    QString dir = qEnvironmentVariable("ORVANDESK_SCREENSHOT_DIR");
    if (dir.isEmpty()) dir = QDir::temp().filePath(QStringLiteral("orvandesk-window-shots"));
    QDir().mkpath(dir);
    open();
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(QStringLiteral("lighting-page.png"))));
    click("Btn_Lang2_3");
    ASSERT_EQ(window->languageNumber(), 2);
    EXPECT_EQ(visiblePage(), 3);
    EXPECT_EQ(find<QComboBox>("cb_BtnEFT")->itemText(1), QString::fromUtf8("Вкл."));
    EXPECT_TRUE(window->grab().save(QDir(dir).filePath(QStringLiteral("lighting-page-ru.png"))));
}

}  // namespace
}  // namespace wt
