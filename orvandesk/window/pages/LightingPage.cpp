// Lighting page (gbPage3): the six effect options with their hidden radio
// buttons, the ten-position step-time slider, the ten colour swatches of the
// colour table, the key-set colour and button effect choices (the key-set
// switch reads them too), and the edit boxes behind the values. The layout
// pass places the options, slider and swatches; the rest sit below the
// colour table.
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "orvandesk/window/pages/Pages.h"

namespace orvandesk::pages {

namespace {

QString N(int n) {
    return QString::number(n);
}

const QString kChoiceStyle = QStringLiteral(
    "QComboBox { background-color: #1E1F23; color: #E1E1E1; border: 1px solid #3A3B3F;"
    " border-radius: 3px; padding: 2px 8px; }"
    "QComboBox:hover { border-color: #FF8A1F; }"
    "QComboBox::drop-down { border: none; width: 18px; }"
    "QComboBox QAbstractItemView { background-color: #1E1F23; color: #E1E1E1;"
    " selection-background-color: #015385; border: 1px solid #3A3B3F; }");

QComboBox* Choice(QWidget* page, const QString& name, const QString& labelName, int y) {
    auto* label = Label(page, labelName);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setGeometry(520, y, 175, 24);
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->setStyleSheet(kChoiceStyle);
    combo->setGeometry(700, y, 160, 24);
    return combo;
}

// The values as numbers only; their limits are applied by the handlers.
void NumberBox(QWidget* page, const QString& name, int digits) {
    QLineEdit* e = NumberEdit(page, name);
    e->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(digits)), e));
    e->hide();
}

}  // namespace

void BuildLightingPage(QWidget* page) {
    for (int k = 1; k <= 6; ++k) {
        Picture(page, "Img_LED" + N(k));
        // Blank: the effect names are printed in the page picture.
        Label(page, "lbl_LED" + N(k))->resize(300, 20);
        auto* rb = new QRadioButton(page);
        rb->setObjectName("rb_LED" + N(k));
        rb->hide();
    }
    for (int p = 1; p <= 10; ++p) Picture(page, "Img_Fall" + N(p));
    for (int k = 1; k <= 10; ++k) {
        // The colour under its frame, the click label over both.
        auto* shape = new QFrame(page);
        shape->setObjectName("cs_Col" + N(k));
        Picture(page, "Img_Col" + N(k));
        Label(page, "lbl_Col" + N(k))->setCursor(Qt::PointingHandCursor);
        for (const char* c : {"R", "G", "B"}) NumberBox(page, "edt_Col" + N(k) + c, 3);
    }
    NumberBox(page, QStringLiteral("edt_StepTime"), 3);
    for (const char* name : {"edt_Lower", "edt_Upper", "edt_LowerTime", "edt_UpperTime"})
        NumberBox(page, QString::fromLatin1(name), 5);

    // Item texts follow the language; the lighting page sets them.
    auto* colour =
        Choice(page, QStringLiteral("cb_ProfileColor"), QStringLiteral("lbl_ProfileColor"), 436);
    for (int c = 1; c <= 10; ++c) colour->addItem(QStringLiteral("Color %1").arg(c));
    colour->addItem(QStringLiteral("Fixed Color"));
    auto* effect = Choice(page, QStringLiteral("cb_BtnEFT"), QStringLiteral("lbl_BtnEFT"), 470);
    effect->addItems({QStringLiteral("Off"), QStringLiteral("On")});
}

}  // namespace orvandesk::pages
