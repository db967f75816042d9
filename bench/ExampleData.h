#pragma once

// The shipped settings, texts and device table of one language, and the example projects,
// as the programs beside them read them.
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <QDir>
#include <QString>

namespace zek::bench {

struct ShippedData {
    Settings settings;
    Language language;
    DeviceTable devices;
    bool ok = false;

    ShippedData(const QString& binDir, const char* code) {
        const QDir bin(binDir);
        ReadSettings(settings, bin.filePath(kDefaultsFileName));
        ok = language.LoadLanguage(bin.path(), code) &&
             devices.LiesTypDatei(bin.filePath(QString::fromLatin1(code) + QStringLiteral(".TYP")));
    }

    // An example project of data/examples by its file name; ok false when it cannot be read.
    ProjectData example(const QString& name) {
        Project project(settings.data());
        ok = ok && ReadProjectFile(project, settings.data(),
                                   QStringLiteral(ZEK_SOURCE_DIR "/data/examples/") + name);
        return project.data();
    }
};

} // namespace zek::bench
