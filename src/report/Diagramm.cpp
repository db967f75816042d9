#include "report/Diagramm.h"

#include "core/Cabinet.h"
#include "core/Rounding.h"
#include "devices/DeviceTable.h"
#include "report/Selection.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zek {
namespace {

// The loss axis of a project without loss still needs a length.
constexpr std::int64_t kVerlustachseOhneVerlustW = 100;

std::int32_t diagrammTa(std::int64_t ta) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(ta, kDiagrammTaMin, kDiagrammTaMax));
}

std::string ohneEndblanks(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Cooling power the walls and the equipment ask for at ambient `ta`, W.
std::int64_t bedarfW(const ProjectData& p, std::int32_t verlustW, std::int32_t ta) {
    return std::max<std::int64_t>(0, std::int64_t(verlustW) +
                                         Wandwaerme(p, std::int64_t(ta) - p.Temperatur.MaxInnen));
}

// The temperatures A and B that the search hands over for a family at ambient `ta`.
std::pair<std::int32_t, std::int32_t> suchtemperaturen(char familie, const TemperaturGroup& t,
                                                       std::int32_t ta) {
    switch (familie) {
    case 'L':
        return {0, 0};
    case 'W':
        // Water/air exchangers work against the water, whatever the hall's temperature.
        return {t.Wasser, t.MaxInnen};
    default:
        return {ta, t.MaxInnen};
    }
}

// What the search asks of a family at ambient `ta` for a cooling need in W, in the unit it
// compares capacities in (air flow, power at 25 K, cooling power); empty where the family
// cannot help at all.
std::optional<std::int64_t> anforderung(char familie, const TemperaturGroup& t, std::int32_t ta,
                                        std::int64_t bedarf) {
    const auto q =
        static_cast<std::int32_t>(std::min<std::int64_t>(bedarf, std::numeric_limits<std::int32_t>::max()));
    std::int32_t r = q;
    if (familie == 'L')
        r = Luftmenge(q, std::int64_t(t.MaxInnen) - ta);
    else if (familie == 'T')
        r = BedarfBei25K(q, std::int64_t(t.MaxInnen) - ta);
    else if (familie == 'W')
        r = BedarfBei25K(q, std::int64_t(t.MaxInnen) - t.Wasser);
    if (r == kNichtMoeglich)
        return std::nullopt;
    return r;
}

// Cooling power of `anzahl` units, W, rounded once; empty where a characteristic table
// has no value (outside the unit's operating range).
std::optional<std::int64_t> leistungW(const Geraetezeile& z, const Einheitsleistung& e, std::int32_t tempA,
                                      std::int32_t tempB, std::int32_t innen, std::int32_t ta, int anzahl) {
    if (e.kennlinie && e.kapazitaet == 0)
        return std::nullopt;
    double einheit = double(e.kapazitaet);
    if (z.Code1 == 'L')
        einheit = einheit * (double(innen) - ta) / kLuftmengeJeWattKelvin;
    else if (z.Code1 == 'T' || z.Code1 == 'W')
        einheit = einheit / 25.0 * (double(tempB) - tempA); // rated at 25 K
    return roundToInt32(einheit * anzahl);
}

// Going up from the design point while the device covers the need. A device found by the
// search always covers the design point; one that does not has no limit.
void setzeGrenze(Geraetekurve& g, const Reservediagramm& d, const std::vector<bool>& deckt) {
    std::size_t i = std::size_t(std::clamp(d.auslegungTa, d.taVon, d.taBis) - d.taVon);
    if (!deckt[i])
        return;
    while (i + 1 < d.punkte() && deckt[i + 1])
        ++i;
    g.grenztemperatur = d.ta(i);
    g.grenzeOffen = i + 1 == d.punkte();
}

Reservediagramm reserve(const ProjectData& p, const DeviceTable& devices, const BilanzWerte& b,
                        const Kandidatenliste& kandidaten, std::uint16_t maske) {
    const TemperaturGroup& t = p.Temperatur;
    Reservediagramm d;
    d.taVon = diagrammTa(std::int64_t(std::min(t.MinAussen, t.MaxAussen)) - 5);
    d.taBis = diagrammTa(std::max<std::int64_t>(60, std::int64_t(t.MaxAussen) + 10));
    d.auslegungTa = t.MaxAussen;
    d.auslegungBedarfW = bedarfW(p, b.Gesamtverlustleistung, t.MaxAussen);
    for (std::int32_t ta = d.taVon; ta <= d.taBis; ++ta)
        d.bedarfW.push_back(bedarfW(p, b.Gesamtverlustleistung, ta));

    for (std::size_t n = 0; n < kandidaten.size() && n < 16; ++n) {
        if (!(maske & (1u << n)))
            continue;
        const Kandidat& k = kandidaten[n];
        const Geraetezeile& z = devices.ZerlegeZeile(k.index);
        Geraetekurve g{k, ohneEndblanks(z.hatArtikel ? z.Artikel : z.Beschreibung), {}, {}, false};
        // A device covers the need where the search would still take it with its units,
        // so that the limit agrees with the device choice of the report.
        std::vector<bool> deckt;
        for (std::size_t i = 0; i < d.punkte(); ++i) {
            const auto [tempA, tempB] = suchtemperaturen(z.Code1, t, d.ta(i));
            const Einheitsleistung e = devices.Geraeteleistung(z, tempA, tempB);
            g.leistungW.push_back(leistungW(z, e, tempA, tempB, t.MaxInnen, d.ta(i), k.anzahl));
            const auto a = anforderung(z.Code1, t, d.ta(i), d.bedarfW[i]);
            deckt.push_back(a && e.kapazitaet * k.anzahl >= *a);
        }
        setzeGrenze(g, d, deckt);
        d.geraete.push_back(std::move(g));
    }
    return d;
}

Innentemperaturdiagramm innentemperatur(const ProjectData& p, const BilanzWerte& b) {
    const TemperaturGroup& t = p.Temperatur;
    Innentemperaturdiagramm d;
    const double leitwert = double(Oberflaeche(p)) * p.Schaltschrank.Waermedurchgangszahl / 1000000.0;
    if (leitwert > 0.0 && std::isfinite(leitwert))
        d.leitwertWProK = leitwert;
    d.maxAussen = t.MaxAussen;
    d.maxInnen = t.MaxInnen;
    d.verlustW = b.Gesamtverlustleistung;
    d.innentemperaturBeiVerlust = InnentemperaturOhneGeraet(b, p);
    const std::int64_t tragbar = Wandwaerme(p, std::int64_t(t.MaxInnen) - t.MaxAussen);
    if (tragbar > 0)
        d.tragbarerVerlustW = tragbar;
    d.pBisW = 2 * std::max<std::int64_t>(0, d.verlustW);
    if (d.pBisW == 0)
        d.pBisW = d.tragbarerVerlustW ? 2 * *d.tragbarerVerlustW : kVerlustachseOhneVerlustW;
    return d;
}

Diagramme erstelle(const ProjectData& p, const DeviceTable& devices, const BilanzWerte& b,
                   const Kandidatenliste& kandidaten, std::uint16_t maske) {
    return {reserve(p, devices, b, kandidaten, maske), innentemperatur(p, b)};
}

} // namespace

double Innentemperaturdiagramm::innentemperatur(double pW) const {
    return double(maxAussen) + pW / leitwertWProK.value_or(1.0);
}

Diagramme ErstelleDiagramme(const ProjectData& p, const DeviceTable& devices, std::uint16_t maske) {
    const BilanzWerte b = Bilanz(p);
    return erstelle(p, devices, b, SucheKandidaten(devices, p, b), maske);
}

Diagramme ErstelleDiagramme(const ProjectData& p, const DeviceTable& devices) {
    const BilanzWerte b = Bilanz(p);
    const Kandidatenliste kandidaten = SucheKandidaten(devices, p, b);
    return erstelle(p, devices, b, kandidaten, AuswahlModell(kandidaten, p.Auswahl.GeraeteCheck).maske());
}

} // namespace zek
