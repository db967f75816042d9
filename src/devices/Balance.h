#pragma once

#include "core/ProjectData.h"
#include "devices/DeviceTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zek {

// The nine values of the thermal balance, recomputed from the record on every call.
struct BilanzWerte {
    std::int32_t Oberflaeche = 0;           // mm²
    std::int32_t Gesamtverlustleistung = 0; // W
    std::int32_t WandwaermeMax = 0;         // W into the cabinet, negative when it flows out
    std::int32_t WandwaermeMin = 0;         // W out of the cabinet; heating with the equipment off
    std::int32_t Heizleistung = 0;          // W, heating with the equipment running
    std::int32_t Kuehlleistung = 0;         // W
    std::int32_t Luftmenge = 0;             // m³/h, -1 = filter fans cannot help
    std::int32_t LuftLuftBedarf = 0;        // W at 25 K, -1 = not possible
    std::int32_t WasserBedarf = 0;          // W at 25 K, -1 = not possible
    bool operator==(const BilanzWerte&) const = default;
};

inline constexpr std::int32_t kNichtMoeglich = -1;

// Air that carries heat out of the cabinet: V m³/h at ΔT K carry V · ΔT / 2.94 W (the
// constants of Luftmenge amount to this).
inline constexpr double kLuftmengeJeWattKelvin = 2.94; // m³·K/(W·h)

BilanzWerte Bilanz(const ProjectData& p);

// What filter fans and heat exchangers must offer for a cooling power in W when the
// inside may be `deltaK` kelvin warmer than the air or water they work against: 0 when
// nothing is to be cooled, kNichtMoeglich when the difference is not positive.
std::int32_t Luftmenge(std::int32_t kuehlleistung, std::int64_t deltaK);    // m³/h
std::int32_t BedarfBei25K(std::int32_t kuehlleistung, std::int64_t deltaK); // W at 25 K

// Inside temperature that would settle without any climate device, °C: the ambient
// plus the rise at which the walls alone carry the whole loss away. Empty when the
// walls exchange no heat at all (no surface or k = 0), where no such temperature exists.
std::optional<std::int32_t> InnentemperaturOhneGeraet(const BilanzWerte& b, const ProjectData& p);

struct Kandidat {
    std::int32_t index = -1;   // line index of the device table
    int anzahl = 0;            // units, 1..20
    std::int32_t leistung = 0; // power of one unit at the operating point, W (0 where not known)
    std::string typcode;       // the three code letters of the found line ("TX-" for a both-ways exchanger)
    bool operator==(const Kandidat&) const = default;
};

// At most 14 entries, in the order found; no line index twice.
using Kandidatenliste = std::vector<Kandidat>;

// Searches every variant of every family whose requirement is positive, in the fixed
// order filter fans, air/air, water/air, cooling units.
Kandidatenliste SucheKandidaten(const DeviceTable& table, const TemperaturGroup& t, std::int32_t wasserBedarf,
                                std::int32_t luftLuftBedarf, std::int32_t luftmenge,
                                std::int32_t kuehlleistung);
Kandidatenliste SucheKandidaten(const DeviceTable& table, const ProjectData& p, const BilanzWerte& b);

inline constexpr const char* kHeizungTypcode = "HI-";

// A heater for a heating power in W.
Suchergebnis SucheHeizung(const DeviceTable& table, std::int32_t bedarf);

struct Heizungssuche {
    enum class Fall { Ausgeschaltet, Betrieb }; // for WandwaermeMin, for Heizleistung
    Fall fall = Fall::Ausgeschaltet;
    std::int32_t bedarf = 0;
    Suchergebnis ergebnis;
};

// The heater searches that apply: first for WandwaermeMin when it is positive, then for
// Heizleistung when it is positive.
std::vector<Heizungssuche> SucheHeizungen(const DeviceTable& table, const BilanzWerte& b);

} // namespace zek
