// The shipped texts: every number in use is there in every language, the three languages
// hold the same numbers, and texts fit the places that show them.
#include "core/Cp1252.h"
#include "i18n/Language.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

using zek::Language;

namespace {

const char* const kCodes[] = {"zkdeu", "zkeng", "zkfra"};

struct Range {
    std::uint32_t first, last;
    const char* use;
};

// The numbers the program needs, whoever writes them.
// clang-format off
const Range kInUse[] = {
    {70004, 70004, "table version"}, {70006, 70006, "table language"}, {71551, 71554, "message box captions"},
    {71555, 71565, "message box buttons"}, {71566, 71583, "shortcut key names"},
    {1000001, 1000008, "dialog buttons"}, {1001001, 1001001, "device selection"},
    {1001004, 1001004, "device selection"}, {1002001, 1002001, "temperature dialog"},
    {1003001, 1003006, "total-loss dialog"}, {1004002, 1004018, "main window"},
    {1004033, 1004033, "main window"}, {1004036, 1004036, "main window"}, {1005008, 1005009, "project file"},
    {1005090, 1005091, "project file"}, {1005098, 1005099, "printer no longer present"},
    {1006001, 1006116, "report and fax inquiry"}, {1006120, 1006155, "component labels and first inquiry heading"},
    {1007008, 1007027, "device variants, labels and classes"},
    {1007051, 1007056, "device variants, labels and classes"}, {1008000, 1008018, "data-kind list"},
    {1009000, 1009021, "cabinet choice lists"}, {1010000, 1010001, "printer dialog"},
    {1011001, 1011003, "power-supply dialog"}, {1012040, 1012057, "diagrams"}
};
// clang-format on

// Numbers inside those spans that no message box, dialog, report line or list uses: the
// message box has no buttons 71560 and 71561, the report and inquiry never print the
// listed 1006xxx texts, the device description has no label 1007018, and the cabinet
// lists are 1009000-1009004, 1009010-1009012 and 1009020-1009021. A language may leave
// them out; if one holds such a text, the others must too.
const Range kWithoutUse[] = {{71560, 71561, ""},     {1006020, 1006021, ""}, {1006078, 1006078, ""},
                             {1006080, 1006080, ""}, {1006083, 1006086, ""}, {1006094, 1006094, ""},
                             {1006099, 1006099, ""}, {1006102, 1006109, ""}, {1007018, 1007018, ""},
                             {1009005, 1009009, ""}, {1009013, 1009019, ""}};

bool withoutUse(std::uint32_t n) {
    return std::any_of(std::begin(kWithoutUse), std::end(kWithoutUse),
                       [n](const Range& r) { return n >= r.first && n <= r.last; });
}

// The shipped languages as loaded from beside the executables, with the load errors.
struct Shipped {
    std::map<std::string, Language> languages;
    std::map<std::string, QString> errors;
    Shipped() {
        for (const char* code : kCodes) {
            languages[code].setModuleMessageHandler([](const QString&) {});
            if (QString error;
                !languages[code].LoadLanguage(qEnvironmentVariable("ZEK_BIN_DIR"), code, &error))
                errors[code] = error;
        }
    }
};

const Language& shipped(const char* code) {
    static const Shipped instance;
    const auto error = instance.errors.find(code);
    EXPECT_TRUE(error == instance.errors.end()) << qPrintable(error->second);
    return instance.languages.at(code);
}

// Number literals in the sources that name texts: the code texts (1 000 001 .. 1 011 999)
// and the message-box and key texts (70 000 .. 71 999), with the files they occur in.
std::map<std::uint32_t, QString> numbersUsedInCode() {
    std::map<std::uint32_t, QString> used;
    const QRegularExpression literal(
        QStringLiteral("(?<![\\w'.])(10(?:0\\d|1[01])\\d{3}|7[01]\\d{3})(?![\\w'.])"));
    const QDir root(QStringLiteral(ZEK_SOURCE_DIR "/src"));
    for (QDirIterator it(root.path(), {"*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        QFile file(path);
        // The language layer's own numbers are the table's; src/i18n is checked by its tests.
        if (path.contains(QStringLiteral("/src/i18n/")) || !file.open(QIODevice::ReadOnly))
            continue;
        for (auto match = literal.globalMatch(QString::fromUtf8(file.readAll())); match.hasNext();) {
            const std::uint32_t n = match.next().captured(1).toUInt();
            // mm² to m², and the first number of the table: not texts
            if (n != 1000000 && n != 70000)
                used.emplace(n, root.relativeFilePath(path));
        }
    }
    return used;
}

TEST(ShippedTexts, no_language_lacks_a_number_that_the_code_or_another_language_has) {
    std::map<std::uint32_t, QString> wanted;
    for (const Range& r : kInUse)
        for (std::uint32_t n = r.first; n <= r.last; ++n)
            if (!withoutUse(n))
                wanted.emplace(n, QString::fromLatin1(r.use));
    for (const auto& [n, where] : numbersUsedInCode())
        wanted.emplace(n, "used at " + where);
    for (const char* code : kCodes)
        for (std::uint32_t n : shipped(code).numbers())
            wanted.emplace(n, QStringLiteral("present in ") + code);
    for (const char* code : kCodes) {
        const Language& language = shipped(code);
        // The module beside the executables matches its table, so it stays loaded.
        EXPECT_TRUE(language.moduleLoaded()) << code;
        EXPECT_EQ(language.GetLangText(Language::kLanguageText), code);
        std::map<QString, std::string> missing;
        for (const auto& [n, use] : wanted)
            if (!language.findText(n))
                missing[use] += ' ' + std::to_string(n);
        for (const auto& [use, numbers] : missing)
            ADD_FAILURE() << code << " lacks the texts of " << qPrintable(use) << ":" << numbers;
    }
}

// Resolves every "{singular|plural}" group the way the report does for a count.
std::string countForm(std::string text, bool plural) {
    for (std::size_t open; (open = text.find('{')) != std::string::npos;) {
        const std::size_t bar = text.find('|', open), close = text.find('}', open);
        if (bar == std::string::npos || close == std::string::npos || bar > close)
            break;
        const std::string part =
            plural ? text.substr(bar + 1, close - bar - 1) : text.substr(open + 1, bar - open - 1);
        text.replace(open, close - open + 1, part);
    }
    return text;
}

struct Fit {
    const char* place;
    std::vector<std::uint32_t> numbers; // joined in this order, with sample values between
    std::vector<const char*> samples;   // inserted after the text of the same index
    std::size_t maxChars;
};

TEST(ShippedTexts, texts_fit_the_places_that_show_them) {
    // Report value lines: the label is dot-filled to column 56 and anything longer is cut,
    // so a label needs at most 55 characters to keep one dot before the value.
    std::vector<Fit> fits = {
        {"total loss label", {1006049}, {""}, 55},
        {"wall heat label", {1006051}, {""}, 55},
        {"negative wall heat label (minus sign in column 57)", {1006053}, {""}, 54},
        {"cooling power label", {1006055}, {""}, 55},
        {"inside temperature label", {1006057}, {""}, 55},
        {"air flow label", {1006058}, {""}, 55},
        {"wall heat at minimum label", {1006059}, {""}, 55},
        {"heating power label", {1006062}, {""}, 55},
        // Component lines: count in columns 1-4, label from column 6, cut at column 55.
        {"circuit breaker line", {1006039}, {"4000 A"}, 50},
        {"transformer line", {1006041, 1006042}, {"1000", ""}, 50},
        {"frequency converter line", {1006044, 1006045, 1006046}, {"", " 250", "(100%/100%)"}, 50},
        // Fax date line: 51 blanks, the label, a date of up to 10 characters, 79 columns.
        {"fax date label", {1006088}, {""}, 79 - 51 - 10},
    };
    // Component labels: a kind name (fuses 1006120-1006122 and 1006154, power supplies
    // 1006145-1006147 and 1006155) with its rating, or the whole label.
    for (std::uint32_t n = 1006120; n <= 1006155; ++n) {
        if (n <= 1006122 || n == 1006154)
            fits.push_back({"fuse line", {n, 1006040}, {"", "100 A"}, 50});
        else if ((n >= 1006145 && n <= 1006147) || n == 1006155)
            fits.push_back({"power supply line", {n, 1006043}, {"", "24V/10A"}, 50});
        else if (n <= 1006151)
            fits.push_back({"component line", {n}, {""}, 50});
    }
    for (const char* code : kCodes) {
        const Language& language = shipped(code);
        for (const Fit& fit : fits) {
            // A missing text (reported by the completeness test) only shortens the line.
            std::string line;
            for (std::size_t i = 0; i < fit.numbers.size(); ++i)
                line += language.GetLangText(fit.numbers[i]) + fit.samples[i];
            for (bool plural : {false, true}) {
                const std::string shown = countForm(line, plural);
                EXPECT_LE(shown.size(), fit.maxChars)
                    << code << ", " << fit.place << ": \"" << zek::cp1252ToUtf8(shown) << "\" is cut";
            }
        }
    }
}

TEST(ShippedTexts, texts_shown_on_one_line_hold_no_line_break) {
    // clang-format off
    const Range singleLine[] = {
        {71551, 71583, "message box captions, buttons and key names"}, {1000001, 1000008, "dialog buttons"},
        {1006001, 1006003, "units and device headings"}, {1006004, 1006078, "report labels"},
        {1006096, 1006098, "dimension labels"}, {1006110, 1006116, "report labels"},
        {1006120, 1006155, "component labels"}, {1007008, 1007027, "device variants and labels"},
        {1007051, 1007056, "device classes"}, {1008000, 1008030, "data-kind list"},
        {1009000, 1009021, "choice lists"}, {1010000, 1010001, "printer tabs"},
        {1011001, 1011003, "power-supply kinds"},
    };
    // clang-format on
    for (const char* code : kCodes) {
        const Language& language = shipped(code);
        for (const Range& r : singleLine)
            for (std::uint32_t n = r.first; n <= r.last; ++n) {
                const std::string text = language.GetLangText(n);
                EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos)
                    << code << " " << n << " (" << r.use << ") breaks the line: " << zek::cp1252ToUtf8(text);
            }
    }
}

// Lines without a 9-digit number, or repeating one, are left out when the archive is
// packed (with a warning in the build output); none should be.
TEST(ShippedTexts, packing_left_no_source_line_out) {
    for (const char* code : kCodes) {
        const QDir folder(QStringLiteral(ZEK_SOURCE_DIR "/data/lang/") + QString::fromLatin1(code).mid(2));
        std::size_t lines = 0;
        for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            for (const QString& line : QString::fromUtf8(file.readAll())
                                           .remove(QChar(0xFEFF))
                                           .split(QRegularExpression("\r\n|\r|\n")))
                lines += !line.isEmpty() && !line.startsWith('#');
        }
        EXPECT_EQ(shipped(code).lineCount(), lines)
            << "data/lang/" << code + 2 << ": see the zek-langpack warnings of the build";
    }
}

} // namespace
