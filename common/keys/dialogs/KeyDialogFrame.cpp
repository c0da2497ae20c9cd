#include "common/keys/dialogs/KeyDialogFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>

#include "common/keys/TextLookup.h"
#include "common/shell/SkinButton.h"
#include "common/shell/SkinLabel.h"
#include "common/shell/SkinPicture.h"
#include "common/shell/SkinStyle.h"
#include "common/shell/TextPass.h"

namespace keys {
namespace {

constexpr int kFieldHeight = 24;
// The tables give only the fields' text colour; the box takes the dark tones
// of the dialog picture.
const QString kFieldStyle = QStringLiteral(
    "QLineEdit#%1 { background-color: #141416; border: 1px solid #3a3b3f; color: %2;"
    " selection-background-color: #963a00; }"
    " QLineEdit#%1:focus { border: 1px solid #f96401; }");

// The window's shape: every pixel the picture leaves in the form colour is cut
// out. Built from runs of kept pixels, row by row.
QRegion ShapeOf(const QPixmap& picture) {
    QImage composed(picture.size(), QImage::Format_ARGB32);
    composed.fill(KeyDialogFrame::kTransparentColour);
    QPainter painter(&composed);
    painter.drawPixmap(0, 0, picture);
    painter.end();
    QRegion shape;
    for (int y = 0; y < composed.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(composed.constScanLine(y));
        int x = 0;
        while (x < composed.width()) {
            while (x < composed.width() && row[x] == KeyDialogFrame::kTransparentColour) ++x;
            const int start = x;
            while (x < composed.width() && row[x] != KeyDialogFrame::kTransparentColour) ++x;
            if (x > start) shape += QRect(start, y, x - start, 1);
        }
    }
    return shape;
}

}  // namespace

KeyDialogFrame::KeyDialogFrame(const DialogSkin& skin, KeyDialogHost& host, DialogKind kind,
                               const Family& family, int confirmTextId, int clearTextId,
                               QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      host_(host),
      store_(skin.store),
      languages_(skin.languages),
      keys_(skin.layout, "ORG" + std::to_string(skin.language),
            "org" + std::to_string(skin.language),
            skin.problems != nullptr ? *skin.problems : ownProblems_),
      kind_(kind) {
    setModal(true);
    setSizeGripEnabled(false);

    QPalette formPalette = palette();
    formPalette.setColor(QPalette::Window, QColor::fromRgb(kTransparentColour));
    setPalette(formPalette);
    setAutoFillBackground(true);

    auto* background = new shell::SkinPicture(this);
    background->setObjectName(QStringLiteral("Img_Msg"));
    shell::ShowPicture(background, QStringLiteral("Msg"), store_);
    background->move(0, 0);
    if (!background->picture().isNull()) {
        setFixedSize(background->picture().size());
        setMask(ShapeOf(background->picture()));
    } else {
        setFixedSize(1000, 660);
    }

    shell::SetFontFamily(this, shell::ToQString(languages_.LanguageText("FontName")));
    shell::SetFontSize(this, keys_.number(family.fontSize));
    textColour_ = keys_.colour(family.textColour);
    fieldColour_ = keys_.colour(family.fieldColour);

    addButton(QStringLiteral("Confirm"), family.confirm, QStringLiteral("BtnS"),
              text(confirmTextId));
    addButton(QStringLiteral("Cancel"), family.clear, QStringLiteral("BtnS"), text(clearTextId));
    addButton(QStringLiteral("Close"), family.close, QStringLiteral("ExitS"), QString());
}

QString KeyDialogFrame::text(int id) const {
    return shell::ToQString(languages_.LanguageText(TextIdName(id)));
}

QPoint KeyDialogFrame::position(const char* prefix) const {
    const std::string p(prefix);
    return QPoint(keys_.number(p + "_X"), keys_.number(p + "_Y"));
}

void KeyDialogFrame::addButton(const QString& name, const char* prefix, const QString& kind,
                               const QString& caption) {
    auto* picture = new shell::SkinPicture(this);
    picture->setObjectName(QStringLiteral("Img_") + name);
    shell::ShowPicture(picture, kind + QStringLiteral("_01"), store_);
    picture->move(position(prefix));

    auto* label = new shell::SkinLabel(this);
    label->setObjectName(QStringLiteral("IB_") + name);
    label->setText(caption);
    label->setCursor(Qt::PointingHandCursor);
    shell::SetTextColour(label, textColour_);
    shell::PlaceOver(label, picture);

    auto* button = new shell::SkinButton(store_, picture, label, kind, true, this);
    // The pressed picture shows while the button is held down as well.
    connect(label, &shell::SkinLabel::pressed, picture, [this, picture, kind] {
        shell::ShowPicture(picture, kind + QStringLiteral("_03"), store_);
    });
    if (name == QLatin1String("Confirm")) {
        connect(button, &shell::SkinButton::clicked, this, &KeyDialogFrame::confirm);
    } else if (name == QLatin1String("Cancel")) {
        connect(button, &shell::SkinButton::clicked, this, &KeyDialogFrame::clear);
    } else {
        connect(button, &shell::SkinButton::clicked, this, &KeyDialogFrame::reject);
    }
}

QLabel* KeyDialogFrame::addCaption(const QString& objectName, const QString& caption,
                                   const char* prefix, bool title) {
    auto* label = new QLabel(caption, this);
    if (title) {
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
    }
    label->setObjectName(objectName);
    label->setAttribute(Qt::WA_TranslucentBackground);
    shell::SetTextColour(label, textColour_);
    label->move(position(prefix));
    label->adjustSize();
    return label;
}

void KeyDialogFrame::placeField(QLineEdit* field, const QString& objectName, const char* prefix) {
    field->setParent(this);
    field->setObjectName(objectName);
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setStyleSheet(kFieldStyle.arg(objectName, shell::ToQColor(fieldColour_).name()));
    const QPoint at = position(prefix);
    field->setGeometry(at.x(), at.y(), keys_.number(std::string(prefix) + "_W"), kFieldHeight);
}

void KeyDialogFrame::centreOverOwner() {
    const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    QRect area;
    if (owner != nullptr) {
        area = owner->frameGeometry();
    } else if (const QScreen* s = screen()) {
        area = s->availableGeometry();
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void KeyDialogFrame::showEvent(QShowEvent* event) {
    if (!opened_) {
        opened_ = true;
        ended_ = false;
        centreOverOwner();
        overlayShown_ = true;
        host_.setDialogOverlay(kind_, true);
        if (QLineEdit* field = focusField()) {
            field->setFocus(Qt::OtherFocusReason);
            // Typing replaces the starting value, as in an edit that is tabbed into.
            if (!field->isReadOnly()) field->selectAll();
        }
    }
    QDialog::showEvent(event);
    activateWindow();
}

void KeyDialogFrame::confirm() {
    if (ended_) return;
    handResultBack();
    done(QDialog::Accepted);
}

void KeyDialogFrame::clear() {
    if (ended_) return;
    clearFields();
    if (QLineEdit* field = focusField()) field->setFocus(Qt::OtherFocusReason);
}

void KeyDialogFrame::reject() {
    done(QDialog::Rejected);
}

void KeyDialogFrame::done(int result) {
    ended_ = true;
    opened_ = false;
    if (overlayShown_) {
        overlayShown_ = false;
        host_.setDialogOverlay(kind_, false);
    }
    QDialog::done(result);
}

}  // namespace keys
