#pragma once

#include <cstdint>
#include <string_view>

namespace zek {

class TextSource;

// Labels of the component lines and the inquiry's first device heading. They are language
// texts; the German ones are the labels the report has always printed.
namespace label {
inline constexpr std::uint32_t Sicherungsart = 1006120;   // fuse kinds 1..3
inline constexpr std::uint32_t Motorschutz = 1006123;     // rows 1..2
inline constexpr std::uint32_t Relais = 1006125;          // rows 1..4
inline constexpr std::uint32_t Schuetze = 1006129;        // rows 1..12
inline constexpr std::uint32_t Lampen = 1006141;          // rows 1..4
inline constexpr std::uint32_t Netzteilart = 1006145;     // power-supply kinds 1..3
inline constexpr std::uint32_t Steuerungen = 1006148;     // rows 1..4
inline constexpr std::uint32_t SonstigeGeraete = 1006152; // prefix of an other heat source
inline constexpr std::uint32_t ErsteKuehlung = 1006153;   // first device heading of the inquiry
inline constexpr std::uint32_t SicherungOhneArt = 1006154;
inline constexpr std::uint32_t NetzteilOhneArt = 1006155;
} // namespace label

// The label's language text; a table without it (an older or a customer's table) gives
// the built-in German label, so that such a table still prints the familiar report.
std::string_view ReportLabel(const TextSource& texts, std::uint32_t number);

// Fuse and power-supply kinds 1..3 have their own name; no kind, or a kind that only a
// hand-edited file holds, takes the generic one.
std::uint32_t SicherungsartLabel(unsigned kind);
std::uint32_t NetzteilartLabel(unsigned kind);

} // namespace zek
