#include "ui/result/ResultCommands.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"
#include "report/chart/DiagrammDateien.h"
#include "report/print/Drucke.h"
#include "ui/Interaction.h"
#include "ui/result/DruckerDlg.h"
#include "ui/result/ErgebnisDlg.h"
#include "ui/result/PrinterSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <functional>

namespace zek {

namespace {

QString text(const TextSource& texts, std::uint32_t number, const char* german) {
    const std::string t = texts.GetLangText(number);
    return t.empty() ? QString::fromUtf8(german) : fromCp1252(t);
}

// What is printed: pages drawn on a paged device under a job title, and the paper's
// orientation when they go into a PDF file instead.
struct Vorlage {
    QPageLayout::Orientation ausrichtung;
    std::function<DruckErgebnis(QPagedPaintDevice& device, const QString& jobTitle)> drucke;
};

Vorlage zeilen(const std::vector<std::string>& lines, const PrinterBlock& block, const TextSource& texts) {
    return {QPageLayout::Portrait, [&](QPagedPaintDevice& device, const QString& jobTitle) {
                return Drucke(lines, block, jobTitle, device, texts);
            }};
}

Vorlage diagramme(const Diagrammseite& seite, const PrinterBlock& block, const TextSource& texts) {
    return {QPageLayout::Landscape, [&](QPagedPaintDevice& device, const QString& jobTitle) {
                return DruckeDiagramme(seite, block, jobTitle, device, texts);
            }};
}

// Asks for the PDF file and writes it; the proposal is the project's name with ".pdf",
// in the project's folder.
DruckAusgang alsPdf(const Vorlage& vorlage, const QString& projectFileName, UserInteraction& ui,
                    const TextSource& texts, const QString& title) {
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
    const QString jobTitle = DruckJobTitel(projectFileName);
    const DruckErgebnis r = DruckeInPdf(path, vorlage.ausrichtung, texts, [&](QPagedPaintDevice& writer) {
        return vorlage.drucke(writer, jobTitle);
    });
    if (!r.ok) {
        ui.error(r.fehler);
        return DruckAusgang::Fehler;
    }
    return DruckAusgang::PdfGespeichert;
}

// Why the printer printed nothing, in the user's language, with the print system's own
// words when it gave any.
QString ablehnung(const TextSource& texts, const QString& printer, const DruckerAntwort& antwort) {
    QString message;
    switch (antwort.zustand) {
    case DruckerZustand::Angehalten:
        message =
            text(texts, kTextDruckerAngehalten, "Der Drucker „%s“ ist angehalten. Es wurde nichts gedruckt.");
        break;
    case DruckerZustand::NimmtNichtAn:
        message = text(texts, kTextDruckerNimmtNichtAn,
                       "Der Drucker „%s“ nimmt keine Aufträge an. Es wurde nichts gedruckt.");
        break;
    case DruckerZustand::Unerreichbar:
        message =
            text(texts, kTextDrucksystemFehlt, "Das Drucksystem antwortet nicht. Es wurde nichts gedruckt.");
        break;
    default:
        message = text(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
        break;
    }
    message.replace(QLatin1String("%s"), printer);
    if (!antwort.detail.isEmpty())
        message += QStringLiteral(" (") + antwort.detail + QLatin1Char(')');
    return message;
}

// The block's printer becomes the current one. A position that no longer exists prints on
// the default printer; only a system without any printer leaves the PDF file.
DruckAusgang drucke(const Vorlage& vorlage, const PrinterBlock& block, const QString& projectFileName,
                    PrinterSystem& printers, UserInteraction& ui, const TextSource& texts) {
    printers.setCurrentIndex(block.Index);
    const QString name = printers.printerFor(block.Index);
    const QString title = DruckJobTitel(projectFileName);
    if (name.isEmpty())
        return alsPdf(vorlage, projectFileName, ui, texts,
                      text(texts, kTextKeinDruckerPdf, "Kein Drucker verfügbar: Ausdruck als PDF speichern"));
    const auto nichtGedruckt = [&](const DruckerAntwort& antwort) {
        ui.error(ablehnung(texts, name, antwort));
        return DruckAusgang::Fehler;
    };
    const DruckerAntwort zustand = printers.printerState(name);
    if (zustand.zustand != DruckerZustand::Bereit)
        return nichtGedruckt(zustand);
    const std::unique_ptr<DruckAuftrag> job = printers.openPrinter(name, title);
    if (!job)
        return nichtGedruckt({DruckerZustand::Fehler, {}});
    const DruckErgebnis r = vorlage.drucke(job->device(), title);
    if (!r.ok) {
        ui.error(r.fehler);
        return DruckAusgang::Fehler;
    }
    const DruckerAntwort antwort = job->submit();
    if (antwort.zustand != DruckerZustand::Bereit)
        return nichtGedruckt(antwort);
    return DruckAusgang::Gedruckt;
}

QString pdfTitel(const TextSource& texts) {
    return text(texts, kTextPdfTitel, "Als PDF speichern");
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
    return drucke(zeilen(lines, block, texts), block, projectFileName, printers, ui, texts);
}

DruckAusgang SpeichereAlsPdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                             const QString& projectFileName, UserInteraction& ui, const TextSource& texts) {
    return alsPdf(zeilen(lines, block, texts), projectFileName, ui, texts, pdfTitel(texts));
}

DruckAusgang DruckeDiagramm(const Diagrammseite& seite, const PrinterBlock& block,
                            const QString& projectFileName, PrinterSystem& printers, UserInteraction& ui,
                            const TextSource& texts) {
    return drucke(diagramme(seite, block, texts), block, projectFileName, printers, ui, texts);
}

DruckAusgang SpeichereDiagrammAlsPdf(const Diagrammseite& seite, const PrinterBlock& block,
                                     const QString& projectFileName, UserInteraction& ui,
                                     const TextSource& texts) {
    return alsPdf(diagramme(seite, block, texts), projectFileName, ui, texts, pdfTitel(texts));
}

bool ZeigeDruckerDlg(FormContext& context, PrinterSystem& printers, QWidget* parent) {
    TDruckerDlg dialog(context, printers, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zek
