#include "report/chart/DiagrammDateien.h"

#include "report/chart/DiagrammZeichner.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>

namespace zek {
namespace {

// A picture is laid out on an A4 landscape page in 0.1 mm, like a printed page.
constexpr int kSeiteBreite = 2970, kSeiteHoehe = 2100;
constexpr int kBildRand = 100;                     // 10 mm around an SVG or PNG picture
constexpr int kPngBreite = 1754, kPngHoehe = 1240; // the page at 150 dpi
constexpr int kSchrifthoehe = 28;                  // 2.8 mm
// Below this a diagram has no room for its axes and legend.
constexpr int kMindestflaeche = 800; // 80 mm

void zeichneSeite(QPainter& painter, const QRectF& flaeche, const Diagrammseite& seite) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kSchrifthoehe);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    ZeichneDiagramme(painter, flaeche, seite.diagramme, seite.texte, seite.titelzeilen);
}

QString nichtGeschrieben(const TextSource& texts, const QString& path, const QString& grund) {
    QString text = Meldungstext(texts, txt::diagramm::NichtGeschrieben,
                                "Die Diagrammdatei konnte nicht geschrieben werden: ") +
                   path;
    if (!grund.isEmpty())
        text += QStringLiteral(" (") + grund + QLatin1Char(')');
    return text;
}

// Beside the file first, so that a failed write leaves the old one as it was.
QString schreibe(const QString& path, const QByteArray& bytes, const TextSource& texts) {
    QSaveFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly))
        return nichtGeschrieben(texts, path, file.errorString());
    if (bytes.isEmpty() || file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return nichtGeschrieben(texts, path, file.errorString());
    }
    return file.commit() ? QString() : nichtGeschrieben(texts, path, file.errorString());
}

} // namespace

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
    zeichneSeite(painter, flaeche, seite);
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

QByteArray DiagrammSvg(const Diagrammseite& seite, const QString& titel) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(kSeiteBreite, kSeiteHoehe));
    svg.setViewBox(QRect(0, 0, kSeiteBreite, kSeiteHoehe));
    svg.setResolution(254); // one unit is 0.1 mm
    svg.setTitle(titel);
    QPainter painter(&svg);
    zeichneSeite(painter,
                 QRectF(kBildRand, kBildRand, kSeiteBreite - 2 * kBildRand, kSeiteHoehe - 2 * kBildRand),
                 seite);
    painter.end();
    return bytes;
}

QByteArray DiagrammPng(const Diagrammseite& seite) {
    QImage image(kPngBreite, kPngHoehe, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(double(kPngBreite) / kSeiteBreite, double(kPngHoehe) / kSeiteHoehe);
        zeichneSeite(painter,
                     QRectF(kBildRand, kBildRand, kSeiteBreite - 2 * kBildRand, kSeiteHoehe - 2 * kBildRand),
                     seite);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString SchreibeDiagrammSvg(const QString& path, const Diagrammseite& seite, const QString& titel,
                            const TextSource& texts) {
    return schreibe(path, DiagrammSvg(seite, titel), texts);
}

QString SchreibeDiagrammPng(const QString& path, const Diagrammseite& seite, const TextSource& texts) {
    return schreibe(path, DiagrammPng(seite), texts);
}

} // namespace zek
