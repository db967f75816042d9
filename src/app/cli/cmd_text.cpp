// zek-cli text NUMBER [--lang CODE] [--data-dir DIR]: prints one language text, so the
// shipped texts can be checked without the desktop program.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "i18n/Language.h"

#include <cstdio>

namespace {

constexpr const char* kUsage = "zek-cli text NUMBER [--lang zkdeu|zkeng|zkfra] [--data-dir DIR]";

int runText(const QStringList& args) {
    using namespace zek::cli;
    ParsedArgs parsed;
    QString error;
    if (!parseArgs(args, kDataOptions, {}, parsed, error))
        return usageError("text", error, kUsage);
    if (parsed.has("--help")) {
        std::printf(
            "usage: %s\n\nPrints the language text of NUMBER in the language CODE (default zkdeu), read\n"
            "from the data folder (default: the folder of zek-cli). Numbers below 70000 come\n"
            "from the language module.\n",
            kUsage);
        return kExitOk;
    }
    bool ok = parsed.files.size() == 1;
    const qulonglong value = ok ? parsed.files.front().toULongLong(&ok) : 0;
    if (!ok || value > 999'999'999u)
        return usageError("text", QStringLiteral("one text number of at most nine digits expected"), kUsage);
    const std::string code = parsed.value("--lang", QStringLiteral("zkdeu")).toStdString();

    zek::Language language;
    language.setModuleMessageHandler(
        [](const QString& message) { printError("text", zek::toCp1252(message)); });
    if (!language.LoadLanguage(dataDir(parsed), code, &error)) {
        printError("text", zek::toCp1252(error));
        return kExitNoData;
    }
    if (language.lineCount() == 0) {
        language.ReportEmptyTable();
        return kExitNoData;
    }
    const auto number = static_cast<std::uint32_t>(value);
    // The module answers below 70000 and has no empty texts; the table may hold empty ones.
    std::optional<std::string> text = language.findText(number);
    if (number < zek::Language::kFirstTableNumber) {
        text = language.GetLangText(number);
        if (text->empty())
            text.reset();
    }
    if (!text) {
        std::fprintf(stderr, "zek-cli text: text %llu is not in the %s texts\n", value, code.c_str());
        return kExitNoData;
    }
    std::printf("%s\n", zek::fromCp1252(*text).replace("\r\n", "\n").toUtf8().constData());
    return kExitOk;
}

const zek::cli::CommandRegistration reg{{"text", "prints a language text by number", runText}};

} // namespace
