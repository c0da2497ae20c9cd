#include "ShellFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include "common/shell/Controls.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"

namespace shelltest {

namespace {

QString N(int n) {
    return QString::number(n);
}

template <class T>
T* Make(QWidget* parent, const QString& name) {
    auto* w = new T(parent);
    w->setObjectName(name);
    return w;
}

void Pair(QWidget* page, const QString& picture, const QString& label) {
    Make<shell::SkinPicture>(page, picture);
    Make<shell::SkinLabel>(page, label);
}

}  // namespace

std::unique_ptr<QWidget> MakeFixtureWindow() {
    auto window = std::make_unique<QWidget>();
    window->setObjectName("TForm1");
    window->resize(1030, 662);
    QWidget* pages[7] = {};
    for (int p = 1; p <= 6; ++p) {
        pages[p] = Make<QWidget>(window.get(), "gbPage" + N(p));
        pages[p]->resize(1030, 662);
        Make<shell::SkinPicture>(pages[p], "Img_Base_" + N(p));
    }
    for (int n = 1; n <= 5; ++n) {
        for (const char* base :
             {"Main", "Switch", "Fixed", "Adv", "Macro", "Save", "Load", "Lang1", "Lang2", "Lang3",
              "Mini", "Exit1", "Confirm1", "Confirm2", "Engineer", "Web"}) {
            Pair(pages[n], QString("Img_%1_%2").arg(base).arg(n),
                 QString("Btn_%1_%2").arg(base).arg(n));
        }
        Make<QLabel>(pages[n], "Disable_All_" + N(n));
    }
    for (int k = 1; k <= 3; ++k) Make<QRadioButton>(window.get(), "rb_Lang" + N(k))->hide();

    QWidget* keys = pages[1];
    Make<shell::SkinPicture>(keys, "Img_P1");
    for (int k = 1; k <= 12; ++k) Pair(keys, "Img_Key" + N(k), "Key" + N(k));
    for (int k = 1; k <= 8; ++k) Pair(keys, "Img_ComboKey" + N(k), "IB_ComboKey" + N(k));
    auto* menu = Make<QWidget>(keys, "Pnl_Main");
    menu->resize(100, 170);
    Make<QLabel>(menu, "Key_Left")->resize(50, 24);
    Make<QLabel>(menu, "ST_Special")->move(10, 24);

    QWidget* adv = pages[2];
    Make<shell::SkinPicture>(adv, "Img_P2");
    for (int i = 1; i <= 12; ++i) Make<shell::SkinPicture>(adv, "Img_DPI1_" + N(i));
    Make<QLabel>(adv, "lbl_DPI1")->setText("DPI1");
    Make<QLabel>(adv, "lbl_DPI1Value");
    for (int i = 1; i <= 11; ++i) {
        Make<shell::SkinPicture>(adv, "Img_Spd" + N(i));
        Make<QLabel>(adv, "lbl_Spd" + N(i))->setText(N(i));
    }
    Make<QLineEdit>(adv, "Edt_Repeat1");
    Pair(adv, "Img_Rep1", "lbl_Rep1");

    QWidget* macro = pages[4];
    Make<shell::SkinPicture>(macro, "Img_P4");
    Pair(macro, "Img_New", "Btn_New");
    Make<QComboBox>(macro, "CB_Insert");
    Make<QGroupBox>(macro, "Gb_Delay");

    QWidget* fire = pages[6];
    Make<shell::SkinPicture>(fire, "Img_P6");
    for (int k = 1; k <= 2; ++k) Pair(fire, "Img_Fire" + N(k), "Btn_Fire" + N(k));
    Pair(fire, "Img_FireConfirm", "Btn_FireConfirm");
    Make<QLineEdit>(fire, "Edt_FireCnt1");
    auto* fireDelay = Make<QGroupBox>(fire, "GB_FireDelay");
    Make<QLineEdit>(fireDelay, "Edt_FireDelay");
    return window;
}

QByteArray Utf16Resource(const QString& text) {
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

namespace {

// Encoding the pictures is the slow part of a fixture; do it once per run.
struct PictureCache {
    shell::ResourceStore store{QStringLiteral(":/none")};
    QStringList names;
    void add(const QString& name, const QImage& image) {
        store.insertImage(name, image);
        names << name;
    }
};

void FillPictures(PictureCache& store);

}  // namespace

void FillFixtureResources(shell::ResourceStore& store) {
    static PictureCache* cache = [] {
        auto* c = new PictureCache;
        FillPictures(*c);
        return c;
    }();
    for (const QString& name : cache->names) store.insert(name, *cache->store.data(name));
    for (int n = 1; n <= 3; ++n) {
        QFile file(QString(":/shelltest/lang%1.txt").arg(n));
        if (file.open(QIODevice::ReadOnly)) {
            store.insert(QString("LANG%1").arg(n),
                         Utf16Resource(QString::fromUtf8(file.readAll())));
        }
    }
}

namespace {

void FillPictures(PictureCache& store) {
    struct Picture {
        const char* name;
        int w, h;
    };
    const Picture sizes[] = {
        {"SetS", 100, 30}, {"BtnS", 110, 27}, {"KeyS", 170, 27},   {"ExitS", 18, 18},
        {"MiniS", 18, 18}, {"WebS", 200, 66}, {"MacroS", 110, 27}, {"MacroBtnS", 44, 27},
    };
    for (const auto& p : sizes) {
        for (int s = 1; s <= 3; ++s) {
            QImage image(p.w, p.h, QImage::Format_ARGB32);
            image.fill(QColor(40 * s, 40, 40));
            store.add(QString("%1_0%2").arg(p.name).arg(s), image);
        }
    }
    const Picture single[] = {
        {"CbS_D", 16, 16},
        {"CbS_E", 16, 16},
        {"RdS_D", 15, 15},
        {"RdS_E", 15, 15},
        {"Bar1_D", 26, 18},
        {"Bar1_E", 26, 18},
        {"Bar2_D", 20, 18},
        {"Bar2_E", 20, 18},
        {"Col_F", 32, 40},
        {"Update", 540, 102},
        {"L1_BackGround", 1030, 662},
        {"L2_BackGround", 1030, 662},
        {"L3_BackGround", 23, 4},
    };
    for (const auto& p : single) {
        QImage image(p.w, p.h, QImage::Format_ARGB32);
        image.fill(Qt::darkGray);
        store.add(p.name, image);
    }
    for (int set = 1; set <= 3; ++set) {
        const QSize sizes5[] = {{680, 380}, {800, 374}, {801, 375}, {800, 374}, {720, 650}};
        for (int p = 1; p <= 5; ++p) {
            QImage image(set == 3 ? QSize(23, 4) : sizes5[p - 1], QImage::Format_ARGB32);
            image.fill(Qt::black);
            store.add(QString("L%1_Back%2").arg(set).arg(p), image);
        }
    }
    for (int k = 1; k <= 7; ++k) {
        for (int s = 1; s <= 2; ++s) {
            QImage image(120, 56, QImage::Format_ARGB32);
            image.fill(Qt::gray);
            store.add(QString("Gun%1_0%2").arg(k).arg(s), image);
        }
    }
}

}  // namespace

SkinFixture::SkinFixture(const std::function<void(shell::ResourceStore&)>& tweak)
    : window(MakeFixtureWindow()) {
    FillFixtureResources(store);
    if (tweak) tweak(store);
    skin = std::make_unique<shell::Skin>(window.get(), store, host);
    skin->LoadSkinBackground();
    skin->LoadDefaultSkinImages();
    skin->ReadOrgTable();
    skin->LoadLanguageTables();
    skin->AttachStateImages();
    skin->ApplyLayoutAndTexts();
    skin->SwitchLanguage(1);
}

QWidget* SkinFixture::find(const QString& name) const {
    return skin->controls().find(name);
}

QString SkinFixture::picture(const QString& name) const {
    return shell::PictureNameOf(find(name));
}

QString SkinFixture::caption(const QString& name) const {
    return shell::CaptionOf(find(name));
}

}  // namespace shelltest
