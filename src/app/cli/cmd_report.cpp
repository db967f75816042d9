// zek-cli report PROJECT [--fax] ...: the result report (or the fax inquiry) of a project
// as the desktop program builds it, with the stored device selection confirmed at once.
#include "Command.h"
#include "Common.h"
#include "Target.h"

#include "core/Cp1252.h"

#ifdef ZEK_CLI_PDF
#include "PdfExport.h"
#endif

namespace {

using namespace zek;
using namespace zek::cli;

#ifdef ZEK_CLI_PDF
// Whether --pdf can be done at all: the library must have been loaded at the start.
int checkPdf(Invocation& call) {
    const PdfExport* pdf = call.pdfExport();
    if (pdf && pdf->loaded())
        return kExitOk;
    call.message(call.text(kTextNoPdfModule).arg(pdf ? pdf->error() : QString()));
    return kExitNoData;
}

// "-" sends the PDF to standard output; any other name is written safely beside itself.
int writePdf(Invocation& call, const std::vector<std::string>& lines, const PrinterBlock& block,
             const QString& projectFile, const QString& target) {
    return deliver(call, call.pdfExport()->write({&lines, &block, projectFile, target, &call.language()}),
                   target);
}
#else
int checkPdf(Invocation& call) {
    call.message(call.text(kTextNoPdfLayer));
    return kExitUsage;
}

int writePdf(Invocation&, const std::vector<std::string>&, const PrinterBlock&, const QString&,
             const QString&) {
    return kExitUsage;
}
#endif

int runReport(Invocation& call) {
    if (call.files().size() != 1)
        return call.usageError(call.text(kTextOneProject));
    Encoding encoding;
    if (!parseEncoding(call.value("--encoding"), encoding))
        return call.usageError(call.text(kTextUnknownEncoding).arg(call.value("--encoding")));
    Datum heute;
    if (const int rc = call.date(heute); rc != kExitOk)
        return rc;
    if (call.has("--pdf"))
        if (const int rc = checkPdf(call); rc != kExitOk)
            return rc;
    if (const int rc = call.loadData(); rc != kExitOk)
        return rc;
    const QString file = call.files().front();
    const QString pdf = call.value("--pdf");
    if (call.has("--pdf") && pdf != "-")
        if (const int rc = checkTarget(call, pdf, file); rc != kExitOk)
            return rc;
    Project project(call.settings());
    if (const int rc = call.readProject(project, file); rc != kExitOk)
        return rc;

    StoredTicksSelector selector([&call](std::uint32_t text) {
        call.message(fromCp1252(call.language().GetLangText(text)).replace("\r\n", "\n"));
    });
    const ReportContext ctx{
        project.data(), call.settings(), call.language(), call.devices(), selector, toCp1252(file), heute};
    TZEKCollection lines;
    bool abbruch = false; // confirmed at once, never cancelled
    if (call.has("--fax"))
        lines.ErstelleAnfrage(ctx, abbruch);
    else
        lines.ErstelleErgebnis(ctx, abbruch);

    if (call.has("--pdf"))
        return writePdf(call, lines.lines(),
                        call.has("--fax") ? call.settings().Fax : call.settings().Drucker, file, pdf);
    call.writeLines(lines.lines(), encoding);
    return kExitOk;
}

const CommandRegistration reg{{
    "report",
    "print the result report or the fax inquiry of a project",
    "PROJECT",
    "Prints every line of the result report of PROJECT (a .Z20 project file, a version\n"
    "1.1 .ZEK file, or a file of another name that holds either), or with --fax the\n"
    "inquiry to the device supplier. The devices are those ticked in the project's\n"
    "stored selection. A stored value that no page of the program accepts is named on\n"
    "standard error, with the value the report uses.\n",
    {
        {"--fax", nullptr, "the fax inquiry instead of the result report"},
        kDataDirOption,
        kLangOption,
        {"--date", "D.M.YYYY", "the date printed in the report (default: today)"},
        kEncodingOption,
        {"--pdf", "OUT.pdf",
         "print the lines into OUT.pdf (A4) with the margins of the settings'\n"
         "result printer (fax printer with --fax) instead of standard output;\n"
         "\"-\" writes the PDF to standard output. OUT.pdf must not be the\n"
         "project, nor a FIFO or a device"},
        kStrictOption,
    },
    runReport,
}};

} // namespace
