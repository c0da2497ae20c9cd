#pragma once
// The self-correcting value fields of the macro step dialogs. Each function
// takes the field's text after a change and returns what the field must show;
// the text itself when it is in range. The fields' key filters let only digits
// (and for X and Y one leading minus) in, so the texts are numbers or empty.

#include <QString>

namespace keys {

// Pause in milliseconds: empty or 0 becomes 1; above 65535 becomes 65535.
QString CorrectDelay(const QString& text);
// Pointer move: empty becomes 0; 128 or more 127; below -128 -128. A lone
// "-" stays, so a negative number can be typed.
QString CorrectMovement(const QString& text);
// Repeat count: empty or 0 becomes 1; above 254 becomes 254.
QString CorrectRepeatCount(const QString& text);

}  // namespace keys
