// zek-cli chart PROJECT --svg OUT.svg | --png OUT.png | --pdf OUT.pdf: both diagrams of a
// project, the reserve of the selected devices over the ambient and the bare cabinet's
// inside temperature over its loss, on one landscape page. Only where the drawing
// library is built.
#ifdef ZEK_CLI_PDF
#include "Command.h"
#include "Common.h"
#include "PdfExport.h"
#include "Target.h"

#include "report/Diagramm.h"

namespace {

using namespace zek;
using namespace zek::cli;
using pdf_module::ChartFormat;

struct Output {
    const char* option;
    ChartFormat format;
};
constexpr Output kOutputs[] = {
    {"--svg", ChartFormat::Svg}, {"--png", ChartFormat::Png}, {"--pdf", ChartFormat::Pdf}};

int runChart(Invocation& call) {
    if (call.files().size() != 1)
        return call.usageError(call.text(kTextOneProject));
    const Output* output = nullptr;
    int outputs = 0;
    for (const Output& o : kOutputs)
        if (call.has(o.option)) {
            output = &o;
            ++outputs;
        }
    if (outputs != 1)
        return call.usageError(call.text(kTextOneChartOutput));
    Datum heute;
    if (const int rc = call.date(heute); rc != kExitOk)
        return rc;
    const PdfExport* library = call.pdfExport();
    if (!library || !library->loaded()) {
        call.message(call.text(kTextNoChartModule).arg(library ? library->error() : QString()));
        return kExitNoData;
    }
    if (const int rc = call.loadData(); rc != kExitOk)
        return rc;
    const QString file = call.files().front();
    const QString target = call.value(output->option);
    if (target != "-")
        if (const int rc = checkTarget(call, target, file); rc != kExitOk)
            return rc;
    Project project(call.settings());
    if (const int rc = call.readProject(project, file); rc != kExitOk)
        return rc;

    const Diagramme diagramme = ErstelleDiagramme(project.data(), call.devices());
    return deliver(call,
                   library->chart({&project.data(), &diagramme, &call.settings().Drucker, heute, file,
                                   output->format, target, &call.language()}),
                   target);
}

const CommandRegistration reg{{
    "chart",
    "draw the diagrams of a project as SVG, PNG or PDF",
    "PROJECT",
    "Draws both diagrams of PROJECT (.Z20, version 1.1 .ZEK, or a file of another name\n"
    "that holds either) on one A4 landscape page under the project's title lines: the\n"
    "cooling power needed over the ambient temperature with what each device of the\n"
    "stored selection delivers and its limit temperature, and the inside temperature of\n"
    "the cabinet without a climate device over its power loss. Exactly one of --svg,\n"
    "--png and --pdf names the output; \"-\" writes it to standard output. The output\n"
    "must not be the project, nor a FIFO or a device.\n",
    {
        {"--svg", "OUT.svg", "an SVG picture, every label kept as text"},
        {"--png", "OUT.png", "a PNG picture of 1754 x 1240 pixels (150 dpi)"},
        {"--pdf", "OUT.pdf", "a PDF page with the margins of the settings' result printer"},
        kDataDirOption,
        kLangOption,
        {"--date", "D.M.YYYY", "the date in the title lines (default: today)"},
        kStrictOption,
    },
    runChart,
}};

} // namespace
#endif
