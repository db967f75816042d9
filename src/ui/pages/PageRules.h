#pragma once

#include <QString>
#include <cstdint>

namespace zek {

// Number read from a numeric edit: an empty or invalid text counts as 0; a value
// beyond the field's range is held at its end.
std::uint16_t ReadU16(const QString& text);
std::int32_t ReadInt32(const QString& text);

// ---- k value of the cabinet wall -------------------------------------------------

inline constexpr int kKWertMaxLength = 5;

// "%5.1f" with a decimal comma and without the leading blanks: 5.5 -> "5,5".
QString FormatKWert(double kWert);

// At most one comma, at most one digit after it, and before it nothing or a
// non-negative integer.
bool IsValidKWertText(const QString& text);

struct KWertEditState {
    QString text;
    int cursor = 0;
    int beeps = 0;
};

// Mends the text of the k-value edit after a change: cut to 5 characters; an invalid
// text loses the character before the caret (with a beep), at most twice; a text that
// is still invalid is emptied.
KWertEditState CheckKWertText(const QString& text, int cursor);

// The k value of an edit text: "5,5" -> 5.5, "12," -> 12.0, ",5" -> 0.5, "" -> 0.0.
double ParseKWert(const QString& text);

// ---- spin fields -------------------------------------------------------------------

// A spin field's text as a value: above the upper bound reads as the upper bound, below
// the lower bound as the lower bound; a text that is not an integer reads as 0 when the
// range holds 0, else as the lower bound.
int ReadSpinText(const QString& text, int lower, int upper);

// A temperature pair is reversed when its maximum lies below its minimum.
inline bool PairReversed(std::int32_t maximum, std::int32_t minimum) {
    return maximum < minimum;
}

// ---- language codes of the options -------------------------------------------------

// "zkdeu" -> 0, "zkeng" -> 1, "zkfra" -> 2; anything else -> -1.
int LanguageItem(const std::string& code);
// 0..2 -> the code; anything else -> "zkdeu".
std::string LanguageCode(int item);

} // namespace zek
