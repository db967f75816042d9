#include "Losses.h"

#include "Cabinet.h"
#include "Rounding.h"

#include <limits>

namespace zek {
namespace {

// Loss per piece in W.
constexpr std::array<double, kLeistungsschalterSlots> kLeistungsschalterW = {
    15, 18, 25, 35, 75, 85, 130, 200, 480, 550, 810, 1050, 1610};
constexpr std::array<double, kMotorschutzSlots> kMotorschutzW = {5, 14};
constexpr std::array<double, kRelaisSlots> kRelaisW = {3.0, 6.0, 1.2, 0.6};
constexpr std::array<double, kLeistungsschuetzeSlots> kLeistungsschuetzeW = {8,   11,  13,  25,  25,  46,
                                                                             100, 140, 160, 170, 180, 200};
constexpr std::array<double, kLampenSlots> kLampenW = {1.2, 2.0, 5.0, 4.0};
constexpr std::array<double, kSteuerungenSlots> kSteuerungenW = {1.4, 2.2, 3.2, 3.6};

// Fraction of the electrical power that becomes heat: index 0 for transformers and for a
// power supply without a kind, 1..3 for the power-supply kinds.
constexpr std::array<double, 4> kVerlustFaktor = {0.07, 0.152, 0.45, 0.3};

double fuseLoss(const SicherungZeile& row, double fL) {
    const double n = row.Anzahl;
    const double i = row.Strom;
    switch (row.Art) {
    case 1: // Sicherungsautomat; below 3.3 A the fitted line goes negative, as measured
        return n * fL * (i - 3.3) * 0.1561655094845673;
    case 2: // Schraubsicherung
        return n * fL * (i * 954 / 100 + 200) / 99;
    case 3: // NH-Sicherung
        return n / 99 * fL * i * 776 / 99;
    default:
        return 0.0;
    }
}

template <std::size_t N>
void countedRows(Teilverluste& t, int first, const std::array<u16, N>& counts,
                 const std::array<double, N>& unitW, double factor) {
    for (std::size_t i = 0; i < N; ++i)
        t.at(first + int(i)) = roundToInt32(double(counts[i]) * factor * unitW[i]);
}

} // namespace

std::int32_t Teilverluste::sum() const {
    std::int64_t total = 0;
    for (std::int32_t v : m_values)
        total += v;
    if (total > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (total < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(total);
}

Teilverluste BerechneTeilverluste(const ProjectData& p) {
    const double fL = p.Gleichzeitigkeit.Leistungsteil / 100.0;
    const double fS = p.Gleichzeitigkeit.Steuerungsteil / 100.0;
    Teilverluste t;

    countedRows(t, pos::Leistungsschalter, p.Leistungsschalter, kLeistungsschalterW, fL);
    for (int i = 0; i < kSicherungenRows; ++i)
        t.at(pos::Sicherungen + i) = roundToInt32(fuseLoss(p.Sicherungen[std::size_t(i)], fL));
    countedRows(t, pos::Motorschutz, p.Motorschutz, kMotorschutzW, fL);
    countedRows(t, pos::Relais, p.Relais, kRelaisW, fS);
    countedRows(t, pos::Leistungsschuetze, p.Leistungsschuetze, kLeistungsschuetzeW, fL);
    countedRows(t, pos::Lampen, p.Lampen, kLampenW, fS);

    // Transformers, converters and other sources run whatever the simultaneity.
    for (int i = 0; i < kTransformatorenRows; ++i) {
        const auto& row = p.Transformatoren[std::size_t(i)];
        t.at(pos::Transformatoren + i) = roundToInt32(double(row.Anzahl) * kVerlustFaktor[0] * row.Leistung);
    }
    for (int i = 0; i < kNetzteileRows; ++i) {
        const auto& row = p.Netzteile[std::size_t(i)];
        // Up to 999 * 999 * 999 outputs x V x A fits in 32 bits; file values may not.
        const std::int64_t power = std::int64_t(row.Anzahl) * row.Spannung * row.Strom;
        const double factor = row.Typ < kVerlustFaktor.size() ? kVerlustFaktor[row.Typ] : kVerlustFaktor[0];
        t.at(pos::Netzteile + i) = roundToInt32(double(power) * fS * factor);
    }
    for (int i = 0; i < kFrequenzumrichterRows; ++i) {
        const auto& row = p.Frequenzumrichter[std::size_t(i)];
        // 999 pieces of 9999 kW leave the 32-bit range: the result is clamped.
        t.at(pos::Frequenzumrichter + i) =
            roundToInt32(double(row.Anzahl) * row.Leistung * 1000 * (100 - double(row.Wirkungsgrad)) / 100 *
                         row.Ausnutzung / 100);
    }
    countedRows(t, pos::Steuerungen, p.Steuerungen, kSteuerungenW, fS);
    for (int i = 0; i < kSonstigeRows; ++i) {
        const auto& row = p.Sonstige[std::size_t(i)];
        t.at(pos::Sonstige + i) = roundToInt32(double(row.Anzahl) * row.Leistung);
    }
    return t;
}

std::int32_t Gesamtverlustleistung(const ProjectData& p, std::uint16_t mode, std::uint16_t wertBekannt,
                                   std::int32_t innen, std::int32_t aussen) {
    switch (mode) {
    case VerlustBekannt:
        return wertBekannt;
    case VerlustGemessen: {
        // The walls pass, at the measured difference, exactly what the equipment dissipates.
        const double delta = innen > aussen ? double(std::int64_t(innen) - aussen) : 0.0;
        return roundToInt32(delta * p.Schaltschrank.Waermedurchgangszahl * double(Oberflaeche(p)) /
                            1000000.0);
    }
    default:
        // "nicht bekannt"; an unknown mode from a hand-edited file is estimated the same
        // way rather than taken as no loss at all.
        return BerechneTeilverluste(p).sum();
    }
}

std::int32_t Gesamtverlustleistung(const ProjectData& p) {
    return Gesamtverlustleistung(p, p.Verlustleistung.Bekannt, p.Verlustleistung.WertBekannt,
                                 p.Verlustleistung.InnenTemperatur, p.Verlustleistung.AussenTemperatur);
}

} // namespace zek
