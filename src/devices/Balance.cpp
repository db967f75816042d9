#include "devices/Balance.h"

#include "core/Cabinet.h"
#include "core/Losses.h"
#include "core/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zek {
namespace {

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

void appendFound(Kandidatenliste& list, const DeviceTable& table, const Suchergebnis& found) {
    if (!found.gefunden())
        return;
    const bool known =
        std::any_of(list.begin(), list.end(), [&found](const Kandidat& k) { return k.index == found.index; });
    if (known)
        return;
    list.push_back({found.index, found.anzahl, found.leistung, table.Typcode(found.index)});
}

} // namespace

std::int32_t BedarfBei25K(std::int32_t kuehlleistung, std::int64_t deltaK) {
    if (kuehlleistung == 0)
        return 0;
    if (deltaK <= 0)
        return kNichtMoeglich;
    return roundToInt32(25.0 / double(deltaK) * double(kuehlleistung));
}

std::int32_t Luftmenge(std::int32_t kuehlleistung, std::int64_t deltaK) {
    if (kuehlleistung == 0)
        return 0;
    if (deltaK <= 0)
        return kNichtMoeglich;
    // 25 K per 3000 W and 98 m³ per 1000 s: about 2.94 m³·K/(W·h).
    return roundToInt32(25.0 / double(deltaK) * (double(kuehlleistung) / 3000.0) * 98.0 / 1000.0 * 60.0 *
                        60.0);
}

BilanzWerte Bilanz(const ProjectData& p) {
    BilanzWerte b;
    b.Oberflaeche = clampToInt32(std::int64_t(zek::Oberflaeche(p)));
    b.Gesamtverlustleistung = zek::Gesamtverlustleistung(p);
    b.WandwaermeMax = zek::WandwaermeMax(p);
    b.WandwaermeMin = zek::WandwaermeMin(p);
    b.Heizleistung = clampToInt32(std::int64_t(b.WandwaermeMin) - b.Gesamtverlustleistung);
    b.Kuehlleistung =
        clampToInt32(std::max<std::int64_t>(0, std::int64_t(b.Gesamtverlustleistung) + b.WandwaermeMax));

    const std::int64_t deltaLuft = std::int64_t(p.Temperatur.MaxInnen) - p.Temperatur.MaxAussen;
    const std::int64_t deltaWasser = std::int64_t(p.Temperatur.MaxInnen) - p.Temperatur.Wasser;
    b.Luftmenge = Luftmenge(b.Kuehlleistung, deltaLuft);
    b.LuftLuftBedarf = BedarfBei25K(b.Kuehlleistung, deltaLuft);
    b.WasserBedarf = BedarfBei25K(b.Kuehlleistung, deltaWasser);
    return b;
}

std::optional<std::int32_t> InnentemperaturOhneGeraet(const BilanzWerte& b, const ProjectData& p) {
    const double leitwert = double(b.Oberflaeche) * p.Schaltschrank.Waermedurchgangszahl / 1000000.0; // W/K
    if (leitwert == 0.0 || !std::isfinite(leitwert))
        return std::nullopt;
    const double anstieg = double(b.Gesamtverlustleistung) * 1.0 / leitwert;
    if (!std::isfinite(anstieg))
        return std::nullopt;
    return clampToInt32(std::int64_t(roundToInt32(anstieg)) + p.Temperatur.MaxAussen);
}

Kandidatenliste SucheKandidaten(const DeviceTable& table, const TemperaturGroup& t, std::int32_t wasserBedarf,
                                std::int32_t luftLuftBedarf, std::int32_t luftmenge,
                                std::int32_t kuehlleistung) {
    Kandidatenliste list;
    if (luftmenge > 0)
        for (const char* code : {"L--", "LW-", "LV-", "LD-", "L9-", "LF-"})
            appendFound(list, table, table.SucheGeraet(luftmenge, 0, 0, code));
    if (luftLuftBedarf > 0)
        for (const char* code : {"TS-", "TD-"})
            appendFound(list, table, table.SucheGeraet(luftLuftBedarf, t.MaxAussen, t.MaxInnen, code));
    if (wasserBedarf > 0)
        for (const char* code : {"WA-", "W9-"})
            appendFound(list, table, table.SucheGeraet(wasserBedarf, t.Wasser, t.MaxInnen, code));
    if (kuehlleistung > 0)
        for (const char* code : {"KSM", "KSO", "KD-", "KY-"})
            appendFound(list, table, table.SucheGeraet(kuehlleistung, t.MaxAussen, t.MaxInnen, code));
    return list;
}

Kandidatenliste SucheKandidaten(const DeviceTable& table, const ProjectData& p, const BilanzWerte& b) {
    return SucheKandidaten(table, p.Temperatur, b.WasserBedarf, b.LuftLuftBedarf, b.Luftmenge,
                           b.Kuehlleistung);
}

Suchergebnis SucheHeizung(const DeviceTable& table, std::int32_t bedarf) {
    return table.SucheGeraet(bedarf, 0, 0, kHeizungTypcode);
}

std::vector<Heizungssuche> SucheHeizungen(const DeviceTable& table, const BilanzWerte& b) {
    std::vector<Heizungssuche> searches;
    if (b.WandwaermeMin > 0)
        searches.push_back(
            {Heizungssuche::Fall::Ausgeschaltet, b.WandwaermeMin, SucheHeizung(table, b.WandwaermeMin)});
    if (b.Heizleistung > 0)
        searches.push_back(
            {Heizungssuche::Fall::Betrieb, b.Heizleistung, SucheHeizung(table, b.Heizleistung)});
    return searches;
}

} // namespace zek
