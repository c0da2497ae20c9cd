#pragma once
// Fonts and colours of skinned controls, set one control at a time so that a
// family's size and colour never leak to controls of another family.

#include <QColor>
#include <QString>
#include <QWidget>
#include <optional>

#include "common/shell/LayoutValues.h"

namespace shell {

QColor ToQColor(ColourRef colour);

void SetFontSize(QWidget* control, int points);
void SetFontFamily(QWidget* control, const QString& family);
// Text colour of a label, button, edit, list or combo box.
void SetTextColour(QWidget* control, ColourRef colour);
void SetBackgroundColour(QWidget* control, ColourRef colour);
// Background and one-pixel border of an edit, list or panel, and its text
// colour when one is given.
void SetBoxColours(QWidget* control, std::optional<ColourRef> text, ColourRef background,
                   ColourRef border);

}  // namespace shell
