#pragma once

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "ui/QtOwnTexts.h"

#include <QString>

namespace zek {

// The program's single instances, alive from start to end: the settings and the
// project record (each with its saved copy), the language texts, the device table,
// the program folder and the file of the open project. Tests build their own.
class AppContext {
public:
    // The settings start at their factory values and the project as a new project
    // before any window exists, so both records are complete from the first moment.
    explicit AppContext(const QString& programDir);
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    Settings settings;
    Project project{settings.data()};
    Language language;
    // Qt's own dialogs and buttons, in the language of the texts loaded.
    QtOwnTexts qtTexts;
    DeviceTable devices;

    // The project file last opened or saved; empty = unnamed.
    QString projectFileName;
    // A project exists in the record (set by New, Open, Import; never reset).
    bool projectOpen = false;

    // Folder of the program, where every data file is looked for (no trailing slash).
    const QString& programDir() const { return m_programDir; }
    QString programFile(const QString& name) const;
    // The device table of a language: the code followed by ".TYP", e.g. zkdeu.TYP.
    QString typPath(const std::string& code) const;
    // The language code in the settings, as the text table and help file know it.
    std::string languageCode() const { return settings.data().Optionen.Sprache.str(); }

private:
    QString m_programDir;
};

} // namespace zek
