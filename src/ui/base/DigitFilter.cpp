#include "ui/base/DigitFilter.h"

#include "ui/base/Beep.h"

#include <QLineEdit>

namespace zek {

FilteredText FilterDigitText(const QString& text, int cursor, bool allowMinus) {
    FilteredText out;
    out.cursor = cursor;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                             (allowMinus && i == 0 && c == QLatin1Char('-'));
        if (allowed) {
            out.text.append(c);
        } else {
            out.beep = true;
            if (i < cursor)
                --out.cursor;
        }
    }
    if (out.cursor < 0)
        out.cursor = 0;
    return out;
}

void FilterDigitKey(QWidget*, bool allowMinus, QLineEdit* edit) {
    if (!edit)
        return;
    const FilteredText f = FilterDigitText(edit->text(), edit->cursorPosition(), allowMinus);
    if (!f.beep)
        return;
    Beep();
    // setText runs the change handlers again, now on the mended text.
    edit->setText(f.text);
    edit->setCursorPosition(f.cursor);
}

void AttachDigitFilter(QLineEdit* edit, bool allowMinus) {
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [edit, allowMinus] { FilterDigitKey(edit->window(), allowMinus, edit); });
}

} // namespace zek
