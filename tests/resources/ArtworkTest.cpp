// The built-in pictures: each name the window asks for is embedded at the size
// its controls are laid out for, and the pictures keep the properties the
// window relies on (shape outline, see-through empty slots, shared sets).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QString>

#include "resources/orvandesk/artwork/ArtworkNames.h"

namespace {

QImage picture(const QString& name) {
    return QImage(QStringLiteral(":/res/") + name);
}

struct Sized {
    QString name;
    int w, h;
};

std::vector<Sized> statedSizes() {
    std::vector<Sized> s;
    const QString sets[2] = {"L1_", "L2_"};
    for (const QString& set : sets) {
        s.push_back({set + "BackGround", 1030, 662});
        s.push_back({set + "Back1", 680, 380});
        s.push_back({set + "Back2", 800, 374});
        s.push_back({set + "Back3", 801, 375});
        s.push_back({set + "Back4", 800, 374});
        s.push_back({set + "Back5", 720, 650});
    }
    for (const char* n : {"BackGround", "Back1", "Back2", "Back3", "Back4", "Back5"})
        s.push_back({QStringLiteral("L3_") + n, 23, 4});
    s.push_back({"Update", 540, 102});
    s.push_back({"Msg", 1000, 660});
    struct Kind {
        const char* name;
        int w, h;
    };
    for (const Kind k : {Kind{"SetS", 100, 30}, Kind{"BtnS", 110, 27}, Kind{"KeyS", 170, 27},
                         Kind{"ExitS", 18, 18}, Kind{"MiniS", 18, 18}, Kind{"WebS", 200, 66},
                         Kind{"MacroS", 110, 27}, Kind{"MacroBtnS", 44, 27}}) {
        for (const char* st : {"_01", "_02", "_03"}) s.push_back({QString(k.name) + st, k.w, k.h});
    }
    s.push_back({"CbS_D", 16, 16});
    s.push_back({"CbS_E", 16, 16});
    s.push_back({"RdS_D", 15, 15});
    s.push_back({"RdS_E", 15, 15});
    s.push_back({"Bar1_D", 26, 18});
    s.push_back({"Bar1_E", 26, 18});
    s.push_back({"Bar2_D", 20, 18});
    s.push_back({"Bar2_E", 20, 18});
    s.push_back({"Col_F", 32, 40});
    for (int g = 1; g <= 7; ++g) {
        s.push_back({QStringLiteral("Gun%1_01").arg(g), 120, 56});
        s.push_back({QStringLiteral("Gun%1_02").arg(g), 120, 56});
    }
    for (const char* n : {"InsertKeyBase", "InsertXYBase", "InsertDelayBase"})
        s.push_back({n, 207, 162});
    return s;
}

class Artwork : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "artwork";
        static char* argv[] = {name, nullptr};
        if (QGuiApplication::instance() == nullptr) app_ = new QGuiApplication(argc, argv);
    }
    static inline QGuiApplication* app_ = nullptr;
};

TEST_F(Artwork, EveryNamedPictureHasItsSize) {
    for (const Sized& s : statedSizes()) {
        const QImage img = picture(s.name);
        ASSERT_FALSE(img.isNull()) << s.name.toStdString();
        EXPECT_EQ(img.size(), QSize(s.w, s.h)) << s.name.toStdString();
    }
    // Sizes left to the artwork: they only have to be there and usable.
    for (const char* n : {"GunMode1", "GunMode2", "GunMode3", "GunMode4", "GunMode5", "AppIcon"})
        EXPECT_FALSE(picture(n).isNull()) << n;
    for (std::string_view n : orvandesk::res::artworkNames())
        EXPECT_FALSE(picture(QString::fromLatin1(n.data(), qsizetype(n.size()))).isNull()) << n;
}

// The window takes the outline of its background, and the dialogs that of
// their picture: corners see-through, the middle solid, and no half-clear
// pixel that would mix with the window colour into a fringe.
TEST_F(Artwork, ShapedPicturesHaveCleanTransparentOutlines) {
    for (const char* n : {"L1_BackGround", "L2_BackGround", "Msg"}) {
        const QImage img = picture(n).convertToFormat(QImage::Format_ARGB32);
        const int w = img.width(), h = img.height();
        for (const QPoint c :
             {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(qAlpha(img.pixel(c)), 0) << n;
        EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255) << n;
        int partial = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) partial += qAlpha(img.pixel(x, y)) % 255 != 0;
        EXPECT_EQ(partial, 0) << n;
    }
}

// Empty slider slots and the idle web strip show what lies below them.
TEST_F(Artwork, BlankPicturesAreFullyTransparent) {
    for (const char* n : {"Bar1_D", "Bar2_D", "WebS_01"}) {
        const QImage img = picture(n).convertToFormat(QImage::Format_ARGB32);
        bool clear = true;
        for (int y = 0; y < img.height() && clear; ++y)
            for (int x = 0; x < img.width() && clear; ++x) clear = qAlpha(img.pixel(x, y)) == 0;
        EXPECT_TRUE(clear) << n;
    }
    for (const char* n : {"Bar1_E", "Bar2_E", "WebS_02", "WebS_03"}) {
        const QImage img = picture(n);
        EXPECT_NE(img, QImage(img.size(), img.format())) << n;
    }
}

// Each state of a button must look different, or hovering shows nothing.
TEST_F(Artwork, StatesOfAButtonDiffer) {
    for (const char* k : {"SetS", "BtnS", "ExitS", "WebS", "MacroS", "MacroBtnS"}) {
        const QImage a = picture(QString(k) + "_01"), b = picture(QString(k) + "_02"),
                     c = picture(QString(k) + "_03");
        EXPECT_NE(a, b) << k;
        EXPECT_NE(b, c) << k;
        EXPECT_NE(a, c) << k;
    }
    for (const char* k : {"KeyS", "MiniS"})
        EXPECT_NE(picture(QString(k) + "_01"), picture(QString(k) + "_02")) << k;
    for (int g = 1; g <= 7; ++g)
        EXPECT_NE(picture(QStringLiteral("Gun%1_01").arg(g)),
                  picture(QStringLiteral("Gun%1_02").arg(g)))
            << g;
    EXPECT_NE(picture("CbS_D"), picture("CbS_E"));
    EXPECT_NE(picture("RdS_D"), picture("RdS_E"));
}

// Set 2 shares the language-free pictures of set 1 and prints its own words
// on the advanced, lighting and macro pages.
TEST_F(Artwork, SecondSetSharesOnlyTheLanguageFreePictures) {
    for (const char* n : {"BackGround", "Back1", "Back5"})
        EXPECT_EQ(picture(QString("L1_") + n), picture(QString("L2_") + n)) << n;
    for (const char* n : {"Back2", "Back3", "Back4"})
        EXPECT_NE(picture(QString("L1_") + n), picture(QString("L2_") + n)) << n;
}

}  // namespace
