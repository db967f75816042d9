#include "ui/result/ResultCommands.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"
#include "report/print/Drucke.h"
#include "ui/Interaction.h"
#include "ui/result/DruckerDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/PrinterSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>

namespace zek {

namespace {

QString text(const TextSource& texts, std::uint32_t number, const char* german) {
    const std::string t = texts.GetLangText(number);
    return t.empty() ? QString::fromUtf8(german) : fromCp1252(t);
}

// Asks for the PDF file and writes it; the proposal is the project's name with ".pdf",
// in the project's folder.
DruckAusgang alsPdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                    const QString& projectFileName, UserInteraction& ui, const TextSource& texts,
                    const QString& title) {
    QString directory;
    QString proposed = QStringLiteral("ZEK.pdf");
    if (!projectFileName.isEmpty()) {
        const QFileInfo info(Namensteil(projectFileName));
        proposed = (info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName()) + ".pdf";
        const QFileInfo project(projectFileName);
        if (project.isAbsolute() && project.dir().exists())
            directory = project.absolutePath();
    }
    QString path =
        ui.saveFileName(title, directory, {text(texts, kTextPdfFilter, "PDF-Dateien (*.pdf)")}, proposed);
    if (path.isEmpty())
        return DruckAusgang::Abgebrochen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const DruckErgebnis r = DruckePdf(lines, block, DruckJobTitel(projectFileName), path, texts);
    if (!r.ok) {
        ui.error(r.fehler);
        return DruckAusgang::Fehler;
    }
    return DruckAusgang::PdfGespeichert;
}

} // namespace

TErgebnisDlg* CreateErgebnisView(FormContext& context, const std::vector<std::string>& lines,
                                 QWidget* parent) {
    auto* view = new TErgebnisDlg(context, parent);
    view->ZeigeZeilen(lines);
    return view;
}

DruckAusgang DruckeZeilen(const std::vector<std::string>& lines, const PrinterBlock& block,
                          const QString& projectFileName, PrinterSystem& printers, UserInteraction& ui,
                          const TextSource& texts) {
    // The block's printer becomes the current one; a position that no longer exists, or
    // a system without any default printer, leaves the PDF file as the only way out.
    printers.setCurrentIndex(block.Index);
    const QString name = printers.printerName(block.Index);
    const QString title = DruckJobTitel(projectFileName);
    std::unique_ptr<QPagedPaintDevice> device = name.isEmpty() ? nullptr : printers.openPrinter(name, title);
    if (!device)
        return alsPdf(lines, block, projectFileName, ui, texts,
                      text(texts, kTextKeinDruckerPdf, "Kein Drucker verfügbar: Ausdruck als PDF speichern"));
    const DruckErgebnis r = Drucke(lines, block, title, *device, texts);
    if (!r.ok) {
        ui.error(r.fehler);
        return DruckAusgang::Fehler;
    }
    return DruckAusgang::Gedruckt;
}

DruckAusgang SpeichereAlsPdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                             const QString& projectFileName, UserInteraction& ui, const TextSource& texts) {
    return alsPdf(lines, block, projectFileName, ui, texts, text(texts, kTextPdfTitel, "Als PDF speichern"));
}

bool ZeigeDruckerDlg(FormContext& context, PrinterSystem& printers, QWidget* parent) {
    TDruckerDlg dialog(context, printers, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zek
