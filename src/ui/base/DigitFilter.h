#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace zek {

// Result of filtering the text of a numeric edit after a change.
struct FilteredText {
    QString text;
    int cursor = 0;
    bool beep = false; // something was removed
};

// Keeps only digits (and, with allowMinus, one leading minus sign). A typed character
// that is not allowed is removed and the cursor moves back over it. Pasted text is
// cleaned whole, so a field never keeps letters that would make its number read as 0.
FilteredText FilterDigitText(const QString& text, int cursor, bool allowMinus);

// Applies FilterDigitText to an edit, beeping when something was removed. Called from
// the change handler of every numeric edit; `form` is the page that owns the edit.
void FilterDigitKey(QWidget* form, bool allowMinus, QLineEdit* edit);

// Connects an edit so that every change passes through FilterDigitKey.
void AttachDigitFilter(QLineEdit* edit, bool allowMinus = false);

} // namespace zek
