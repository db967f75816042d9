#pragma once

#include "core/ProjectData.h"
#include "devices/Balance.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zek {

class DeviceTable;

// The reserve diagram spans whole degrees; a hand-edited file cannot stretch it beyond
// these, so it never asks for millions of points.
inline constexpr std::int32_t kDiagrammTaMin = -100; // °C
inline constexpr std::int32_t kDiagrammTaMax = 200;  // °C

// One selected candidate: what it delivers with its number of units over the ambient.
struct Geraetekurve {
    Kandidat kandidat;
    std::string artikel; // article designation (Windows-1252), trailing blanks cut
    // Cooling power at each whole degree of the diagram, W; empty where the device has no
    // value (a cooling unit outside its characteristic table).
    std::vector<std::optional<std::int64_t>> leistungW;
    // The highest ambient up to which it covers the need, going up from the design point;
    // empty when it does not cover the design point.
    std::optional<std::int32_t> grenztemperatur;
    bool grenzeOffen = false; // still covers at the end of the diagram: the limit lies beyond
};

// Cooling power needed and delivered over the ambient temperature.
struct Reservediagramm {
    std::int32_t taVon = 0, taBis = 0; // °C; point i stands for taVon + i
    // Q(Ta) = max(0, loss + k · A · (Ta - MaxInnen)), W, at each whole degree.
    std::vector<std::int64_t> bedarfW;
    std::int32_t auslegungTa = 0;      // the design point, MaxAussen
    std::int64_t auslegungBedarfW = 0; // Q there: the balance's Kuehlleistung
    std::vector<Geraetekurve> geraete; // the selected candidates, in candidate order

    std::size_t punkte() const { return bedarfW.size(); }
    std::int32_t ta(std::size_t i) const { return taVon + static_cast<std::int32_t>(i); }
    // The point of a whole degree; empty outside the diagram.
    std::optional<std::size_t> punkt(std::int32_t t) const {
        if (t < taVon || std::int64_t(t) - taVon >= std::int64_t(punkte()))
            return std::nullopt;
        return std::size_t(t - taVon);
    }
};

// Inside temperature of the cabinet without a climate device over its power loss.
struct Innentemperaturdiagramm {
    // k · A, W/K; empty when the walls exchange no heat (no surface, or k = 0).
    std::optional<double> leitwertWProK;
    std::int32_t maxAussen = 0, maxInnen = 0;
    std::int64_t verlustW = 0;                             // the project's total loss, marked on the curve
    std::int64_t pBisW = 0;                                // end of the loss axis: twice the total loss
    std::optional<std::int32_t> innentemperaturBeiVerlust; // as the report prints it
    // Loss the bare cabinet carries away at MaxAussen without passing MaxInnen, W: k · A ·
    // (MaxInnen - MaxAussen); empty when that is not positive.
    std::optional<std::int64_t> tragbarerVerlustW;

    // Ti(P) = MaxAussen + P / (k · A); only meaningful with a Leitwert.
    double innentemperatur(double pW) const;
};

struct Diagramme {
    Reservediagramm reserve;
    Innentemperaturdiagramm innentemperatur;
};

// Both diagrams of a project, with the candidates that `maske` selects (bit n - 1 for
// candidate n of SucheKandidaten).
Diagramme ErstelleDiagramme(const ProjectData& p, const DeviceTable& devices, std::uint16_t maske);
// The same with the stored ticks of the device selection, as the report takes them when
// it does not ask.
Diagramme ErstelleDiagramme(const ProjectData& p, const DeviceTable& devices);

} // namespace zek
