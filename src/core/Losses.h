#pragma once

#include "ProjectData.h"

#include <array>
#include <cstdint>

namespace zek {

inline constexpr int kTeilverlusteCount = 89;

// First position (1-based) of each component category in Teilverluste.
namespace pos {
inline constexpr int Leistungsschalter = 1;
inline constexpr int Sicherungen = 14;
inline constexpr int Motorschutz = 24;
inline constexpr int Relais = 26;
inline constexpr int Leistungsschuetze = 30;
inline constexpr int Lampen = 42;
inline constexpr int Transformatoren = 46;
inline constexpr int Netzteile = 58;
inline constexpr int Frequenzumrichter = 68;
inline constexpr int Steuerungen = 76;
inline constexpr int Sonstige = 80;
} // namespace pos

// The 89 partial losses in W, one per component input row.
class Teilverluste {
public:
    // position 1..89
    std::int32_t at(int position) const { return m_values.at(static_cast<std::size_t>(position - 1)); }
    std::int32_t& at(int position) { return m_values.at(static_cast<std::size_t>(position - 1)); }
    const std::array<std::int32_t, kTeilverlusteCount>& values() const { return m_values; }
    // Integer sum of all entries (in 64 bits, then clamped to the signed 32-bit range).
    std::int32_t sum() const;

private:
    std::array<std::int32_t, kTeilverlusteCount> m_values{};
};

Teilverluste BerechneTeilverluste(const ProjectData& p);

// Total power loss of the record's loss mode, W.
std::int32_t Gesamtverlustleistung(const ProjectData& p);
// The same with explicit mode, known value and measured temperatures (the loss page
// shows the total while the user types); the cabinet is read from the record.
std::int32_t Gesamtverlustleistung(const ProjectData& p, std::uint16_t mode, std::uint16_t wertBekannt,
                                   std::int32_t innen, std::int32_t aussen);

} // namespace zek
