#include "report/chart/DiagrammDateien.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

// The diagrams as SVG and PNG pictures: a file of its own, so that a program that only
// prints or shows them does not load the SVG library.
namespace zek {
namespace {

// A picture is laid out on an A4 landscape page in 0.1 mm, like a printed page.
constexpr int kSeiteBreite = 2970, kSeiteHoehe = 2100;
constexpr int kBildRand = 100;                     // 10 mm around an SVG or PNG picture
constexpr int kPngBreite = 1754, kPngHoehe = 1240; // the page at 150 dpi

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
    ZeichneDiagrammseite(
        painter, QRectF(kBildRand, kBildRand, kSeiteBreite - 2 * kBildRand, kSeiteHoehe - 2 * kBildRand),
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
        ZeichneDiagrammseite(
            painter, QRectF(kBildRand, kBildRand, kSeiteBreite - 2 * kBildRand, kSeiteHoehe - 2 * kBildRand),
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
