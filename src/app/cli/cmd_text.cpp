// zek-cli text NUMBER [--lang CODE] [--data-dir DIR]: prints one language text, so the
// shipped texts can be checked without the desktop program.
#include "Command.h"

#include "core/Cp1252.h"
#include "i18n/Language.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int usage() {
    std::fprintf(stderr, "usage: zek-cli text NUMBER [--lang zkdeu|zkeng|zkfra] [--data-dir DIR]\n");
    return zek::cli::kExitUsage;
}

int runText(const QStringList& args) {
    using namespace zek::cli;
    QString number, code = QStringLiteral("zkdeu"), dataDir = QCoreApplication::applicationDirPath();
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            std::printf("Prints the language text of NUMBER in the language CODE (default zkdeu), read\n"
                        "from the program's data folder (default: the folder of zek-cli).\n");
            return kExitOk;
        }
        if ((a == "--lang" || a == "--data-dir") && i + 1 < args.size()) {
            (a == "--lang" ? code : dataDir) = args[++i];
        } else if (!a.startsWith('-') && number.isEmpty()) {
            number = a;
        } else {
            return usage();
        }
    }
    bool ok = false;
    const qulonglong value = number.toULongLong(&ok);
    if (!ok || value > 999'999'999u)
        return usage();

    zek::Language language;
    language.setModuleMessageHandler([](const QString& message) {
        std::fprintf(stderr, "%s\n", qPrintable(QString(message).replace("\r\n", "\n")));
    });
    QString error;
    if (!language.LoadLanguage(dataDir, code.toStdString(), &error)) {
        std::fprintf(stderr, "zek-cli text: %s\n", error.toUtf8().constData());
        return kExitNoData;
    }
    if (language.lineCount() == 0) {
        std::fprintf(stderr, "zek-cli text: the %s texts are empty (%s)\n", qPrintable(code),
                     qPrintable(language.textOrigin()));
        return kExitNoData;
    }
    const auto number32 = static_cast<std::uint32_t>(value);
    // Numbers below 70000 belong to the language module; the table answers the rest.
    const std::optional<std::string> text = number32 >= zek::Language::kFirstTableNumber
                                                ? language.findText(number32)
                                                : std::optional<std::string>(language.GetLangText(number32));
    if (!text) {
        std::fprintf(stderr, "zek-cli text: text %llu is not in the %s texts\n", value, qPrintable(code));
        return kExitNoData;
    }
    const QString shown = zek::fromCp1252(*text).replace("\r\n", "\n");
    std::printf("%s\n", shown.toUtf8().constData());
    return kExitOk;
}

const zek::cli::CommandRegistration reg{{"text", "prints a language text by number", runText}};

} // namespace
