// zek-cli report PROJECT [--fax] ...: the result report (or the fax inquiry) of a project
// as the desktop program builds it, with the stored device selection confirmed at once.
#include "Command.h"
#include "Common.h"

#include "core/Cp1252.h"

#include <cstdio>
#ifdef ZEK_CLI_PDF
#include "report/print/Drucke.h"
#endif

namespace {

using namespace zek;
using namespace zek::cli;

constexpr const char* kUsage =
    "zek-cli report PROJECT [--fax] [--data-dir DIR] [--lang CODE] [--date D.M.YYYY] "
    "[--encoding utf-8|cp1252] [--pdf OUT.pdf]";

int writePdf(const std::vector<std::string>& lines, const PrinterBlock& block, const QString& projectFile,
             const QString& pdf, const TextSource& texts) {
#ifdef ZEK_CLI_PDF
    const DruckErgebnis r = DruckePdf(lines, block, DruckJobTitel(projectFile), pdf, texts);
    if (!r.ok) {
        std::fprintf(stderr, "zek-cli report: %s\n", r.fehler.toUtf8().constData());
        return kExitInput;
    }
    return kExitOk;
#else
    (void)lines, (void)block, (void)projectFile, (void)pdf, (void)texts;
    std::fprintf(stderr, "zek-cli report: --pdf needs the printing layer, which this build leaves out\n");
    return kExitUsage;
#endif
}

int runReport(const QStringList& args) {
    ParsedArgs a;
    QString error;
    if (!parseArgs(args, kDataOptions + QStringList{"--date", "--encoding", "--pdf"}, {"--fax"}, a, error))
        return usageError("report", error, kUsage);
    if (a.has("--help")) {
        std::printf(
            "usage: %s\n\n"
            "Prints every line of the result report of PROJECT (a .Z20 project file or a\n"
            "version 1.1 .ZEK file), or with --fax the inquiry to the device supplier.\n"
            "The devices are those ticked in the project's stored selection.\n\n"
            "  --data-dir DIR   folder of the texts, device tables and settings (default: beside zek-cli)\n"
            "  --lang CODE      zkdeu, zkeng or zkfra (default: the settings' language, else zkdeu)\n"
            "  --date D.M.YYYY  the date printed in the report (default: today)\n"
            "  --encoding E     utf-8 (default) or cp1252\n"
            "  --pdf OUT.pdf    print the lines into OUT.pdf (A4) with the margins of the settings'\n"
            "                   result printer (fax printer with --fax) instead of standard output\n",
            kUsage);
        return kExitOk;
    }
    if (a.files.size() != 1)
        return usageError("report", "exactly one PROJECT is needed", kUsage);
    Encoding encoding;
    if (!parseEncoding(a.value("--encoding"), encoding))
        return usageError("report", "unknown encoding " + a.value("--encoding"), kUsage);
    Datum heute;
    if (!parseDate(a.value("--date"), heute))
        return usageError("report", "the date must be D.M.YYYY, not " + a.value("--date"), kUsage);

    Environment env;
    if (const int rc = env.load(a, "report"); rc != kExitOk)
        return rc;
    const QString file = a.files.front();
    Project project(env.settings());
    if (!readProject(project, env.settings(), env.language(), file, error)) {
        std::fprintf(stderr, "zek-cli report: %s\n", error.toUtf8().constData());
        return kExitInput;
    }

    StoredTicksSelector selector(
        [&env](std::uint32_t text) { printError("report", env.language().GetLangText(text)); });
    const ReportContext ctx{project.data(), env.settings(), env.language(), env.devices(),
                            selector,       toCp1252(file), heute};
    TZEKCollection lines;
    bool abbruch = false; // confirmed at once, never cancelled
    if (a.has("--fax"))
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);

    if (a.has("--pdf"))
        return writePdf(lines.lines(), a.has("--fax") ? env.settings().Fax : env.settings().Drucker, file,
                        a.value("--pdf"), env.language());
    writeLines(lines.lines(), encoding);
    return kExitOk;
}

const CommandRegistration reg{
    {"report", "prints the result report or the fax inquiry of a project", runReport}};

} // namespace
