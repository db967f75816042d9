#include "Common.h"

#include "Command.h"
#include "core/Cp1252.h"
#include "io/LegacyImport.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace zek::cli {

bool parseArgs(const QStringList& args, const QStringList& valueOptions, const QStringList& flags,
               ParsedArgs& out, QString& error) {
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || !a.startsWith('-') || a == "-") {
            out.files << a;
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            out.opts.insert("--help", {});
        } else if (valueOptions.contains(a)) {
            if (i + 1 >= args.size()) {
                error = QStringLiteral("option %1 needs a value").arg(a);
                return false;
            }
            out.opts.insert(a, args[++i]);
        } else if (flags.contains(a)) {
            out.opts.insert(a, {});
        } else {
            error = QStringLiteral("unknown option %1").arg(a);
            return false;
        }
    }
    return true;
}

int usageError(const char* command, const QString& message, const char* usage) {
    std::fprintf(stderr, "zek-cli %s: %s\nusage: %s\n", command, message.toUtf8().constData(), usage);
    return kExitUsage;
}

QString dataDir(const ParsedArgs& args) {
    return args.value("--data-dir", QCoreApplication::applicationDirPath());
}

void printError(const char* command, const std::string& cp1252) {
    const QString text = fromCp1252(cp1252).replace("\r\n", "\n");
    std::fprintf(stderr, "zek-cli %s: %s\n", command, text.toUtf8().constData());
}

void readDataSettings(Settings& settings, const QString& dir) {
    const QDir folder(dir);
    const QString ini = folder.filePath(kSettingsFileName);
    ReadSettings(settings, QFileInfo::exists(ini) ? ini : folder.filePath(kDefaultsFileName));
}

QString languageCode(const ParsedArgs& args, const SettingsData& settings) {
    if (args.has("--lang"))
        return args.value("--lang");
    const QString stored = fromCp1252(settings.Optionen.Sprache.str());
    return stored.isEmpty() ? QStringLiteral("zkdeu") : stored;
}

bool validLanguageCode(const QString& code) {
    if (code.isEmpty())
        return false;
    for (const QChar c : code)
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != '_')
            return false;
    return true;
}

int Environment::load(const ParsedArgs& args, const char* command) {
    const QString dir = dataDir(args);
    const QDir folder(dir);
    readDataSettings(m_settings, dir);
    const QString code = languageCode(args, m_settings.data());
    if (!validLanguageCode(code)) {
        std::fprintf(stderr, "zek-cli %s: %s is no language code (zkdeu, zkeng, zkfra)\n", command,
                     code.toUtf8().constData());
        return kExitUsage;
    }
    m_code = code.toStdString();
    m_language.setModuleMessageHandler(
        [command](const QString& message) { printError(command, toCp1252(message)); });
    QString error;
    if (!m_language.LoadLanguage(dir, m_code, &error)) {
        printError(command, toCp1252(error));
        return kExitNoData;
    }
    if (m_language.lineCount() == 0) {
        m_language.ReportEmptyTable();
        return kExitNoData;
    }
    if (!m_devices.LiesTypDatei(folder.filePath(QString::fromStdString(m_code) + ".TYP"))) {
        printError(command, m_language.GetLangText(1004033) + "\r\n" + m_language.GetLangText(1004036));
        return kExitNoData;
    }
    return kExitOk;
}

bool readProject(Project& project, const SettingsData& settings, const TextSource& texts, const QString& file,
                 QString& error) {
    const QString suffix = QFileInfo(file).suffix();
    if (suffix.compare("ZEK", Qt::CaseInsensitive) == 0) {
        project.ResetProject(settings);
        const IoResult r = ImportLegacyProject(project, file, texts);
        if (!r.ok())
            error = fromCp1252(r.message).replace("\r\n", "\n");
        return r.ok();
    }
    if (suffix.compare("Z20", Qt::CaseInsensitive) != 0) {
        error = QStringLiteral("%1: not a project file (.Z20) or a version 1.1 project (.ZEK)").arg(file);
        return false;
    }
    // The project file reader takes a missing file for a new project; here it is an error.
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable() || !ReadProjectFile(project, settings, file)) {
        error = QStringLiteral("%1: the file cannot be read").arg(file);
        return false;
    }
    return true;
}

bool parseEncoding(const QString& text, Encoding& out) {
    const QString t = text.toLower();
    if (t.isEmpty() || t == "utf-8" || t == "utf8")
        out = Encoding::Utf8;
    else if (t == "cp1252" || t == "windows-1252")
        out = Encoding::Cp1252;
    else
        return false;
    return true;
}

bool parseDate(const QString& text, Datum& out) {
    QDate d = QDate::currentDate();
    if (!text.isEmpty()) {
        const QStringList parts = text.split('.');
        bool ok[3] = {false, false, false};
        if (parts.size() != 3)
            return false;
        d = QDate(parts[2].toInt(&ok[2]), parts[1].toInt(&ok[1]), parts[0].toInt(&ok[0]));
        if (!ok[0] || !ok[1] || !ok[2] || !d.isValid())
            return false;
    }
    out = {d.day(), d.month(), d.year()};
    return true;
}

void writeLines(const std::vector<std::string>& lines, Encoding encoding, std::FILE* out) {
    std::string buffer;
    for (const std::string& line : lines) {
        buffer += encoding == Encoding::Utf8 ? cp1252ToUtf8(line) : line;
        buffer += '\n';
    }
    std::fwrite(buffer.data(), 1, buffer.size(), out);
    std::fflush(out);
}

} // namespace zek::cli
