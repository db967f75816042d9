#include "report/chart/DiagrammDateien.h"

#include "report/chart/DiagrammZeichner.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace zek {
namespace {

constexpr int kSchrifthoehe = 28; // 2.8 mm
// Below this a diagram has no room for its axes and legend.
constexpr int kMindestflaeche = 800; // 80 mm

} // namespace

void ZeichneDiagrammseite(QPainter& painter, const QRectF& flaeche, const Diagrammseite& seite) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kSchrifthoehe);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    ZeichneDiagramme(painter, flaeche, seite.diagramme, seite.texte, seite.titelzeilen);
}

DruckErgebnis DruckeDiagramme(const Diagrammseite& seite, const PrinterBlock& block, const QString& jobTitle,
                              QPagedPaintDevice& device, const TextSource& texts) {
    DruckErgebnis result;
    device.setPageOrientation(QPageLayout::Landscape);
    const int breite = device.widthMM() * 10, hoehe = device.heightMM() * 10;
    const QRectF flaeche(block.LinkerRand * 10, block.ObererRand * 10,
                         breite - (block.LinkerRand + block.RechterRand) * 10,
                         hoehe - (block.ObererRand + block.UntererRand) * 10);
    if (flaeche.width() < kMindestflaeche || flaeche.height() < kMindestflaeche) {
        result.ok = false;
        result.fehler = Meldungstext(texts, kTextRaenderZuGross,
                                     "Die Seitenränder lassen auf dem Papier keinen Platz für eine Zeile.");
        return result;
    }
    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device)) {
        pdf->setTitle(jobTitle);
        pdf->setCreator(QStringLiteral("ZEK 2.2"));
    }
    QPainter painter;
    if (!painter.begin(&device)) {
        result.ok = false;
        result.fehler =
            Meldungstext(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
        return result;
    }
    // One scale for both axes, so that the page in 0.1 mm keeps its proportions.
    const double skala = std::min(double(device.width()) / breite, double(device.height()) / hoehe);
    painter.scale(skala, skala);
    ZeichneDiagrammseite(painter, flaeche, seite);
    result.seiten = 1;
    if (!painter.end()) {
        result.ok = false;
        result.fehler =
            Meldungstext(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
    }
    return result;
}

QString SchreibeDiagrammPdf(const QString& path, const Diagrammseite& seite, const PrinterBlock& block,
                            const QString& jobTitle, const TextSource& texts) {
    return DruckeInPdf(path, QPageLayout::Landscape, texts,
                       [&](QPagedPaintDevice& writer) {
                           return DruckeDiagramme(seite, block, jobTitle, writer, texts);
                       })
        .fehler;
}

} // namespace zek
