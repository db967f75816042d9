#pragma once

#include "report/Selection.h"
#include "ui/FormContext.h"
#include "ui/base/LanguageForm.h"
#include "ui/pages/DefaultsDialogs.h"
#include "ui/pages/OptionsDialogs.h"
#include "ui/pages/SelectionDialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <memory>
#include <vector>

namespace zek::test {

// The modal dialogs of the program on one context; the selection dialog with a candidate
// of every variant, so that all its boxes are in use.
inline std::vector<std::unique_ptr<TLanguageForm>> AllDialogs(FormContext& ctx, const AuswahlGroup& auswahl) {
    std::vector<std::unique_ptr<TLanguageForm>> forms;
    forms.emplace_back(new TGrundSchaltschrankDlg(ctx));
    forms.emplace_back(new TGrundGleichzeitigkeitDlg(ctx));
    forms.emplace_back(new TGrundAdressDlg(ctx));
    forms.emplace_back(new TGOptionenDlg(ctx));
    forms.emplace_back(new TVerzeichnisDlg(ctx, QStringLiteral(ZEK_SOURCE_DIR "/data/lang")));
    Kandidatenliste all;
    for (const char* code : {"L--", "LV-", "LF-", "LD-", "TX-", "WA-", "W9-", "KY-", "KSM", "KSO", "KD-"})
        all.push_back({int(all.size()), 1, 100, code});
    forms.emplace_back(new TAuswahlDlg(ctx, all, auswahl, true));
    return forms;
}

// The accelerators a window offers (buttons, group titles, labels of a field, and the
// texts given, such as the titles of a menu bar) that clash with another one, and labels
// that show their "&" because no field belongs to them. Hidden controls count: a page
// shows different ones by its choices.
inline QStringList AcceleratorClashes(const QWidget* root, const QStringList& more = {}) {
    QMap<QString, QStringList> byKey;
    QStringList faults;
    const auto add = [&](const QString& text) {
        if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty())
            byKey[key.toString()] << text;
    };
    for (const QString& text : more)
        add(text);
    for (const QWidget* w : root->findChildren<const QWidget*>()) {
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            add(b->text());
        else if (const auto* g = qobject_cast<const QGroupBox*>(w))
            add(g->title());
        else if (const auto* l = qobject_cast<const QLabel*>(w); l && l->buddy())
            add(l->text());
        else if (l && l->textFormat() != Qt::RichText && l->text().contains(QLatin1Char('&')))
            faults << root->objectName() + ": label shows " + l->text();
    }
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1)
            faults << root->objectName() + ": " + it.key() + " on " + it.value().join(" / ");
    return faults;
}

// The inputs of a window (edits, spin fields, check boxes, radio buttons and their
// groups, lists, text views) that a screen reader could not name.
inline QStringList UnnamedInputs(const QWidget* root) {
    QStringList faults;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QWidget* parent = w->parentWidget();
        const bool part = qobject_cast<const QAbstractSpinBox*>(parent) ||
                          qobject_cast<const QComboBox*>(parent) || qobject_cast<QHeaderView*>(w);
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w) ||
                           qobject_cast<QAbstractItemView*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QComboBox*>(w) ||
                           (qobject_cast<QGroupBox*>(w) && w->findChild<QRadioButton*>());
        if (!input || part)
            continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            faults << root->objectName() + ": " + w->objectName() + " has no name";
    }
    return faults;
}

} // namespace zek::test
