#include "report/print/Drucke.h"

#include "core/Cp1252.h"
#include "core/TextSource.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace zek {

QString Meldungstext(const TextSource& texts, std::uint32_t number, const char* german) {
    const std::string text = texts.GetLangText(number);
    return text.empty() ? QString::fromUtf8(german) : fromCp1252(text);
}

namespace {

// Ends the job on every way out of the print loop, also when a page could not be started.
class DruckJob {
public:
    explicit DruckJob(QPainter& painter) : m_painter(painter) {}
    ~DruckJob() {
        if (m_painter.isActive())
            m_painter.end();
    }
    DruckJob(const DruckJob&) = delete;
    DruckJob& operator=(const DruckJob&) = delete;

private:
    QPainter& m_painter;
};

} // namespace

bool RaenderLassenPlatz(const PrinterBlock& block, int seitenhoehe) {
    const int verfuegbar = seitenhoehe - (int(block.ObererRand) + int(block.UntererRand)) * 10;
    return int(block.ObererRand) * 10 <= verfuegbar;
}

std::vector<ZeilenPosition> Seitenumbruch(std::size_t count, const PrinterBlock& block, int seitenhoehe) {
    std::vector<ZeilenPosition> result;
    if (!RaenderLassenPlatz(block, seitenhoehe))
        return result;
    result.reserve(count);
    const int oben = int(block.ObererRand) * 10;
    const int grenze = seitenhoehe - (int(block.ObererRand) + int(block.UntererRand)) * 10;
    const int x = int(block.LinkerRand) * 10;
    int seite = 0;
    int y = oben;
    for (std::size_t i = 0; i < count; ++i) {
        if (grenze < y) {
            ++seite;
            y = oben;
        }
        result.push_back({seite, x, y});
        y += kDruckZeilenabstand;
    }
    return result;
}

QFont DruckSchrift() {
    QFont font(QString::fromLatin1(kDruckSchriftart));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kDruckSchrifthoehe);
    return font;
}

QString Namensteil(const QString& projectFileName) {
    const qsizetype cut = std::max({projectFileName.lastIndexOf(QLatin1Char('\\')),
                                    projectFileName.lastIndexOf(QLatin1Char('/')),
                                    projectFileName.lastIndexOf(QLatin1Char(':'))});
    return projectFileName.mid(cut + 1);
}

QString DruckJobTitel(const QString& projectFileName) {
    if (projectFileName.isEmpty())
        return QStringLiteral("ZEK 2.2");
    return QStringLiteral("ZEK 2.2 - ") + Namensteil(projectFileName);
}

DruckErgebnis Drucke(const std::vector<std::string>& lines, const PrinterBlock& block,
                     const QString& jobTitle, QPagedPaintDevice& device, const TextSource& texts) {
    DruckErgebnis result;
    // The printable area in 0.1 mm; its height decides the page breaks.
    const int breite = device.widthMM() * 10;
    const int seitenhoehe = device.heightMM() * 10;
    // A left margin beyond the paper's width would print nothing but blank pages.
    if (breite <= 0 || seitenhoehe <= 0 || !RaenderLassenPlatz(block, seitenhoehe) ||
        int(block.LinkerRand) * 10 >= breite) {
        result.ok = false;
        result.fehler = Meldungstext(texts, kTextRaenderZuGross,
                                     "Die Seitenränder lassen auf dem Papier keinen Platz für eine Zeile.");
        return result;
    }
    const std::vector<ZeilenPosition> positionen = Seitenumbruch(lines.size(), block, seitenhoehe);

    if (auto* pdf = dynamic_cast<QPdfWriter*>(&device)) {
        pdf->setTitle(jobTitle);
        pdf->setCreator(QStringLiteral("ZEK 2.2"));
    }

    QPainter painter;
    DruckJob job(painter);
    if (!painter.begin(&device)) {
        result.ok = false;
        result.fehler =
            Meldungstext(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
        return result;
    }
    result.seiten = 1;

    // Isotropic 0.1-mm mapping: one scale for both axes, the smaller one, so that the
    // whole printable area stays on the page.
    const double skala = std::min(double(device.width()) / breite, double(device.height()) / seitenhoehe);
    painter.scale(skala, skala);

    painter.setFont(DruckSchrift());
    painter.setPen(Qt::black);

    // The text box only anchors the top left corner: the line is drawn unclipped and
    // runs beyond the right margin rather than being wrapped.
    constexpr int kOhneGrenze = 1000000;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine;
    int seite = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ZeilenPosition& pos = positionen[i];
        if (pos.seite != seite) {
            if (!device.newPage()) {
                result.ok = false;
                result.fehler =
                    Meldungstext(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
                return result;
            }
            seite = pos.seite;
            ++result.seiten;
        }
        painter.drawText(QRectF(pos.x, pos.y, kOhneGrenze, kDruckZeilenabstand), flags, fromCp1252(lines[i]));
    }
    if (!painter.end()) {
        result.ok = false;
        result.fehler =
            Meldungstext(texts, kTextDruckFehler, "Der Druckauftrag konnte nicht ausgeführt werden.");
    }
    return result;
}

DruckErgebnis DruckeInPdf(const QString& pdfPath, QPageLayout::Orientation orientation,
                          const TextSource& texts,
                          const std::function<DruckErgebnis(QPagedPaintDevice&)>& drucke) {
    const auto nichtGeschrieben = [&](const QString& grund) {
        DruckErgebnis result;
        result.ok = false;
        result.fehler =
            Meldungstext(texts, kTextPdfNichtGeschrieben, "Die PDF-Datei konnte nicht geschrieben werden: ") +
            pdfPath;
        if (!grund.isEmpty())
            result.fehler += QStringLiteral(" (") + grund + QLatin1Char(')');
        return result;
    };

    QSaveFile file(pdfPath);
    if (pdfPath.isEmpty() || !file.open(QIODevice::WriteOnly))
        return nichtGeschrieben(file.errorString());

    DruckErgebnis result;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(0, 0, 0, 0),
                                         QPageLayout::Millimeter));
        result = drucke(writer);
    }
    if (!result.ok) {
        file.cancelWriting();
        return result;
    }
    if (!file.commit())
        return nichtGeschrieben(file.errorString());
    return result;
}

DruckErgebnis DruckePdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                        const QString& jobTitle, const QString& pdfPath, const TextSource& texts) {
    return DruckeInPdf(pdfPath, QPageLayout::Portrait, texts, [&](QPagedPaintDevice& writer) {
        return Drucke(lines, block, jobTitle, writer, texts);
    });
}

} // namespace zek
