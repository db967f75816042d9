#include "Language.h"

#include "i18n/LanguageModule.h"
#include "i18n/ZipEntry.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cctype>

namespace zek {
namespace {

// A code is five letters or digits; anything else could reach outside the program folder
// through the file names built from it.
bool isValidCode(const std::string& code) {
    return code.size() == 5 && std::all_of(code.begin(), code.end(), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c));
           });
}

std::string threeLetterPart(const std::string& code) {
    return code.size() >= 5 ? code.substr(2, 3) : code;
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The table may not be readable yet, so the message of a failed load carries its own
// wording, chosen by the code's three-letter part.
QString loadFailureText(const std::string& code, const QStringList& tried, const QString& why) {
    const std::string part = upper(threeLetterPart(code));
    QString lead, lookedFor, reason;
    if (part == "DEU") {
        lead = QStringLiteral("Die Sprachtexte konnten nicht gelesen werden.");
        lookedFor = QStringLiteral("Gesucht in:");
        reason = QStringLiteral("Fehler:");
    } else if (part == "FRA") {
        lead = QStringLiteral("Impossible de lire les textes de la langue.");
        lookedFor = QStringLiteral("Recherch\u00e9s dans :");
        reason = QStringLiteral("Erreur :");
    } else {
        lead = QStringLiteral("The language texts could not be read.");
        lookedFor = QStringLiteral("Looked for in:");
        reason = QStringLiteral("Error:");
    }
    QString text = lead + '\n' + lookedFor;
    for (const QString& path : tried)
        text += QStringLiteral("\n  ") + path;
    text += '\n' + reason + ' ' + why;
    return text;
}

QString joinPath(const QString& dir, const QString& name) {
    return dir + '/' + name;
}

} // namespace

Language::Language() : m_keyNames(defaultKeyNames()) {}

Language::~Language() {
    UnloadLanguage();
}

void Language::setModuleMessageHandler(ModuleMessageHandler handler) {
    m_onModuleMessage = std::move(handler);
}

void Language::setProgramFile(const QString& path) {
    m_programFile = path;
}

const std::array<std::string, 18>& Language::defaultKeyNames() {
    // Windows-1252: "R\374ck" is "Rück".
    static const std::array<std::string, 18> names = {
        "R\374ck", "Tab", "Esc",    "Eingabe",    "Leertaste", "BildAuf", "BildAb", "Ende",  "Pos1",
        "Links",   "Auf", "Rechts", "Nach unten", "Einfg",     "Entf",    "Umsch+", "Strg+", "Alt+"};
    return names;
}

std::string Language::entryName(const std::string& code) {
    return "Lang_" + threeLetterPart(code) + ".txt";
}

QString Language::moduleMessage(const QString& modulePath, int code) {
    return QStringLiteral("Kann Sprachmodul nicht laden oder benutzen\r\n"
                          "Language module not found or unusable\r\n"
                          "Impossible de trouver la langue \r\n"
                          "Jezikovne komponente ne more najti\r\n") +
           '"' + modulePath + QStringLiteral("\" (#") + QString::number(code) + ')';
}

void Language::raiseModuleMessage(int code) {
    const QString message = moduleMessage(m_modulePath, code);
    if (m_onModuleMessage)
        m_onModuleMessage(message);
    else
        qWarning("%s", qPrintable(message));
}

void Language::ReportEmptyTable() {
    m_modulePath.clear();
    raiseModuleMessage(1);
}

bool Language::moduleLoaded() const {
    return m_module != nullptr;
}

bool Language::LoadLanguage(const QString& programDir, const std::string& code, QString* error) {
    if (!isValidCode(code)) {
        if (error)
            *error = QStringLiteral("Unknown language code \"%1\".").arg(QString::fromLatin1(code));
        return false;
    }
    QString dir = programDir;
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    if (dir.isEmpty())
        dir = QStringLiteral(".");
    if (!m_table)
        m_table = std::make_unique<TIntStr>();
    m_code = code;
    if (!readTable(dir, code, error))
        return false;
    if (!m_module)
        loadModule(dir, code);
    return true;
}

bool Language::readTable(const QString& dir, const std::string& code, QString* error) {
    const std::string entry = entryName(code);
    const QString entryQ = QString::fromLatin1(entry);
    QStringList tried;
    QString failure;

    const QStringList candidates = {joinPath(dir, QStringLiteral("Xalto.zip")),
                                    joinPath(dir, QStringLiteral("XlzData/Xalto.zip")),
                                    joinPath(dir, QStringLiteral("Xalto.xlz"))};
    const auto existing = std::find_if(candidates.begin(), candidates.end(),
                                       [](const QString& path) { return QFileInfo(path).isFile(); });
    if (existing != candidates.end()) {
        const ZipEntryResult read = readZipEntry(*existing, kArchivePassword, entry, kMaxTextBytes);
        if (read.status != ZipEntryResult::Status::Failed) {
            // An entry missing from the archive leaves the table empty.
            m_table->setText(read.data);
            m_textOrigin = *existing;
            return true;
        }
        tried << *existing;
        failure = read.error;
    } else {
        const QString loose = joinPath(dir, entryQ);
        QFile file(loose);
        if (file.exists()) {
            if (file.size() > static_cast<qint64>(kMaxTextBytes)) {
                tried << loose;
                failure = QStringLiteral("file larger than %1 bytes").arg(kMaxTextBytes);
            } else if (file.open(QIODevice::ReadOnly)) {
                const QByteArray bytes = file.readAll();
                m_table->setText(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
                m_textOrigin = loose;
                return true;
            } else {
                tried << loose;
                failure = file.errorString();
            }
        } else {
            tried << candidates << loose;
        }
    }

    // Last resort: the program file itself may carry the archive.
    QString programFile = m_programFile;
    if (programFile.isEmpty() && QCoreApplication::instance())
        programFile = QCoreApplication::applicationFilePath();
    if (!programFile.isEmpty()) {
        const ZipEntryResult read = readZipEntry(programFile, kArchivePassword, entry, kMaxTextBytes);
        if (read.status != ZipEntryResult::Status::Failed) {
            m_table->setText(read.data);
            m_textOrigin = programFile;
            return true;
        }
        tried << programFile;
        if (failure.isEmpty())
            failure = read.error;
    }
    m_table->clear();
    if (error)
        *error = loadFailureText(code, tried, failure.isEmpty() ? QStringLiteral("-") : failure);
    return false;
}

void Language::loadModule(const QString& dir, const std::string& code) {
    const QString codeQ = QString::fromLatin1(code);
    const QString name = codeQ + QStringLiteral("132.spl");
    const QStringList places = {joinPath(dir, QStringLiteral("KompLang/XLg") + codeQ + '/' + name),
                                joinPath(dir, QStringLiteral("XLg") + codeQ + '/' + name)};
    m_modulePath = joinPath(dir, name);
    for (const QString& place : places)
        if (QFileInfo::exists(place)) {
            m_modulePath = place;
            break;
        }
    if (!QFileInfo(m_modulePath).isFile())
        return;

    auto module = std::make_unique<LanguageModule>(m_modulePath);
    if (!module->load()) {
        raiseModuleMessage(2);
        return;
    }
    m_module = std::move(module);

    // A table older than the module cannot carry the form texts it expects. After this
    // message only the module is dropped: the table itself is sound, so the program goes
    // on with its texts and the forms keep their design-time captions.
    if (GetLangText(kVersionText) < std::string(kRequiredVersion)) {
        raiseModuleMessage(4);
        dropModule();
        return;
    }
    // The table names the language it is meant for; a module built for another language
    // (a file copied under the wrong name) is refused the same way.
    const std::string meantFor = GetLangText(kLanguageText);
    const std::string builtFor = m_module->builtFor();
    if ((!meantFor.empty() && upper(meantFor) != upper(code)) ||
        (!builtFor.empty() && upper(builtFor) != upper(code))) {
        raiseModuleMessage(5);
        dropModule();
        return;
    }
    for (std::size_t i = 0; i < m_keyNames.size(); ++i) {
        // An empty name would make shortcuts unreadable; keep the built-in one then.
        const std::string keyName = GetLangText(kFirstKeyNameText + static_cast<std::uint32_t>(i));
        if (!keyName.empty())
            m_keyNames[i] = keyName;
    }
}

void Language::dropModule() {
    m_module.reset();
}

void Language::UnloadLanguage() {
    dropModule();
    m_table.reset();
    m_textOrigin.clear();
    m_code.clear();
    // The localised key names belong to the module that supplied them.
    m_keyNames = defaultKeyNames();
}

std::string Language::GetLangText(std::uint32_t number) const {
    if (number >= kFirstTableNumber && m_table)
        return m_table->GetLangText(number);
    if (!m_module)
        return {};
    std::string text = m_module->text(number);
    if (!text.empty() && text.front() == '.')
        text.erase(0, 1);
    return text;
}

std::string_view Language::LangTextView(std::uint32_t number) const {
    if (number >= kFirstTableNumber && m_table)
        return m_table->text(number).value_or(std::string_view());
    return TextSource::LangTextView(number);
}

std::optional<std::string> Language::findText(std::uint32_t number) const {
    if (!m_table)
        return std::nullopt;
    return m_table->find(number);
}

std::vector<std::uint32_t> Language::numbers() const {
    return m_table ? m_table->numbers() : std::vector<std::uint32_t>{};
}

} // namespace zek
