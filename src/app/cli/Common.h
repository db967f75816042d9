#pragma once

// What every zek-cli command shares: the argument parser (options before or after the
// file arguments, "--name value" or "--name=value"), the data folder with its settings,
// texts and device table, the language of the run and of its messages, reading a
// project, and writing to standard output with a check that it arrived.

#include "Command.h"

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "devices/DeviceTable.h"
#include "i18n/Language.h"
#include "io/ProjectFile.h"
#include "report/Report.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zek::cli {

class PdfExport;

// Texts of the command line's own messages; "%1", "%2", ... stand for what they name.
enum CliText : std::uint32_t {
    kTextUnknownOption = 1013010,    // unknown option %1
    kTextOptionNeedsValue = 1013011, // option %1 needs a value
    kTextOptionTakesNoValue = 1013012,
    kTextUnknownCommand = 1013013,
    kTextUnknownLanguage = 1013014, // %1 is no installed language; installed: %2
    kTextOneProject = 1013015,
    kTextInputAndOutput = 1013016,
    kTextSomeProjects = 1013017,
    kTextOneTextNumber = 1013018,
    kTextUnknownEncoding = 1013019,
    kTextDateForm = 1013020,         // %1 is no date D.M.YYYY
    kTextDateMissing = 1013021,      // the date %1 does not exist
    kTextDoubtfulValue = 1013022,    // %1: [%2] %3=%4 ... read as %5
    kTextStrictStop = 1013023,       // %1: values no page accepts (--strict)
    kTextOutputFailed = 1013024,     // the output could not be written: %1
    kTextNotRegularTarget = 1013025, // %1 is no regular file; left as it is
    kTextTargetIsInput = 1013026,    // %1 is the input file; left as it is
    kTextNoPdfLayer = 1013027,
    kTextNoSuchText = 1013028,  // text %1 is not among the texts of %2
    kTextNoPdfModule = 1013029, // the PDF library cannot be loaded: %1
    kTextOneChartOutput = 1012059,
    kTextNoChartModule = 1012060, // the drawing library cannot be loaded: %1
};

enum class Encoding { Utf8, Cp1252 };
// "utf-8" (default) or "cp1252"; false for anything else.
bool parseEncoding(const QString& text, Encoding& out);
// "D.M.YYYY" with a year of four digits.
enum class DateCheck { Ok, NotADate, NoSuchDay };
DateCheck parseDate(const QString& text, Datum& out);

// One run of one command: its arguments, its data folder, language and messages.
class Invocation {
public:
    // Parses the arguments against the command's options; an error is kept for
    // usageError() so that even the message about a wrong call is in the user's language.
    Invocation(const Command* command, const QStringList& args);
    Invocation(const Invocation&) = delete;
    Invocation& operator=(const Invocation&) = delete;

    const Command* command() const { return m_command; }
    // Why the arguments do not fit the command's options; empty when they do.
    QString parseError() const;
    const QStringList& files() const { return m_files; }
    bool has(const QString& option) const { return m_options.contains(option); }
    QString value(const QString& option) const { return m_options.value(option); }

    // --data-dir, else the folder of zek-cli.
    QString dataDir() const;
    // The settings of the data folder: "ZEK.INI", else "ZEK.DEF". The user's own settings
    // elsewhere are not read, so a run depends on the data folder alone.
    const SettingsData& settings() const { return m_settings.data(); }
    // --lang, else the settings' language, else "zkdeu", in small letters.
    const std::string& code() const { return m_code; }

    // kExitOk, or kExitUsage after a message when --lang names no installed language.
    int checkLanguage();
    // The language check, then the texts and (unless only texts are wanted) the device
    // table of the language: kExitOk, kExitUsage, or kExitNoData after the start-up message.
    int loadData(bool withDevices = true);
    const Language& language() const { return m_language; }
    const DeviceTable& devices() const { return m_devices; }

    // A message text of the run's language (English where the texts lack it).
    QString text(std::uint32_t number) const;
    // "zek-cli NAME: message" on standard error.
    void message(const QString& text) const;
    // The message and the usage line; returns kExitUsage.
    int usageError(const QString& text) const;

    // --date, else today: kExitOk, or kExitUsage after a message when it is no date.
    int date(Datum& out) const;

    // Reads a project by its extension, or by its content for any other name; prints
    // why it cannot be, and every value no page would have given. With --strict those
    // values make it fail as well. kExitOk or kExitInput; `error` gets the message.
    int readProject(Project& project, const QString& file, QString* error = nullptr);

    // The PDF library, loaded or not, for the commands that write a PDF.
    void setPdfExport(const PdfExport* pdf) { m_pdf = pdf; }
    const PdfExport* pdfExport() const { return m_pdf; }

    // Standard output; a failed write is remembered for finish().
    void write(std::string_view bytes);
    void writeLines(const std::vector<std::string>& lines, Encoding encoding);
    // Flushes standard output: the command's exit code, or kExitInput after a message
    // when anything written did not arrive.
    int finish(int exitCode);

private:
    void loadMessageTexts() const;
    QStringList installedLanguages() const;

    const Command* m_command;
    QStringList m_files;
    QMap<QString, QString> m_options;
    std::uint32_t m_parseErrorText = 0;
    QString m_parseErrorArgument;
    Settings m_settings;
    std::string m_code;
    mutable Language m_language;
    mutable bool m_textsTried = false;
    DeviceTable m_devices;
    int m_outputError = 0;
    bool m_outputFailed = false;
    const PdfExport* m_pdf = nullptr;
};

} // namespace zek::cli
