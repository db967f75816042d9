// The library behind zek-cli's --pdf and chart: the only part of the command line that
// uses Qt GUI.
#include "PdfModule.h"

#include "report/Diagramm.h"
#include "report/chart/DiagrammDateien.h"
#include "report/print/Drucke.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

using namespace zek;

namespace {

// A PDF whose bytes go to the caller (standard output) rather than into a file.
DruckErgebnis pdfBytes(QByteArray& bytes, QPageLayout::Orientation orientation,
                       const std::function<DruckErgebnis(QPagedPaintDevice&)>& drucke) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    return drucke(writer);
}

void setOutcome(pdf_module::Outcome& outcome, const QString& error) {
    outcome.ok = error.isEmpty();
    outcome.error = error;
    if (!outcome.ok)
        outcome.bytes.clear();
}

} // namespace

// Drawing needs fonts and so a GUI application; the offscreen platform keeps zek-cli free
// of any display.
extern "C" Q_DECL_EXPORT QCoreApplication* zekPdfMakeApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

// "-" gives the PDF's bytes to the caller; any other name is written safely beside itself.
extern "C" Q_DECL_EXPORT void zekPdfWrite(const pdf_module::Job& job, pdf_module::Outcome& outcome) {
    const QString title = DruckJobTitel(job.projectFile);
    const auto drucke = [&](QPagedPaintDevice& writer) {
        return Drucke(*job.lines, *job.block, title, writer, *job.texts);
    };
    const DruckErgebnis r = job.target == QLatin1String("-")
                                ? pdfBytes(outcome.bytes, QPageLayout::Portrait, drucke)
                                : DruckeInPdf(job.target, QPageLayout::Portrait, *job.texts, drucke);
    setOutcome(outcome, r.fehler);
}

extern "C" Q_DECL_EXPORT void zekPdfChart(const pdf_module::ChartJob& job, pdf_module::Outcome& outcome) {
    using pdf_module::ChartFormat;
    const DiagrammTexte texte = LadeDiagrammTexte(*job.texts);
    const Diagrammseite seite{*job.diagramme, texte,
                              DiagrammTitelzeilen(*job.project, *job.texts, job.projectFile, job.datum)};
    const QString title = DruckJobTitel(job.projectFile);
    const bool bytes = job.target == QLatin1String("-");
    QString error;
    switch (job.format) {
    case ChartFormat::Svg:
        if (bytes)
            outcome.bytes = DiagrammSvg(seite, title);
        else
            error = SchreibeDiagrammSvg(job.target, seite, title, *job.texts);
        break;
    case ChartFormat::Png:
        if (bytes)
            outcome.bytes = DiagrammPng(seite);
        else
            error = SchreibeDiagrammPng(job.target, seite, *job.texts);
        break;
    case ChartFormat::Pdf:
        if (bytes)
            error = pdfBytes(outcome.bytes, QPageLayout::Landscape, [&](QPagedPaintDevice& writer) {
                        return DruckeDiagramme(seite, *job.block, title, writer, *job.texts);
                    }).fehler;
        else
            error = SchreibeDiagrammPdf(job.target, seite, *job.block, title, *job.texts);
        break;
    }
    setOutcome(outcome, error);
}
