#pragma once

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "i18n/Language.h"
#include "ui/FormContext.h"
#include "ui/ScriptedInteraction.h"
#include "ui/base/Beep.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QWidget>

namespace zek::test {

// Records, texts and answers of one test; beeps are counted instead of sounded.
struct PageFixture {
    Settings settings;
    Project project{settings.data()};
    Language language;
    ScriptedInteraction interaction;
    FormContext ctx{project, settings, language, interaction, {}};
    int beeps = 0;
    BeepOverride quiet{[this] { ++beeps; }};
};

// Restores the default locale that the start-up changes for the whole program.
struct LocaleGuard {
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

template <class T = QLineEdit> T* find(QWidget* form, const QString& name) {
    T* w = form->findChild<T*>(name);
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

// Replaces the text of an edit by typing, as a user would.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

// Clicks a check box or radio button on its indicator (a stretched button does not
// take clicks beside its text).
inline void clickIndicator(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace zek::test
