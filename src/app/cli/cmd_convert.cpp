// zek-cli convert IN OUT.Z20 [--data-dir DIR] [--lang CODE]: reads a project file or
// imports a version 1.1 project and writes it as a project file.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"
#include "i18n/Language.h"
#include "io/IoTexts.h"
#include "io/ProjectFile.h"
#include "io/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace {

constexpr const char* kUsage = "zek-cli convert IN OUT.Z20 [--data-dir DIR] [--lang zkdeu|zkeng|zkfra]";

int runConvert(const QStringList& args) {
    using namespace zek;
    using namespace zek::cli;
    ParsedArgs parsed;
    QString error;
    if (!parseArgs(args, kDataOptions, {}, parsed, error))
        return usageError("convert", error, kUsage);
    if (parsed.has("--help")) {
        std::printf("usage: %s\n\n"
                    "Reads IN (a project file .Z20, or a version 1.1 project .ZEK in any letter case)\n"
                    "and writes it to OUT as a project file. The settings (ZEK.INI, else ZEK.DEF) and\n"
                    "the language texts come from DIR, by default the folder of zek-cli; the language\n"
                    "is CODE, else the one of the settings.\n",
                    kUsage);
        return kExitOk;
    }
    if (parsed.files.size() != 2)
        return usageError("convert", QStringLiteral("needs an input and an output file"), kUsage);

    // A new project starts from the default cabinet of the settings.
    const QDir dir(dataDir(parsed));
    Settings settings;
    readDataSettings(settings, dir.path());

    // Messages come in the user's language when its texts are there; the conversion
    // itself needs none of them.
    Language language;
    language.setModuleMessageHandler([](const QString&) {});
    const QString code = languageCode(parsed, settings.data());
    if (!validLanguageCode(code))
        return usageError("convert", code + " is no language code", kUsage);
    NoTexts noTexts;
    const TextSource* texts = &noTexts;
    if (language.LoadLanguage(dir.path(), code.toStdString()) && language.lineCount() > 0)
        texts = &language;

    const QString in = parsed.files[0];
    const QString out = parsed.files[1];
    Project project(settings.data());
    if (!readProject(project, settings.data(), *texts, in, error)) {
        std::fprintf(stderr, "zek-cli convert: %s\n", error.toUtf8().constData());
        return kExitInput;
    }

    // Nobody can be asked here, so a write-protected target stays as it is.
    const IoResult r = WriteProjectFile(project, out, *texts, [](const std::string&) { return false; });
    switch (r.status) {
    case IoStatus::Ok:
        return kExitOk;
    case IoStatus::Declined:
        printError("convert",
                   ioText(*texts, kTextReadOnlyFile) + " " + toCp1252(QDir::toNativeSeparators(out)));
        return kExitInput;
    case IoStatus::ReplaceFailed:
        printError("convert",
                   ioTextWithFile(*texts, kTextCannotWrite, out) + " (" + std::strerror(r.ioCode) + ")");
        return kExitInput;
    default:
        printError("convert", r.message);
        return kExitInput;
    }
}

const zek::cli::CommandRegistration reg{
    {"convert", "convert a project (.Z20 or version 1.1 .ZEK) into a project file", runConvert}};

} // namespace
