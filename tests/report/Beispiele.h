#pragma once

// The defaults, texts and device table of a language as the programs find them beside
// themselves, and the example projects of data/examples.
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace zek::test {

struct Shipped {
    const QDir bin{qEnvironmentVariable("ZEK_BIN_DIR")};
    const QDir examples{QStringLiteral(ZEK_SOURCE_DIR "/data/examples")};
    Settings settings;
    Language language;
    DeviceTable devices;

    // False when the build has not put the data beside the executables.
    bool there() const { return QFileInfo::exists(bin.filePath("Xalto.zip")); }
    bool load(const char* code) {
        ReadSettings(settings, bin.filePath(kDefaultsFileName));
        return language.LoadLanguage(bin.path(), code) &&
               devices.LiesTypDatei(bin.filePath(QString(code) + ".TYP"));
    }
    // An example: a .Z20 project is read, a version 1.1 .ZEK file imported.
    bool example(Project& project, const QString& name) const {
        if (name.endsWith(".ZEK"))
            return ImportLegacyProject(project, examples.filePath(name), language).ok();
        return ReadProjectFile(project, settings.data(), examples.filePath(name));
    }
};

} // namespace zek::test
