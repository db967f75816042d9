#include "ui/base/TranslateForm.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace zek {

const KeyNames& DefaultKeyNames() {
    static const KeyNames names = {"R\xfc"
                                   "ck",
                                   "Tab",
                                   "Esc",
                                   "Eingabe",
                                   "Leertaste",
                                   "BildAuf",
                                   "BildAb",
                                   "Ende",
                                   "Pos1",
                                   "Links",
                                   "Auf",
                                   "Rechts",
                                   "Nach unten",
                                   "Einfg",
                                   "Entf",
                                   "Umsch+",
                                   "Strg+",
                                   "Alt+"};
    return names;
}

namespace {

bool startsWithNoCase(const QString& text, const QString& prefix) {
    return !prefix.isEmpty() && text.startsWith(prefix, Qt::CaseInsensitive);
}

// A control belongs to the innermost form around it: a form shown inside another one (a
// page inside the main window) takes its texts by its own help number.
bool belongsTo(const QObject* object, const QWidget* form) {
    for (const QObject* o = object; o && o != form; o = o->parent())
        if (o->isWidgetType() && o->property(kHelpNumberProperty).isValid())
            return false;
    return true;
}

// Line breaks of the table are CR LF; on screen a line feed is enough.
QString lang(const TextSource& texts, std::uint32_t number) {
    return fromCp1252(texts.GetLangText(number)).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

QKeySequence ParseShortcut(const std::string& bytes, const KeyNames& keyNames) {
    QString text = fromCp1252(bytes).trimmed();
    static const Qt::Key named[15] = {Qt::Key_Backspace, Qt::Key_Tab,    Qt::Key_Escape,   Qt::Key_Return,
                                      Qt::Key_Space,     Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End,
                                      Qt::Key_Home,      Qt::Key_Left,   Qt::Key_Up,       Qt::Key_Right,
                                      Qt::Key_Down,      Qt::Key_Insert, Qt::Key_Delete};
    static const Qt::KeyboardModifier mods[3] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
    Qt::KeyboardModifiers modifiers;
    for (bool found = true; found;) {
        found = false;
        for (int m = 0; m < 3; ++m) {
            const QString name = fromCp1252(keyNames[static_cast<std::size_t>(15 + m)]);
            if (startsWithNoCase(text, name)) {
                modifiers |= mods[m];
                text = text.mid(name.size());
                found = true;
            }
        }
    }
    if (text.isEmpty())
        return {};
    Qt::Key key = Qt::Key_unknown;
    for (int k = 0; k < 15; ++k) {
        if (text.compare(fromCp1252(keyNames[static_cast<std::size_t>(k)]), Qt::CaseInsensitive) == 0) {
            key = named[k];
            break;
        }
    }
    if (key == Qt::Key_unknown && text.size() >= 2 && text.at(0).toUpper() == QLatin1Char('F')) {
        bool ok = false;
        const int f = text.mid(1).toInt(&ok);
        if (ok && f >= 1 && f <= 24)
            key = static_cast<Qt::Key>(Qt::Key_F1 + f - 1);
    }
    if (key == Qt::Key_unknown && text.size() == 1)
        key = static_cast<Qt::Key>(text.at(0).toUpper().unicode());
    if (key == Qt::Key_unknown)
        return {};
    return QKeySequence(QKeyCombination(modifiers, key));
}

void TranslateForm(QWidget* form, int helpNumber, const TextSource& texts, bool moduleLoaded,
                   const KeyNames& keyNames) {
    if (!form)
        return;
    QFont font = form->font();
    font.setFamily(QStringLiteral("Arial"));
    form->setFont(font);
    if (!moduleLoaded || helpNumber < 12000 || helpNumber > 19999)
        return;
    const std::uint32_t base = 10000u * static_cast<std::uint32_t>(helpNumber);
    if (const QString caption = lang(texts, base); !caption.isEmpty())
        form->setWindowTitle(caption);
    if (const QString hint = lang(texts, base + 1); !hint.isEmpty())
        form->setToolTip(hint);

    for (QObject* object : form->findChildren<QObject*>()) {
        if (!belongsTo(object, form))
            continue;
        if (auto* action = qobject_cast<QAction*>(object)) {
            const int m = action->property(kHelpNumberProperty).toInt();
            if (m < 11000 || m > 11999)
                continue;
            const std::uint32_t n = 100000000u + 10u * static_cast<std::uint32_t>(m);
            if (const QString caption = lang(texts, n); !caption.isEmpty())
                action->setText(caption);
            if (const QString hint = lang(texts, n + 1); !hint.isEmpty())
                action->setStatusTip(hint);
            if (const std::string shortcut = texts.GetLangText(n + 2); !shortcut.empty())
                action->setShortcut(ParseShortcut(shortcut, keyNames));
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget)
            continue;
        const int t = widget->property(kTagProperty).toInt();
        // Tag -1 marks a control without language text (edits, lists).
        if (t <= 0)
            continue;
        const std::uint32_t n = base + 10u * static_cast<std::uint32_t>(t);
        if (const QString hint = lang(texts, n + 1); !hint.isEmpty())
            widget->setToolTip(hint);
        const QString caption = lang(texts, n);
        if (caption.isEmpty())
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(caption);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            button->setText(caption);
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            group->setTitle(caption);
    }
}

} // namespace zek
