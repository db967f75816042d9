#include "report/chart/DiagrammZeichner.h"

#include "core/Cp1252.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace zek {
namespace {

// Colours that stay apart for colour-blind readers; dash patterns and markers carry the
// distinction on a black-and-white print.
const std::array<QColor, 7> kFarben = {
    QColor(0x00, 0x72, 0xB2), QColor(0xD5, 0x5E, 0x00), QColor(0x00, 0x9E, 0x73), QColor(0xCC, 0x79, 0xA7),
    QColor(0xE6, 0x9F, 0x00), QColor(0x56, 0xB4, 0xE9), QColor(0x60, 0x60, 0x60)};
// In pen widths: dash, gap, ...
const std::array<QList<qreal>, 6> kMuster = {QList<qreal>{5, 2},       QList<qreal>{1, 2},
                                             QList<qreal>{7, 2, 1, 2}, QList<qreal>{7, 2, 1, 2, 1, 2},
                                             QList<qreal>{12, 3},      QList<qreal>{3, 2, 3, 5}};
enum class Marke { Kreis, Quadrat, DreieckOben, Raute, DreieckUnten, Kreuz, Plus, Keine };
constexpr int kMarkenformen = 7;

struct Stil {
    QPen pen;
    Marke marke = Marke::Keine;
};

// Colours and patterns cycle with different periods, and the markers move on by one with
// every round of colours: no two of the curves a project can have look alike.
Stil geraeteStil(std::size_t i, double linie) {
    QPen pen(kFarben[i % kFarben.size()], linie);
    pen.setDashPattern(kMuster[i % kMuster.size()]);
    pen.setCapStyle(Qt::FlatCap);
    return {pen, static_cast<Marke>((i + i / kFarben.size()) % kMarkenformen)};
}

QString zahl(double value, int decimals) {
    // The program writes decimals with a comma in every language.
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), QLatin1Char(','));
}

QString grad(std::int64_t value) {
    return QStringLiteral("%1 °C").arg(value);
}

QString watt(std::int64_t value) {
    return QStringLiteral("%1 W").arg(value);
}

QFont groesser(QFont font, double faktor) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * faktor))));
    else
        font.setPointSizeF(font.pointSizeF() * faktor);
    font.setBold(true);
    return font;
}

// Data to device coordinates. Points far outside the plot are held a few plot sizes away,
// so that absurd values neither overflow the paint engine nor change what is visible.
struct Abbildung {
    QRectF plot;
    Achse x, y;

    double px(double v) const {
        const double f = (v - x.von) / (x.bis - x.von);
        return plot.left() + std::clamp(f, -10.0, 11.0) * plot.width();
    }
    double py(double v) const {
        const double f = (v - y.von) / (y.bis - y.von);
        return plot.bottom() - std::clamp(f, -10.0, 11.0) * plot.height();
    }
    QPointF p(double a, double b) const { return {px(a), py(b)}; }
};

int teilstriche(const Achse& a) {
    return int(std::lround((a.bis - a.von) / a.schritt));
}

QString achsenzahl(const Achse& a, double v) {
    const int decimals = a.schritt >= 1.0 ? 0 : int(std::ceil(-std::log10(a.schritt) - 1e-9));
    return zahl(std::abs(v) < a.schritt * 1e-9 ? 0.0 : v, decimals);
}

double breitesteZahl(const QFontMetricsF& fm, const Achse& a) {
    double w = 0;
    for (int i = 0; i <= teilstriche(a); ++i)
        w = std::max(w, fm.horizontalAdvance(achsenzahl(a, a.von + i * a.schritt)));
    return w;
}

void zeichneMarke(QPainter& painter, QPointF c, Marke marke, double r, const QColor& farbe, bool gefuellt) {
    painter.save();
    painter.setPen(QPen(farbe, std::max(r / 4, 0.5)));
    painter.setBrush(gefuellt ? QBrush(farbe) : QBrush(Qt::white));
    const auto polygon = [&](std::initializer_list<QPointF> offsets) {
        QPolygonF poly;
        for (const QPointF& o : offsets)
            poly << c + o * r;
        painter.drawPolygon(poly);
    };
    switch (marke) {
    case Marke::Kreis:
        painter.drawEllipse(c, r, r);
        break;
    case Marke::Quadrat:
        painter.drawRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7));
        break;
    case Marke::DreieckOben:
        polygon({{0, -1.1}, {1, 0.8}, {-1, 0.8}});
        break;
    case Marke::Raute:
        polygon({{0, -1.2}, {1.2, 0}, {0, 1.2}, {-1.2, 0}});
        break;
    case Marke::DreieckUnten:
        polygon({{0, 1.1}, {1, -0.8}, {-1, -0.8}});
        break;
    case Marke::Kreuz:
        painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
        painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
        break;
    case Marke::Plus:
        painter.drawLine(c + QPointF(-r * 1.2, 0), c + QPointF(r * 1.2, 0));
        painter.drawLine(c + QPointF(0, -r * 1.2), c + QPointF(0, r * 1.2));
        break;
    case Marke::Keine:
        break;
    }
    painter.restore();
}

struct Eintrag {
    Stil stil;
    QString text;
    bool gefuellt = false;
};

// Where the parts of one diagram go inside its frame.
struct Aufteilung {
    QRectF titel, plot, legende;
    int spalten = 1;
    double spaltenbreite = 0, zeilenhoehe = 0;
    bool passt() const { return plot.width() > 1 && plot.height() > 1; }
};

Aufteilung teileAuf(const QRectF& rahmen, const QFontMetricsF& fm, const Achse& x, const Achse& y,
                    const std::vector<Eintrag>& eintraege) {
    const double em = fm.height();
    Aufteilung a;
    a.titel = QRectF(rahmen.left(), rahmen.top(), rahmen.width(), em * 1.5);
    a.zeilenhoehe = em * 1.25;
    double breitester = 0;
    for (const Eintrag& e : eintraege)
        breitester = std::max(breitester, fm.horizontalAdvance(e.text));
    a.spaltenbreite = breitester + em * 4.5; // sample line, gap and a little air
    a.spalten = std::clamp(int(rahmen.width() / std::max(a.spaltenbreite, 1.0)), 1, 3);
    const int zeilen = int((eintraege.size() + std::size_t(a.spalten) - 1) / std::size_t(a.spalten));
    const double legendenhoehe = zeilen * a.zeilenhoehe;
    a.legende = QRectF(rahmen.left(), rahmen.bottom() - legendenhoehe, rahmen.width(), legendenhoehe);
    const double links = rahmen.left() + em * 1.6 + breitesteZahl(fm, y) + em * 0.5;
    const double oben = a.titel.bottom() + em * 0.4;
    const double unten = a.legende.top() - em * 3.2; // tick labels, axis title, gap
    // The last tick label stands centred under the right edge of the plot.
    const double rechts = rahmen.right() - std::max(em * 0.8, fm.horizontalAdvance(achsenzahl(x, x.bis)) / 2);
    a.plot = QRectF(links, oben, rechts - links, unten - oben);
    return a;
}

void zeichneTitel(QPainter& painter, const Aufteilung& a, const QString& titel) {
    painter.save();
    const auto [font, gezeigt] = Titelsatz(painter.font(), titel, a.titel.width(), painter.device());
    painter.setFont(font);
    painter.drawText(a.titel, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, gezeigt);
    painter.restore();
}
void zeichneAchsen(QPainter& painter, const Abbildung& m, const QString& xTitel, const QString& yTitel) {
    const QFontMetricsF fm(painter.font());
    const double em = fm.height();
    const double duenn = std::max(em / 30, 0.3);
    painter.save();
    painter.setPen(QPen(QColor(0xD8, 0xD8, 0xD8), duenn));
    for (int i = 0; i <= teilstriche(m.x); ++i) {
        const double x = m.px(m.x.von + i * m.x.schritt);
        painter.drawLine(QPointF(x, m.plot.top()), QPointF(x, m.plot.bottom()));
    }
    for (int i = 0; i <= teilstriche(m.y); ++i) {
        const double y = m.py(m.y.von + i * m.y.schritt);
        painter.drawLine(QPointF(m.plot.left(), y), QPointF(m.plot.right(), y));
    }
    painter.setPen(QPen(Qt::black, duenn * 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m.plot);
    for (int i = 0; i <= teilstriche(m.x); ++i) {
        const double v = m.x.von + i * m.x.schritt;
        painter.drawText(QRectF(m.px(v) - em * 3, m.plot.bottom() + em * 0.2, em * 6, em), Qt::AlignCenter,
                         achsenzahl(m.x, v));
    }
    for (int i = 0; i <= teilstriche(m.y); ++i) {
        const double v = m.y.von + i * m.y.schritt;
        painter.drawText(QRectF(m.plot.left() - em * 20.3, m.py(v) - em / 2, em * 20, em),
                         Qt::AlignRight | Qt::AlignVCenter, achsenzahl(m.y, v));
    }
    painter.drawText(QRectF(m.plot.left(), m.plot.bottom() + em * 1.3, m.plot.width(), em * 1.2),
                     Qt::AlignCenter | Qt::TextSingleLine, xTitel);
    // The value axis reads from bottom to top, left of its tick labels.
    painter.translate(m.plot.left() - breitesteZahl(fm, m.y) - em * 0.6, m.plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-m.plot.height() / 2, -em * 1.2, m.plot.height(), em * 1.2),
                     Qt::AlignCenter | Qt::TextSingleLine, yTitel);
    painter.restore();
}

void zeichneLegende(QPainter& painter, const Aufteilung& a, const std::vector<Eintrag>& eintraege) {
    const QFontMetricsF fm(painter.font());
    const double em = fm.height();
    for (std::size_t i = 0; i < eintraege.size(); ++i) {
        const Eintrag& e = eintraege[i];
        const double x = a.legende.left() + double(i % std::size_t(a.spalten)) * a.spaltenbreite;
        const double y = a.legende.top() + double(i / std::size_t(a.spalten)) * a.zeilenhoehe;
        const double mitte = y + a.zeilenhoehe / 2;
        painter.save();
        if (e.stil.pen.style() != Qt::NoPen) {
            painter.setPen(e.stil.pen);
            painter.drawLine(QPointF(x, mitte), QPointF(x + em * 3, mitte));
        }
        zeichneMarke(painter, QPointF(x + em * 1.5, mitte), e.stil.marke, em * 0.28, e.stil.pen.color(),
                     e.gefuellt);
        painter.restore();
        painter.drawText(QRectF(x + em * 3.6, y, a.spaltenbreite - em * 3.6, a.zeilenhoehe),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, e.text);
    }
}

// A short label left of and above a point, on a white backing, led by the markers of the
// curves it speaks for; it moves up past the labels already placed, so that limit
// temperatures close together stay readable.
void beschrifte(QPainter& painter, QPointF punkt, const QString& text, const QRectF& plot,
                std::vector<QRectF>& belegt, const std::vector<Stil>& marken = {}) {
    const QFontMetricsF fm(painter.font());
    const double em = fm.height();
    const double markenbreite = double(marken.size()) * em * 0.75;
    const QSizeF groesse(markenbreite + fm.horizontalAdvance(text) + em * 0.3, em);
    QRectF r(QPointF(punkt.x() - groesse.width() - fm.height() * 0.2, punkt.y() - groesse.height()), groesse);
    r.moveLeft(std::clamp(r.left(), plot.left(), std::max(plot.left(), plot.right() - r.width())));
    for (int versuch = 0; versuch < 30; ++versuch) {
        const bool frei =
            std::none_of(belegt.begin(), belegt.end(), [&r](const QRectF& b) { return b.intersects(r); });
        if (frei)
            break;
        r.moveTop(r.top() - groesse.height());
    }
    r.moveTop(std::clamp(r.top(), plot.top(), std::max(plot.top(), plot.bottom() - r.height())));
    belegt.push_back(r);
    painter.fillRect(r, QColor(255, 255, 255, 220));
    for (std::size_t i = 0; i < marken.size(); ++i)
        zeichneMarke(painter, QPointF(r.left() + (double(i) + 0.5) * em * 0.75, r.center().y()),
                     marken[i].marke, em * 0.25, marken[i].pen.color(), true);
    painter.drawText(r.adjusted(markenbreite, 0, 0, 0), Qt::AlignCenter | Qt::TextSingleLine, text);
}

void meldeInMitte(QPainter& painter, const QRectF& plot, const QString& text) {
    painter.drawText(plot.adjusted(plot.width() * 0.05, 0, -plot.width() * 0.05, -plot.height() / 2),
                     Qt::AlignCenter | Qt::TextWordWrap, text);
}

QString grenzeText(const Geraetekurve& g, const DiagrammTexte& t) {
    if (!g.grenztemperatur)
        return t.keine;
    return (g.grenzeOffen ? QStringLiteral("≥ ") : QString()) + grad(*g.grenztemperatur);
}

QString geraeteText(const Geraetekurve& g, const DiagrammTexte& t) {
    return QStringLiteral("%1 × %2 – %3 %4")
        .arg(g.kandidat.anzahl)
        .arg(fromCp1252(g.artikel), t.grenztemperatur, grenzeText(g, t));
}

QString tragbarText(const Innentemperaturdiagramm& d, const DiagrammTexte& t) {
    return t.tragbar + QLatin1Char(' ') + (d.tragbarerVerlustW ? watt(*d.tragbarerVerlustW) : t.keine);
}

void zeichneGeraet(QPainter& painter, const Abbildung& m, const Reservediagramm& d, const Geraetekurve& g,
                   const Stil& stil, std::size_t nummer, double em) {
    painter.setPen(stil.pen);
    const std::size_t punkte = std::min(d.punkte(), g.leistungW.size());
    QPolygonF linie;
    const auto ende = [&] {
        if (linie.size() > 1)
            painter.drawPolyline(linie);
        linie.clear();
    };
    for (std::size_t i = 0; i < punkte; ++i) {
        if (g.leistungW[i])
            linie << m.p(d.ta(i), double(*g.leistungW[i]));
        else
            ende(); // no value: the curve breaks off
    }
    ende();
    // A marker every 10 K, each curve at its own offset, so that curves lying on top of
    // each other still show all their markers.
    const int versatz = int(nummer * 3 % 10);
    for (std::size_t i = 0; i < punkte; ++i)
        if (g.leistungW[i] && ((d.ta(i) - versatz) % 10 + 10) % 10 == 0)
            zeichneMarke(painter, m.p(d.ta(i), double(*g.leistungW[i])), stil.marke, em * 0.25,
                         stil.pen.color(), false);
}

// Line width of the curves for the painter's font.
double strichbreite(const QFontMetricsF& fm) {
    return std::max(fm.height() / 12, 0.5);
}

struct Beschriftung {
    QString titel, xAchse, yAchse;
};

// One diagram: title, axes and legend laid out around the plot in lines of the painter's
// font, all clipped to the frame; `inhalt` draws into the plot, clipped to it.
template <typename Inhalt>
void zeichneDiagramm(QPainter& painter, const QRectF& rahmen, const Achse& x, const Achse& y,
                     const Beschriftung& b, const std::vector<Eintrag>& eintraege, const Inhalt& inhalt) {
    painter.save();
    painter.setClipRect(rahmen, Qt::IntersectClip);
    const Aufteilung a = teileAuf(rahmen, QFontMetricsF(painter.font()), x, y, eintraege);
    zeichneTitel(painter, a, b.titel);
    if (a.passt()) {
        const Abbildung m{a.plot, x, y};
        zeichneAchsen(painter, m, b.xAchse, b.yAchse);
        painter.save();
        painter.setClipRect(a.plot, Qt::IntersectClip);
        inhalt(m);
        painter.restore();
    }
    zeichneLegende(painter, a, eintraege);
    painter.restore();
}

// The value axis reaches a little above the need and above what the devices deliver at the
// design point, where their reserve is read; what a fan delivers in a cold hall may run off
// the top rather than squash everything else.
Achse leistungsachse(const Reservediagramm& d) {
    double bedarfMax = 0, alles = 0, reserve = 0;
    for (std::int64_t q : d.bedarfW)
        bedarfMax = std::max(bedarfMax, double(q));
    const auto auslegungspunkt = d.punkt(d.auslegungTa);
    for (const Geraetekurve& g : d.geraete) {
        for (const auto& w : g.leistungW)
            alles = std::max(alles, double(w.value_or(0)));
        if (auslegungspunkt && *auslegungspunkt < g.leistungW.size())
            reserve = std::max(reserve, double(g.leistungW[*auslegungspunkt].value_or(0)));
    }
    const double oben = std::max(bedarfMax, std::min(alles, reserve)) * 1.15;
    return RundeAchse(0, oben > 0 ? oben : 100);
}

// Devices with the same limit meet the need at the same point: one mark and one label for
// all of them, led by their markers.
void zeichneGrenzen(QPainter& painter, const Abbildung& m, const Reservediagramm& d, const DiagrammTexte& t,
                    std::vector<QRectF>& belegt) {
    const QFontMetricsF fm(painter.font());
    std::map<std::pair<std::int32_t, bool>, std::vector<std::size_t>> grenzen;
    for (std::size_t i = 0; i < d.geraete.size(); ++i)
        if (const Geraetekurve& g = d.geraete[i]; g.grenztemperatur)
            grenzen[{*g.grenztemperatur, g.grenzeOffen}].push_back(i);
    for (const auto& [grenze, geraete] : grenzen) {
        const auto punkt = d.punkt(grenze.first);
        if (!punkt)
            continue;
        const QPointF p = m.p(grenze.first, double(d.bedarfW[*punkt]));
        std::vector<Stil> marken;
        for (std::size_t i : geraete)
            marken.push_back(geraeteStil(i, strichbreite(fm)));
        zeichneMarke(painter, p, Marke::Kreis, fm.height() * 0.3, Qt::black, false);
        beschrifte(painter, p, grenzeText(d.geraete[geraete.front()], t), m.plot, belegt, marken);
    }
}

} // namespace

void ZeichneReservediagramm(QPainter& painter, const QRectF& rahmen, const Reservediagramm& d,
                            const DiagrammTexte& t) {
    const QFontMetricsF fm(painter.font());
    const double em = fm.height(), linie = strichbreite(fm);
    const Achse y = leistungsachse(d);
    const Achse x = RundeAchse(d.taVon, d.taBis, 8);

    const Stil bedarf{QPen(Qt::black, linie * 2.5), Marke::Keine};
    const Stil auslegung{QPen(Qt::black, 0, Qt::NoPen), Marke::Kreis};
    const QString auslegungText = t.auslegung + QLatin1Char(' ') + grad(d.auslegungTa);
    std::vector<Eintrag> eintraege{
        {bedarf, t.bedarf, false},
        {auslegung, auslegungText + QStringLiteral(", ") + watt(d.auslegungBedarfW), true}};
    for (std::size_t i = 0; i < d.geraete.size(); ++i)
        eintraege.push_back({geraeteStil(i, linie), geraeteText(d.geraete[i], t), false});

    zeichneDiagramm(painter, rahmen, x, y, {t.reserveTitel, t.achseUmgebung, t.achseKuehlleistung}, eintraege,
                    [&](const Abbildung& m) {
                        painter.setPen(QPen(Qt::darkGray, linie, Qt::DashLine));
                        painter.drawLine(m.p(d.auslegungTa, y.von), m.p(d.auslegungTa, y.bis));
                        for (std::size_t i = 0; i < d.geraete.size(); ++i)
                            zeichneGeraet(painter, m, d, d.geraete[i], geraeteStil(i, linie), i, em);
                        QPolygonF need;
                        for (std::size_t i = 0; i < d.punkte(); ++i)
                            need << m.p(d.ta(i), double(d.bedarfW[i]));
                        painter.setPen(bedarf.pen);
                        painter.drawPolyline(need);
                        zeichneMarke(painter, m.p(d.auslegungTa, double(d.auslegungBedarfW)), Marke::Kreis,
                                     em * 0.3, Qt::black, true);

                        painter.setPen(Qt::black);
                        std::vector<QRectF> belegt;
                        const double rechtsDerLinie =
                            m.px(d.auslegungTa) + em * 0.4 + fm.horizontalAdvance(auslegungText);
                        beschrifte(painter, QPointF(rechtsDerLinie, m.plot.top() + em), auslegungText, m.plot,
                                   belegt);
                        zeichneGrenzen(painter, m, d, t, belegt);
                        if (d.geraete.empty())
                            meldeInMitte(painter, m.plot, t.keineGeraete);
                    });
}

void ZeichneInnentemperaturdiagramm(QPainter& painter, const QRectF& rahmen, const Innentemperaturdiagramm& d,
                                    const DiagrammTexte& t) {
    const QFontMetricsF fm(painter.font());
    const double em = fm.height(), linie = strichbreite(fm);

    const double pBis = double(d.pBisW);
    double unten = std::min(d.maxAussen, d.maxInnen), oben = std::max(d.maxAussen, d.maxInnen);
    if (d.leitwertWProK)
        oben = std::max(oben, d.innentemperatur(pBis));
    // Room above the highest line, so that it does not run along the frame.
    oben += std::max(1.0, (oben - unten) / 20);
    const Achse x = RundeAchse(0, pBis);
    const Achse y = RundeAchse(unten, oben);

    const Stil kurve{QPen(Qt::black, linie * 2.5), Marke::Keine};
    const Stil zulaessig{QPen(kFarben[1], linie * 1.5, Qt::DashLine), Marke::Keine};
    const Stil verlust{QPen(Qt::black, 0, Qt::NoPen), Marke::Kreis};
    const Stil tragbar{QPen(kFarben[0], 0, Qt::NoPen), Marke::Quadrat};
    QString verlustText = t.projektverlust + QLatin1Char(' ') + watt(d.verlustW);
    if (d.innentemperaturBeiVerlust)
        verlustText += QStringLiteral(", ") + grad(*d.innentemperaturBeiVerlust);
    const std::vector<Eintrag> eintraege{
        {kurve, t.innenKurve, false},
        {zulaessig, t.zulaessig + QLatin1Char(' ') + grad(d.maxInnen), false},
        {verlust, verlustText, true},
        {tragbar, tragbarText(d, t), true}};

    zeichneDiagramm(
        painter, rahmen, x, y, {t.innenTitel, t.achseVerlust, t.achseInnen}, eintraege,
        [&](const Abbildung& m) {
            painter.setPen(zulaessig.pen);
            painter.drawLine(m.p(x.von, d.maxInnen), m.p(x.bis, d.maxInnen));
            if (!d.leitwertWProK) {
                painter.setPen(Qt::black);
                meldeInMitte(painter, m.plot, t.keineWaende);
                return;
            }
            painter.setPen(kurve.pen);
            painter.drawLine(m.p(0, d.innentemperatur(0)), m.p(pBis, d.innentemperatur(pBis)));
            std::vector<QRectF> belegt;
            const auto markiere = [&](double p, double ti, const Stil& stil, const QString& text) {
                painter.setPen(QPen(stil.pen.color(), linie, Qt::DotLine));
                painter.drawLine(m.p(p, y.von), m.p(p, ti));
                zeichneMarke(painter, m.p(p, ti), stil.marke, em * 0.35, stil.pen.color(), true);
                painter.setPen(Qt::black);
                beschrifte(painter, m.p(p, ti), text, m.plot, belegt);
            };
            if (d.verlustW >= 0 && d.verlustW <= d.pBisW && d.innentemperaturBeiVerlust)
                markiere(double(d.verlustW), d.innentemperatur(double(d.verlustW)), verlust,
                         grad(*d.innentemperaturBeiVerlust));
            if (d.tragbarerVerlustW && *d.tragbarerVerlustW <= d.pBisW)
                markiere(double(*d.tragbarerVerlustW), d.maxInnen, tragbar, watt(*d.tragbarerVerlustW));
        });
}

void ZeichneDiagramme(QPainter& painter, const QRectF& rahmen, const Diagramme& d, const DiagrammTexte& texte,
                      const QStringList& titelzeilen) {
    painter.save();
    const QFont basis = painter.font();
    const double em = QFontMetricsF(basis).height();
    double y = rahmen.top();
    for (qsizetype i = 0; i < titelzeilen.size(); ++i) {
        painter.setFont(i == 0 ? groesser(basis, 1.3) : basis);
        const double hoehe = QFontMetricsF(painter.font()).height();
        painter.drawText(QRectF(rahmen.left(), y, rahmen.width(), hoehe),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, titelzeilen[i]);
        y += hoehe * 1.15;
    }
    painter.setFont(basis);
    if (!titelzeilen.isEmpty()) {
        y += em * 0.3;
        painter.setPen(QPen(Qt::black, std::max(em / 20, 0.3)));
        painter.drawLine(QPointF(rahmen.left(), y), QPointF(rahmen.right(), y));
        y += em * 0.8;
    }
    // The reserve diagram has the longer legend.
    const double abstand = em * 2;
    const double links = (rahmen.width() - abstand) * 0.55;
    const QRectF reserve(rahmen.left(), y, links, rahmen.bottom() - y);
    const QRectF innen(reserve.right() + abstand, y, rahmen.right() - reserve.right() - abstand,
                       rahmen.bottom() - y);
    ZeichneReservediagramm(painter, reserve, d.reserve, texte);
    ZeichneInnentemperaturdiagramm(painter, innen, d.innentemperatur, texte);
    painter.restore();
}

QStringList DiagrammKernaussagen(const Diagramme& d, const DiagrammTexte& texte) {
    QStringList lines;
    for (const Geraetekurve& g : d.reserve.geraete)
        lines << geraeteText(g, texte);
    if (d.reserve.geraete.empty())
        lines << texte.keineGeraete;
    return lines << tragbarText(d.innentemperatur, texte);
}

std::pair<QFont, QString> Titelsatz(const QFont& basis, const QString& titel, double breite,
                                    QPaintDevice* geraet) {
    const auto noetig = [&](const QFont& f) { return QFontMetricsF(f, geraet).horizontalAdvance(titel); };
    QFont font = groesser(basis, 1.15);
    if (const double voll = noetig(font); voll > breite) {
        font = groesser(basis, std::max(1.0, 1.15 * breite / voll));
        // A size in whole pixels may have been rounded up.
        while (font.pixelSize() > std::max(1, basis.pixelSize()) && noetig(font) > breite)
            font.setPixelSize(font.pixelSize() - 1);
    }
    return {font, QFontMetricsF(font, geraet).elidedText(titel, Qt::ElideRight, breite)};
}

Achse RundeAchse(double min, double max, int teile) {
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(max - min))
        return {};
    if (max < min)
        std::swap(min, max);
    if (max - min <= 1e-9 * std::max(1.0, std::abs(max))) {
        min -= 1;
        max += 1;
    }
    const double roh = (max - min) / std::max(1, teile);
    const double groessenordnung = std::pow(10.0, std::floor(std::log10(roh)));
    const double norm = roh / groessenordnung;
    const double schritt = (norm <= 1 ? 1 : norm <= 2 ? 2 : norm <= 5 ? 5 : 10) * groessenordnung;
    // The small allowance keeps a bound that lies on a step from moving a whole step out.
    return {std::floor(min / schritt + 1e-9) * schritt, std::ceil(max / schritt - 1e-9) * schritt, schritt};
}

} // namespace zek
