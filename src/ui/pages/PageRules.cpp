#include "ui/pages/PageRules.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace zek {

namespace {

bool allDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

// Optional sign and digits only; out of range texts are clamped, not rejected.
bool readLongLong(const QString& text, long long& value) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    const bool negative = t.startsWith(QLatin1Char('-'));
    const QString digits = (negative || t.startsWith(QLatin1Char('+'))) ? t.mid(1) : t;
    if (digits.isEmpty() || !allDigits(digits))
        return false;
    bool ok = false;
    value = digits.toLongLong(&ok);
    if (!ok)
        value = std::numeric_limits<long long>::max();
    if (negative)
        value = -value;
    return true;
}

} // namespace

std::uint16_t ReadU16(const QString& text) {
    long long v = 0;
    if (!readLongLong(text, v) || v < 0)
        return 0;
    return v > 65535 ? std::uint16_t(65535) : static_cast<std::uint16_t>(v);
}

std::int32_t ReadInt32(const QString& text) {
    long long v = 0;
    if (!readLongLong(text, v))
        return 0;
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

QString FormatKWert(double kWert) {
    if (!std::isfinite(kWert))
        return QString();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%5.1f", kWert);
    return QString::fromLatin1(buffer).trimmed().replace(QLatin1Char('.'), QLatin1Char(','));
}

bool IsValidKWertText(const QString& text) {
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    QString before = text;
    if (comma >= 0) {
        const QString after = text.mid(comma + 1);
        if (after.contains(QLatin1Char(',')) || after.size() > 1 || !allDigits(after))
            return false;
        before = text.left(comma);
    }
    return allDigits(before);
}

KWertEditState CheckKWertText(const QString& text, int cursor) {
    KWertEditState s{text.left(kKWertMaxLength), std::min(cursor, kKWertMaxLength), 0};
    for (int attempt = 0; attempt < 2 && !IsValidKWertText(s.text); ++attempt) {
        if (s.cursor <= 0)
            break;
        s.text.remove(s.cursor - 1, 1);
        --s.cursor;
        ++s.beeps;
    }
    if (!IsValidKWertText(s.text)) {
        s.text.clear();
        s.cursor = 0;
    }
    return s;
}

double ParseKWert(const QString& text) {
    QString t = text;
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    if (comma < 0)
        return double(ReadInt32(t));
    const QString fraction = t.mid(comma + 1);
    double value = double(ReadInt32(t.left(comma)));
    if (!fraction.isEmpty())
        value += double(ReadInt32(fraction)) / std::pow(10.0, double(fraction.size()));
    return value;
}

int ReadSpinText(const QString& text, int lower, int upper) {
    long long v = 0;
    if (!readLongLong(text, v))
        return (lower <= 0 && upper >= 0) ? 0 : lower;
    if (v > upper)
        return upper;
    if (v < lower)
        return lower;
    return static_cast<int>(v);
}

int LanguageItem(const std::string& code) {
    if (code == "zkdeu")
        return 0;
    if (code == "zkeng")
        return 1;
    if (code == "zkfra")
        return 2;
    return -1;
}

std::string LanguageCode(int item) {
    switch (item) {
    case 1:
        return "zkeng";
    case 2:
        return "zkfra";
    default:
        return "zkdeu";
    }
}

} // namespace zek
