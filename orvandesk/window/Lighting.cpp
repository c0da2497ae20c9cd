#include "orvandesk/window/Lighting.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>

#include "common/shell/Skin.h"
#include "common/shell/SkinControls.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/TermTable.h"
#include "orvandesk/image/ImageLayout.h"
#include "orvandesk/window/DeviceSession.h"
#include "orvandesk/window/MainWindow.h"

namespace orvandesk {

namespace lr = orvan::lighting;
namespace field = orvan::field;

namespace {

QString N(int n) {
    return QString::number(n);
}

const char* const kComponents[3] = {"R", "G", "B"};

struct BreathEdit {
    std::size_t offset;
    const char* name;
};
constexpr BreathEdit kBreathEdits[] = {{field::BreathLower, "edt_Lower"},
                                       {field::BreathUpper, "edt_Upper"},
                                       {field::BreathLowerTime, "edt_LowerTime"},
                                       {field::BreathUpperTime, "edt_UpperTime"}};

// The fixed-colour entry of cb_ProfileColor, sent as colour 15.
constexpr int kFixedColourItem = 10;

// Captions of the key-set colour and button effect choices. The English
// wording is the engineering page's; the language tables have no ids for them.
struct ChoiceTexts {
    QString colourCaption, effectCaption, colour, fixedColour, off, on;
};

ChoiceTexts TextsFor(int language) {
    if (language == 2) {
        return {QString::fromUtf8("Цвет режима:"), QString::fromUtf8("Эффект кнопок:"),
                QString::fromUtf8("Цвет %1"),      QString::fromUtf8("Заданный цвет"),
                QString::fromUtf8("Выкл."),        QString::fromUtf8("Вкл.")};
    }
    auto term = [](int id) {
        return QString::fromStdString(shell::TermText(id, shell::TermLanguage::English));
    };
    return {term(134), term(109), QStringLiteral("Color %1"), term(125), term(110), term(111)};
}

}  // namespace

LightingPage::LightingPage(TForm1& window) : QObject(&window), w_(window) {
    const shell::ResourceStore& store = w_.skin().store();
    QList<QWidget*> positions;
    for (int p = 1; p <= lr::kStepPositions; ++p) positions.append(w_.control("Img_Fall" + N(p)));
    slider_ = new shell::SkinSlider(store, positions, QStringLiteral("Bar1_E"),
                                    QStringLiteral("Bar1_D"), shell::SkinSlider::Style::Knob, this);
    slider_->setPosition(1);
    radios_ = new QButtonGroup(this);
    for (int k = 1; k <= lr::kOptionCount; ++k) {
        if (auto* rb = w_.control<QAbstractButton>("rb_LED" + N(k))) radios_->addButton(rb, k);
        shell::ShowPicture(w_.control("Img_LED" + N(k)), QStringLiteral("RdS_D"), store);
    }
    picker_ = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor c = QColorDialog::getColor(initial, &w_);
        if (!c.isValid()) return std::nullopt;
        return c;
    };
    connectControls();
    RefreshCaptions();
}

LightingPage::~LightingPage() = default;

void LightingPage::connectControls() {
    for (int k = 1; k <= lr::kOptionCount; ++k) {
        if (auto* l = w_.control<shell::SkinLabel>("lbl_LED" + N(k)))
            connect(l, &shell::SkinLabel::clicked, this, [this, k] { RGBMode_OnClick(k); });
    }
    connect(slider_, &shell::SkinSlider::positionClicked, this, &LightingPage::FallTime_OnClick);
    for (int k = 1; k <= lr::kColourCount; ++k) {
        if (auto* l = w_.control<shell::SkinLabel>("lbl_Col" + N(k)))
            connect(l, &shell::SkinLabel::clicked, this, [this, k] { lbl_ColClick(k); });
        for (int c = 0; c < 3; ++c) {
            if (QLineEdit* e = colourEdit(k, c))
                connect(e, &QLineEdit::textChanged, this, [this, k, c] { edt_ColChange(k, c); });
        }
    }
    if (QLineEdit* e = edit(QStringLiteral("edt_StepTime")))
        connect(e, &QLineEdit::textChanged, this, &LightingPage::edt_StepTimeChange);
    for (const BreathEdit& b : kBreathEdits) {
        if (QLineEdit* e = edit(QString::fromLatin1(b.name)))
            connect(e, &QLineEdit::textChanged, this, [this, b] { edt_BreathChange(b.offset); });
    }
    // Only the user's choices write; values put on the window do not.
    if (auto* c = w_.control<QComboBox>(QStringLiteral("cb_ProfileColor")))
        connect(c, &QComboBox::activated, this, &LightingPage::cb_ProfileColorChange);
    if (auto* c = w_.control<QComboBox>(QStringLiteral("cb_BtnEFT")))
        connect(c, &QComboBox::activated, this, &LightingPage::cb_BtnEFTChange);
}

QLineEdit* LightingPage::edit(const QString& name) const {
    return w_.control<QLineEdit>(name);
}

QLineEdit* LightingPage::colourEdit(int k, int component) const {
    return edit(QStringLiteral("edt_Col%1%2").arg(k).arg(QLatin1String(kComponents[component])));
}

bool LightingPage::loading() const {
    return w_.imageLoading();
}

void LightingPage::send(std::size_t offset, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t n) {
    if (loading()) return;
    w_.session().device().WriteLiveBytes(static_cast<uint8_t>(offset), d0, d1, d2, n);
}

void LightingPage::setOverlay(bool shown) {
    if (QWidget* o = w_.control(QStringLiteral("Disable_All_3"))) {
        o->setVisible(shown);
        if (shown) o->raise();
    }
}

void LightingPage::setEditQuietly(QLineEdit* e, int value) {
    if (e == nullptr) return;
    const QSignalBlocker block(e);
    e->setText(QString::number(value));
}

std::optional<int> LightingPage::heldValue(QLineEdit* e, int limit) {
    if (e == nullptr) return std::nullopt;
    bool ok = false;
    const int typed = e->text().toInt(&ok);
    if (!ok) return std::nullopt;
    const int value = lr::Clamp(typed, limit);
    if (value != typed) setEditQuietly(e, value);
    return value;
}

void LightingPage::showOption(int option) {
    if (auto* rb = radios_->button(option)) rb->setChecked(true);
    for (int k = 1; k <= lr::kOptionCount; ++k) {
        shell::ShowPicture(w_.control("Img_LED" + N(k)),
                           k == option ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"),
                           w_.skin().store());
    }
}

void LightingPage::paintSwatch(int k) {
    QWidget* shape = w_.control("cs_Col" + N(k));
    if (shape == nullptr) return;
    const auto& d = w_.image().data;
    const std::size_t at = orvan::ColourOffset(static_cast<std::size_t>(k));
    const QColor c(d[at], d[at + 1], d[at + 2]);
    shape->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid %1;").arg(c.name()));
}

void LightingPage::refreshColourItems() {
    auto* combo = w_.control<QComboBox>(QStringLiteral("cb_ProfileColor"));
    if (combo == nullptr) return;
    const auto& d = w_.image().data;
    for (int k = 1; k <= lr::kColourCount && k <= combo->count(); ++k) {
        const std::size_t at = orvan::ColourOffset(static_cast<std::size_t>(k));
        QPixmap swatch(12, 12);
        swatch.fill(QColor(d[at], d[at + 1], d[at + 2]));
        combo->setItemIcon(k - 1, QIcon(swatch));
    }
}

void LightingPage::RefreshCaptions() {
    const ChoiceTexts t = TextsFor(w_.languageNumber());
    if (auto* l = w_.control<QLabel>(QStringLiteral("lbl_ProfileColor")))
        l->setText(t.colourCaption);
    if (auto* l = w_.control<QLabel>(QStringLiteral("lbl_BtnEFT"))) l->setText(t.effectCaption);
    if (auto* combo = w_.control<QComboBox>(QStringLiteral("cb_ProfileColor"))) {
        for (int k = 1; k <= lr::kColourCount && k <= combo->count(); ++k)
            combo->setItemText(k - 1, t.colour.arg(k));
        if (combo->count() > kFixedColourItem) combo->setItemText(kFixedColourItem, t.fixedColour);
    }
    if (auto* combo = w_.control<QComboBox>(QStringLiteral("cb_BtnEFT"));
        combo && combo->count() == 2) {
        combo->setItemText(0, t.off);
        combo->setItemText(1, t.on);
    }
}

void LightingPage::RefreshLighting() {
    const auto& d = w_.image().data;
    // The values behind the page, without their change handlers.
    for (const BreathEdit& b : kBreathEdits)
        setEditQuietly(edit(QString::fromLatin1(b.name)), d[b.offset] << 8 | d[b.offset + 1]);
    setEditQuietly(edit(QStringLiteral("edt_StepTime")), d[field::BreathStepTime]);
    for (int k = 1; k <= lr::kColourCount; ++k) {
        const std::size_t at = orvan::ColourOffset(static_cast<std::size_t>(k));
        for (int c = 0; c < 3; ++c)
            setEditQuietly(colourEdit(k, c), d[at + static_cast<std::size_t>(c)]);
    }

    slider_->setStyle(shell::SkinSlider::StyleOf(w_.skin().org().dpiLedStatus));
    slider_->setPosition(lr::StepPosition(d[field::BreathStepTime]));

    const uint8_t ledMode = d[field::LedMode];
    ledType_.ShowFrom(ledMode);
    const orvan::LedType type = ledType_.type();
    const auto shown = lr::OptionsShown(type, d[field::LedEffectEnable]);
    for (int k = 1; k <= lr::kOptionCount; ++k) {
        for (const QString& name : {"Img_LED" + N(k), "lbl_LED" + N(k)}) {
            if (QWidget* x = w_.control(name))
                x->setVisible(shown[static_cast<std::size_t>(k - 1)]);
        }
    }
    const int effect = ledMode & 0x0F;
    // An effect the type does not define leaves the options as they were.
    if (lr::EffectDefined(type, effect)) {
        const int option = effect + 1;
        if (auto* rb = radios_->button(option)) rb->setChecked(true);
        const int repainted = type == orvan::LedType::Sync ? 3 : lr::kOptionCount;
        for (int k = 1; k <= repainted; ++k) {
            shell::ShowPicture(w_.control("Img_LED" + N(k)),
                               k == option ? QStringLiteral("RdS_E") : QStringLiteral("RdS_D"),
                               w_.skin().store());
        }
        slider_->setEnabled(effect != 0);
    }

    const bool colours = type != orvan::LedType::Sync;
    for (int k = 1; k <= lr::kColourCount; ++k) {
        for (const QString& name : {"cs_Col" + N(k), "Img_Col" + N(k), "lbl_Col" + N(k)}) {
            if (QWidget* x = w_.control(name)) x->setVisible(colours);
        }
        if (colours) paintSwatch(k);
    }
    refreshColourItems();
}

void LightingPage::RGBMode_OnClick(int option) {
    if (option < 1 || option > lr::kOptionCount) return;
    setOverlay(true);
    if (auto* bre = w_.control<QComboBox>(QStringLiteral("cb_BreMode"))) {
        const QSignalBlocker block(bre);
        bre->setCurrentIndex(option - 1);
    }
    showOption(option);
    slider_->setEnabled(option != 1);
    // The type and count bits are the image's; the effect number is the option's.
    send(field::LedMode, lr::LedModeForOption(w_.image().data[field::LedMode], option));
    setOverlay(false);
}

void LightingPage::FallTime_OnClick(int position) {
    if (position < 1 || position > lr::kStepPositions) return;
    setOverlay(true);
    slider_->setPosition(position);
    auto& d = w_.image().data;
    if (!loading()) {
        d[field::BreathStepTime] = lr::StepTimeOfPosition(position);
        send(field::BreathStepTime, d[field::BreathStepTime]);
    }
    // A changed text runs the edit's handler, which sends the byte again.
    if (QLineEdit* e = edit(QStringLiteral("edt_StepTime"))) {
        const QString text = QString::number(d[field::BreathStepTime]);
        if (e->text() != text) e->setText(text);
    }
    setOverlay(false);
}

void LightingPage::edt_StepTimeChange() {
    w_.HideAllMenu();
    const std::optional<int> v =
        heldValue(edit(QStringLiteral("edt_StepTime")), lr::kStepTimeLimit);
    if (!v || loading()) return;
    slider_->setPosition(lr::StepPosition(*v));
    send(field::BreathStepTime, static_cast<uint8_t>(*v));
}

void LightingPage::edt_BreathChange(std::size_t offset) {
    w_.HideAllMenu();
    for (const BreathEdit& b : kBreathEdits) {
        if (b.offset != offset) continue;
        const std::optional<int> v =
            heldValue(edit(QString::fromLatin1(b.name)), lr::BreathLimit(offset));
        if (!v) return;
        send(offset, static_cast<uint8_t>(*v >> 8), static_cast<uint8_t>(*v & 0xFF), 0, 2);
    }
}

void LightingPage::edt_ColChange(int k, int component) {
    w_.HideAllMenu();
    const std::optional<int> v = heldValue(colourEdit(k, component), lr::kColourLimit);
    if (!v) return;
    const std::size_t at =
        orvan::ColourOffset(static_cast<std::size_t>(k)) + static_cast<std::size_t>(component);
    send(at, static_cast<uint8_t>(*v));
    w_.image().data[at] = static_cast<uint8_t>(*v);
    paintSwatch(k);
    refreshColourItems();
}

void LightingPage::lbl_ColClick(int k) {
    if (loading() || k < 1 || k > lr::kColourCount) return;
    setOverlay(true);
    const auto& d = w_.image().data;
    const std::size_t at = orvan::ColourOffset(static_cast<std::size_t>(k));
    const std::optional<QColor> chosen = picker_(QColor(d[at], d[at + 1], d[at + 2]));
    if (chosen) {
        if (QWidget* shape = w_.control("cs_Col" + N(k))) {
            shape->setStyleSheet(
                QStringLiteral("background-color: %1; border: 1px solid %1;").arg(chosen->name()));
        }
        const int rgb[3] = {chosen->red(), chosen->green(), chosen->blue()};
        for (int c = 0; c < 3; ++c) {
            if (QLineEdit* e = colourEdit(k, c)) e->setText(QString::number(rgb[c]));
        }
        send(at, static_cast<uint8_t>(rgb[0]), static_cast<uint8_t>(rgb[1]),
             static_cast<uint8_t>(rgb[2]), 3);
    }
    setOverlay(false);
}

void LightingPage::cb_ProfileColorChange(int index) {
    if (loading() || index < 0) return;
    w_.HideAllMenu();
    // The low nibble keeps the key set the mouse was last switched to.
    const uint8_t set = w_.image().working[field::ProfileSelect] & 0x0F;
    const int colour = index == kFixedColourItem ? 15 : index;
    const auto value = static_cast<uint8_t>((colour & 0x0F) << 4 | (set & 0x0F));
    w_.image().data[field::ProfileSelect] = value;
    send(field::ProfileSelect, value);
}

void LightingPage::cb_BtnEFTChange(int index) {
    if (loading() || index < 0) return;
    w_.HideAllMenu();
    const bool gunSet =
        (w_.image().working[field::ProfileSelect] & 0x0F) == 1 && w_.skin().org().gunDisplay();
    const auto value = static_cast<uint8_t>(index + (gunSet ? 4 : 0));
    w_.image().data[field::ButtonFlash] = value;
    send(field::ButtonFlash, value);
}

}  // namespace orvandesk
