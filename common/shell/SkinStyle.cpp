#include "common/shell/SkinStyle.h"

#include <QFont>
#include <QPalette>

namespace shell {

QColor ToQColor(ColourRef colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

void SetFontSize(QWidget* control, int points) {
    if (control == nullptr || points <= 0) return;
    QFont font = control->font();
    font.setPointSize(points);
    control->setFont(font);
}

void SetFontFamily(QWidget* control, const QString& family) {
    if (control == nullptr || family.isEmpty()) return;
    QFont font = control->font();
    font.setFamily(family);
    control->setFont(font);
}

void SetTextColour(QWidget* control, ColourRef colour) {
    if (control == nullptr) return;
    QPalette palette = control->palette();
    const QColor c = ToQColor(colour);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::ButtonText, c);
    control->setPalette(palette);
}

void SetBackgroundColour(QWidget* control, ColourRef colour) {
    if (control == nullptr) return;
    QPalette palette = control->palette();
    const QColor c = ToQColor(colour);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Button, c);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void SetBoxColours(QWidget* control, std::optional<ColourRef> text, ColourRef background,
                   ColourRef border) {
    if (control == nullptr) return;
    if (text) SetTextColour(control, *text);
    SetBackgroundColour(control, background);
    // Only this control, by name, so children keep their own look.
    const QString selector = control->objectName().isEmpty()
                                 ? QString::fromLatin1(control->metaObject()->className())
                                 : QStringLiteral("#") + control->objectName();
    QString rule = QStringLiteral("background-color: %1; border: 1px solid %2;")
                       .arg(ToQColor(background).name(), ToQColor(border).name());
    if (text) rule += QStringLiteral(" color: %1;").arg(ToQColor(*text).name());
    control->setStyleSheet(QStringLiteral("%1 { %2 }").arg(selector, rule));
}

}  // namespace shell
