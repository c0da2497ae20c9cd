// Advanced page (gbPage2): the DPI level rows, the AIM DPI row, the report
// rate options and the pointer sliders and switches; AdvancedSettings gives
// them their behaviour. The fire key edit boxes are created here because the
// creation sequence aligns them.
#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>

#include "common/shell/SkinLabel.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

namespace {

QString N(int n) {
    return QString::number(n);
}

// A hidden radio button or check box that carries a skinned option's state.
template <class Button>
void HiddenMark(QWidget* page, const QString& name) {
    auto* b = new Button(page);
    b->setObjectName(name);
    b->setAutoExclusive(false);
    b->hide();
}

void Slider(QWidget* page, const QString& pictureBase, int count, const QString& labelBase = {}) {
    for (int k = 1; k <= count; ++k) {
        Picture(page, pictureBase + N(k));
        if (!labelBase.isEmpty()) Label(page, labelBase + N(k), N(k))->resize(16, 14);
    }
}

}  // namespace

void BuildAdvancedPage(QWidget* page) {
    for (int k = 1; k <= 3; ++k) {
        NumberEdit(page, QStringLiteral("Edt_Repeat%1").arg(k))->hide();
        NumberEdit(page, QStringLiteral("Edt_DelayTime%1").arg(k))->hide();
    }
    for (int n = 1; n <= 8; ++n) {
        const QString level = "DPI" + N(n);
        Label(page, "lbl_" + level, level)->resize(60, 20);
        Picture(page, "Img_" + level);
        HiddenMark<QRadioButton>(page, "rb_" + level);
        Slider(page, "Img_" + level + "_", 12);
        Label(page, "lbl_" + level + "Value")->resize(60, 20);
        auto* swatch = new QFrame(page);
        swatch->setObjectName("cs_" + level + "Col");
        Picture(page, "Img_" + level + "Col");
        Label(page, "lbl_" + level + "Col");
    }
    Label(page, QStringLiteral("lbl_AIMDPI"), QStringLiteral("AIMDPI"))->resize(60, 20);
    Slider(page, QStringLiteral("Img_AIMDPI_"), 12);
    Label(page, QStringLiteral("lbl_AIMDPIValue"))->resize(60, 20);
    for (int k = 1; k <= 4; ++k) {
        Picture(page, "Img_Rep" + N(k));
        Label(page, "lbl_Rep" + N(k))->resize(90, 20);
        HiddenMark<QRadioButton>(page, "rb_Rep" + N(k));
    }
    for (const char* base : {"Spd", "DbSpd", "ScrSpd"}) {
        Slider(page, QStringLiteral("Img_%1").arg(QLatin1String(base)), 11,
               QStringLiteral("lbl_%1").arg(QLatin1String(base)));
    }
    for (const char* name : {"IsControl", "IsScreen"}) {
        Picture(page, QStringLiteral("Img_%1").arg(QLatin1String(name)));
        Label(page, QStringLiteral("lbl_%1").arg(QLatin1String(name)))->resize(200, 20);
        HiddenMark<QCheckBox>(page, QStringLiteral("cb_%1").arg(QLatin1String(name)));
    }
}

}  // namespace orvandesk::pages
