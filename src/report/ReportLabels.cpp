#include "ReportLabels.h"

#include "core/TextSource.h"

#include <array>

namespace zek {
namespace {

// The built-in German labels (Windows-1252), in the order of their numbers from 1006120.
// The contactors' ratings are padded so that the units stand in one column.
constexpr std::array<const char*, 36> kDeutsch = {
    "Sicherungsautomat{|en}",
    "Schraubsicherung{|en}",
    "NH-Sicherung{|en}",
    "Motorschutzschalter bis 24A",
    "Motorschutzschalter bis 80A",
    "Wechselspannungs-Hilfssch\xFCtz{|e}, Relais, Zeitrelais",
    "Gleichspannungs-Hilfssch\xFCtz{|e}, Relais, Zeitrelais",
    "Wechselspannungs-Koppelrelais",
    "Gleichspannungs-Koppelrelais",
    "Sch\xFCtz{|e} mit   4 KW",
    "Sch\xFCtz{|e} mit 7,5 KW",
    "Sch\xFCtz{|e} mit  11 KW",
    "Sch\xFCtz{|e} mit  15 KW",
    "Sch\xFCtz{|e} mit  22 KW",
    "Sch\xFCtz{|e} mit  30 KW",
    "Sch\xFCtz{|e} mit  37 KW",
    "Sch\xFCtz{|e} mit  55 KW",
    "Sch\xFCtz{|e} mit  90 KW",
    "Sch\xFCtz{|e} mit 130 KW",
    "Sch\xFCtz{|e} mit 200 KW",
    "Sch\xFCtz{|e} mit 375 KW",
    "Meldeleuchte{|n} mit 1,2 Watt",
    "Meldeleuchte{|n} mit 2,0 Watt",
    "Meldeleuchte{|n} mit 5,0 Watt",
    "Meldeleuchte{|n} mit Transformator",
    "Ungeregelte{s|} Netzteil{|e}",
    "L\xE4ngsgeregelte{s|} Netzteil{|e}",
    "Getaktete{s|} Netzteil{|e}",
    "SPS-Ausg{a|\xE4}ng{|e} mit 0,5 Ampere",
    "SPS-Ausg{a|\xE4}ng{|e} mit 1,0 Ampere",
    "SPS-Ausg{a|\xE4}ng{|e} mit 2,0 Ampere",
    "SPS-Ausg{a|\xE4}ng{|e} mit 5,0 Ampere",
    "Ger\xE4t{|e} ",
    "Folgend{es|e} Ger\xE4t{|e} zur K\xFChlung:",
    "Sicherung{|en}",
    "Netzteil{|e}",
};
static_assert(label::NetzteilOhneArt - label::Sicherungsart + 1 == kDeutsch.size());

std::uint32_t kindLabel(unsigned kind, std::uint32_t first, std::uint32_t generic) {
    return kind >= 1 && kind <= 3 ? first + kind - 1 : generic;
}

} // namespace

std::string_view ReportLabel(const TextSource& texts, std::uint32_t number) {
    const std::string_view text = texts.LangTextView(number);
    if (text.empty() && number >= label::Sicherungsart && number - label::Sicherungsart < kDeutsch.size())
        return kDeutsch[number - label::Sicherungsart];
    return text;
}

std::uint32_t SicherungsartLabel(unsigned kind) {
    return kindLabel(kind, label::Sicherungsart, label::SicherungOhneArt);
}

std::uint32_t NetzteilartLabel(unsigned kind) {
    return kindLabel(kind, label::Netzteilart, label::NetzteilOhneArt);
}

} // namespace zek
