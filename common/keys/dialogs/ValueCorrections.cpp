#include "common/keys/dialogs/ValueCorrections.h"

#include <optional>

namespace keys {
namespace {

// The field's number, held to +-1e9 so a pasted run of digits cannot overflow;
// nothing for an empty field or a lone minus.
std::optional<long long> NumberOf(const QString& text) {
    const bool negative = text.startsWith(u'-');
    QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    while (digits.size() > 1 && digits.front() == u'0') digits = digits.mid(1);
    if (digits.isEmpty()) return std::nullopt;
    long long value = 0;
    for (const QChar c : digits) {
        if (!c.isDigit()) return std::nullopt;
        value = value * 10 + c.digitValue();
        if (value > 1'000'000'000) break;
    }
    return negative ? -value : value;
}

QString Clamp(const QString& text, long long low, long long high, long long emptyValue) {
    const std::optional<long long> value = NumberOf(text);
    if (!value) return QString::number(emptyValue);
    if (*value < low) return QString::number(low);
    if (*value > high) return QString::number(high);
    return text;
}

}  // namespace

QString CorrectDelay(const QString& text) {
    if (NumberOf(text) == 0) return QStringLiteral("1");
    return Clamp(text, 1, 65535, 1);
}

QString CorrectMovement(const QString& text) {
    if (text == QLatin1String("-")) return text;
    return Clamp(text, -128, 127, 0);
}

QString CorrectRepeatCount(const QString& text) {
    if (NumberOf(text) == 0) return QStringLiteral("1");
    return Clamp(text, 1, 254, 1);
}

}  // namespace keys
