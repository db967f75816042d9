#include "Common.h"

#include "core/Cp1252.h"
#include "io/OpenProject.h"
#include "io/SettingsFile.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zek::cli {
namespace {

// The English wording, for a run whose language texts cannot be read.
const char* englishText(std::uint32_t number) {
    switch (number) {
    case kTextUnknownOption:
        return "unknown option %1";
    case kTextOptionNeedsValue:
        return "option %1 needs a value";
    case kTextOptionTakesNoValue:
        return "option %1 takes no value";
    case kTextUnknownCommand:
        return "unknown command %1";
    case kTextUnknownLanguage:
        return "%1 is not an installed language; installed: %2";
    case kTextOneProject:
        return "exactly one project file is needed";
    case kTextInputAndOutput:
        return "an input file and an output file are needed";
    case kTextSomeProjects:
        return "at least one project file is needed";
    case kTextOneTextNumber:
        return "one text number of at most nine digits is needed";
    case kTextUnknownEncoding:
        return "unknown encoding %1: utf-8 or cp1252";
    case kTextDateForm:
        return "%1 is not a date of the form D.M.YYYY";
    case kTextDateMissing:
        return "the date %1 does not exist";
    case kTextDoubtfulValue:
        return "%1: [%2] %3=%4 is a value that no page of the program accepts; it is read as %5";
    case kTextStrictStop:
        return "%1 holds values that no page of the program accepts (--strict)";
    case kTextOutputFailed:
        return "the output could not be written (%1)";
    case kTextNotRegularTarget:
        return "%1 is not a regular file; it stays as it is";
    case kTextTargetIsInput:
        return "%1 is the input file; it stays as it is";
    case kTextNoPdfLayer:
        return "--pdf needs the printing layer, which this build leaves out";
    case kTextNoSuchText:
        return "text %1 is not among the texts of %2";
    case kTextNoPdfModule:
        return "--pdf needs the PDF library beside zek-cli, which cannot be loaded: %1";
    case kTextOneChartOutput:
        return "exactly one of the options --svg, --png and --pdf is needed";
    case kTextNoChartModule:
        return "the diagrams need the drawing library beside zek-cli, which cannot be loaded: %1";
    default:
        return "";
    }
}

// A language code names files beside the program: letters, digits and "_" only, never a path.
bool validLanguageCode(const QString& code) {
    static const QRegularExpression kCode(QStringLiteral("^[A-Za-z0-9_]+$"));
    return kCode.match(code).hasMatch();
}

} // namespace

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

DateCheck parseDate(const QString& text, Datum& out) {
    static const QRegularExpression kForm(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})$"));
    const QRegularExpressionMatch m = kForm.match(text);
    if (!m.hasMatch())
        return DateCheck::NotADate;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid())
        return DateCheck::NoSuchDay;
    out = {d.day(), d.month(), d.year()};
    return DateCheck::Ok;
}

Invocation::Invocation(const Command* command, const QStringList& args) : m_command(command) {
    static const std::vector<Option> kDataOptions{kDataDirOption, kLangOption};
    const std::vector<Option>& options = command ? command->options : kDataOptions;
    // Worded once the language of the run is known.
    const auto note = [this](CliText text, const QString& option) {
        if (m_parseErrorText == 0) {
            m_parseErrorText = text;
            m_parseErrorArgument = option;
        }
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (optionsEnded || !a.startsWith('-') || a == "-") {
            m_files << a;
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            m_options.insert("--help", {});
            continue;
        }
        const qsizetype eq = a.startsWith("--") ? a.indexOf('=') : -1;
        const QString name = eq > 0 ? a.left(eq) : a;
        const auto option = std::find_if(options.begin(), options.end(),
                                         [&name](const Option& o) { return name == QLatin1String(o.name); });
        if (option == options.end())
            note(kTextUnknownOption, name);
        else if (!option->value && eq > 0)
            note(kTextOptionTakesNoValue, name);
        else if (!option->value)
            m_options.insert(name, {});
        else if (eq > 0)
            m_options.insert(name, a.mid(eq + 1));
        else if (i + 1 < args.size())
            m_options.insert(name, args[++i]);
        else
            note(kTextOptionNeedsValue, name);
    }

    const QDir folder(dataDir());
    const QString ini = folder.filePath(kSettingsFileName);
    ReadSettings(m_settings, QFileInfo::exists(ini) ? ini : folder.filePath(kDefaultsFileName));
    const QString stored = fromCp1252(settings().Optionen.Sprache.str());
    m_code = (has("--lang")      ? value("--lang")
              : stored.isEmpty() ? QStringLiteral("zkdeu")
                                 : stored)
                 .toLower()
                 .toStdString();
    m_language.setModuleMessageHandler([this](const QString& text) { message(text); });
}

QString Invocation::dataDir() const {
    return m_options.value("--data-dir", QCoreApplication::applicationDirPath());
}

QStringList Invocation::installedLanguages() const {
    QStringList codes;
    const QDir folder(dataDir(), "zk*.TYP", QDir::Name, QDir::Files | QDir::CaseSensitive);
    for (const QString& file : folder.entryList())
        codes << QFileInfo(file).completeBaseName();
    return codes;
}

int Invocation::checkLanguage() {
    if (!has("--lang"))
        return kExitOk; // the settings' language is the installation's matter
    const QString code = QString::fromStdString(m_code);
    const QStringList installed = installedLanguages();
    // Without any device table the data is missing, whatever the code; that is told later.
    if (validLanguageCode(code) && (installed.isEmpty() || installed.contains(code)))
        return kExitOk;
    message(text(kTextUnknownLanguage).arg(value("--lang"), installed.join(", ")));
    return kExitUsage;
}

int Invocation::loadData(bool withDevices) {
    if (const int rc = checkLanguage(); rc != kExitOk)
        return rc;
    m_textsTried = true;
    QString error;
    if (!m_language.LoadLanguage(dataDir(), m_code, &error)) {
        message(error);
        return kExitNoData;
    }
    if (m_language.lineCount() == 0) {
        m_language.ReportEmptyTable();
        return kExitNoData;
    }
    if (withDevices &&
        !m_devices.LiesTypDatei(QDir(dataDir()).filePath(QString::fromStdString(m_code) + ".TYP"))) {
        message(fromCp1252(m_language.GetLangText(1004033) + "\r\n" + m_language.GetLangText(1004036)));
        return kExitNoData;
    }
    return kExitOk;
}

void Invocation::loadMessageTexts() const {
    if (m_textsTried)
        return;
    m_textsTried = true;
    // A language that is not installed speaks in the settings' language, else German.
    std::string code = m_code;
    if (has("--lang") && !installedLanguages().contains(QString::fromStdString(code))) {
        const std::string stored = settings().Optionen.Sprache.str();
        code = stored.empty() ? "zkdeu" : QString::fromStdString(stored).toLower().toStdString();
    }
    m_language.LoadLanguage(dataDir(), code);
}

QString Invocation::text(std::uint32_t number) const {
    loadMessageTexts();
    const std::string t = m_language.GetLangText(number);
    return t.empty() ? QString::fromUtf8(englishText(number)) : fromCp1252(t).replace("\r\n", "\n");
}

void Invocation::message(const QString& text) const {
    const QByteArray name = m_command ? QByteArray(" ") + m_command->name : QByteArray();
    std::fprintf(stderr, "zek-cli%s: %s\n", name.constData(), text.toUtf8().constData());
}

QString Invocation::parseError() const {
    return m_parseErrorText == 0 ? QString() : text(m_parseErrorText).arg(m_parseErrorArgument);
}

int Invocation::usageError(const QString& text) const {
    message(text);
    std::fprintf(stderr, "usage: %s\n",
                 m_command ? usageLine(*m_command).c_str() : "zek-cli COMMAND [ARGS...]");
    return kExitUsage;
}

int Invocation::date(Datum& out) const {
    const QDate today = QDate::currentDate();
    out = {today.day(), today.month(), today.year()};
    if (!has("--date"))
        return kExitOk;
    const QString text = value("--date");
    switch (parseDate(text, out)) {
    case DateCheck::NotADate:
        return usageError(this->text(kTextDateForm).arg(text));
    case DateCheck::NoSuchDay:
        return usageError(this->text(kTextDateMissing).arg(text));
    case DateCheck::Ok:
        break;
    }
    return kExitOk;
}

int Invocation::readProject(Project& project, const QString& file, QString* error) {
    loadMessageTexts();
    DoubtfulValues doubtful;
    const IoResult r =
        OpenProject(project, settings(), file, m_language, ProjectFormatOfName(file), &doubtful);
    QString failure;
    if (!r.ok())
        failure = fromCp1252(r.message).replace("\r\n", "\n");
    for (const DoubtfulValue& d : doubtful)
        message(text(kTextDoubtfulValue)
                    .arg(file, fromCp1252(d.section), fromCp1252(d.key), fromCp1252(d.stored),
                         fromCp1252(d.used)));
    if (failure.isEmpty() && !doubtful.empty() && has("--strict"))
        failure = text(kTextStrictStop).arg(file);
    if (failure.isEmpty())
        return kExitOk;
    message(failure);
    if (error)
        *error = failure;
    return kExitInput;
}

void Invocation::write(std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && !m_outputFailed) {
        m_outputFailed = true;
        m_outputError = errno;
    }
}

void Invocation::writeLines(const std::vector<std::string>& lines, Encoding encoding) {
    std::string buffer;
    for (const std::string& line : lines) {
        buffer += encoding == Encoding::Utf8 ? cp1252ToUtf8(line) : line;
        buffer += '\n';
    }
    write(buffer);
}

int Invocation::finish(int exitCode) {
    if (std::fflush(stdout) != 0 && !m_outputFailed) {
        m_outputFailed = true;
        m_outputError = errno;
    }
    if (!m_outputFailed && !std::ferror(stdout))
        return exitCode;
    message(text(kTextOutputFailed)
                .arg(QString::fromLocal8Bit(std::strerror(m_outputError ? m_outputError : EIO))));
    return exitCode == kExitOk ? kExitInput : exitCode;
}

} // namespace zek::cli
