// The library behind zek-cli's --pdf: the only part of the command line that uses Qt GUI.
#include "PdfModule.h"

#include "report/print/Drucke.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

using namespace zek;

// Drawing a PDF needs fonts and so a GUI application; the offscreen platform keeps
// zek-cli free of any display.
extern "C" Q_DECL_EXPORT QCoreApplication* zekPdfMakeApplication(int& argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
}

// "-" gives the PDF's bytes to the caller; any other name is written safely beside itself.
extern "C" Q_DECL_EXPORT void zekPdfWrite(const pdf_module::Job& job, pdf_module::Outcome& outcome) {
    const QString title = DruckJobTitel(job.projectFile);
    DruckErgebnis r;
    if (job.target == QLatin1String("-")) {
        QBuffer buffer(&outcome.pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        r = Drucke(*job.lines, *job.block, title, writer, *job.texts);
    } else {
        r = DruckePdf(*job.lines, *job.block, title, job.target, *job.texts);
    }
    outcome.ok = r.ok;
    outcome.error = r.fehler;
    if (!r.ok)
        outcome.pdf.clear();
}
