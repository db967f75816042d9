#pragma once

// What every zek-cli command shares: the argument parser (options before or after the
// file arguments), the data folder with its settings, texts and device table, reading a
// project by its extension, and writing report lines to standard output.

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "report/Report.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace zek::cli {

struct ParsedArgs {
    QStringList files;           // the arguments that are no options, in order
    QMap<QString, QString> opts; // "--name" -> value ("" for a flag)
    bool has(const QString& name) const { return opts.contains(name); }
    QString value(const QString& name, const QString& fallback = {}) const {
        return opts.value(name, fallback);
    }
};

// Options common to the commands that read a project: --data-dir, --lang.
inline const QStringList kDataOptions = {QStringLiteral("--data-dir"), QStringLiteral("--lang")};

// Splits the arguments into files and options; `valueOptions` take the next argument as
// their value, `flags` none; "--help"/"-h" is always known. False with a message for an
// unknown option or a missing value; "--" ends the options.
bool parseArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags,
               ParsedArgs& out, QString& error);

// Prints "zek-cli CMD: message" and the usage line on stderr; returns kExitUsage.
int usageError(const char* command, const QString& message, const char* usage);

// The data folder: --data-dir, else the folder of zek-cli.
QString dataDir(const ParsedArgs& args);

// The settings of the data folder: "ZEK.INI", else "ZEK.DEF". The user's own settings
// elsewhere are not read, so a run depends on the data folder alone.
void readDataSettings(Settings& settings, const QString& dataDir);
// --lang, else the settings' Optionen.Sprache, else "zkdeu".
QString languageCode(const ParsedArgs& args, const SettingsData& settings);
// A language code names files beside the program: letters, digits and "_" only, never a path.
bool validLanguageCode(const QString& code);

// Settings, language texts and device table of one run, loaded as the desktop program
// loads them at start.
class Environment {
public:
    // The settings of the data folder ("ZEK.INI", else "ZEK.DEF"); the language from
    // `lang`, else the settings' Optionen.Sprache, else "zkdeu"; then the texts and the
    // device table of that language. Returns kExitOk, kExitUsage for a code that is no
    // language code, or kExitNoData after printing the start-up message on stderr.
    int load(const ParsedArgs& args, const char* command);

    const SettingsData& settings() const { return m_settings.data(); }
    const Language& language() const { return m_language; }
    const DeviceTable& devices() const { return m_devices; }
    const std::string& code() const { return m_code; }

private:
    Settings m_settings;
    Language m_language;
    DeviceTable m_devices;
    std::string m_code;
};

// Reads a project: ".Z20" as a project file, ".ZEK" (any case) as a version 1.1 import.
// False with a message (for stderr, UTF-8) when the file cannot be read.
bool readProject(Project& project, const SettingsData& settings, const TextSource& texts, const QString& file,
                 QString& error);

enum class Encoding { Utf8, Cp1252 };
// "utf-8" (default) or "cp1252"; false for anything else.
bool parseEncoding(const QString& text, Encoding& out);
// "D.M.YYYY"; false when it is no valid date. An empty text gives today.
bool parseDate(const QString& text, Datum& out);

// Writes each line followed by "\n".
void writeLines(const std::vector<std::string>& lines, Encoding encoding, std::FILE* out = stdout);
// Windows-1252 bytes as UTF-8 on stderr, with "\r\n" as "\n".
void printError(const char* command, const std::string& cp1252);

} // namespace zek::cli
