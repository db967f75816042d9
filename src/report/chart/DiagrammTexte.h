#pragma once

#include "core/ProjectData.h"
#include "report/Report.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace zek {

class TextSource;

// Text numbers of the diagrams.
namespace txt::diagramm {
inline constexpr std::uint32_t Seitentitel = 1012040;
inline constexpr std::uint32_t ReserveTitel = 1012041;
inline constexpr std::uint32_t AchseUmgebung = 1012042;
inline constexpr std::uint32_t AchseKuehlleistung = 1012043;
inline constexpr std::uint32_t Bedarf = 1012044;
inline constexpr std::uint32_t Auslegung = 1012045;
inline constexpr std::uint32_t Grenztemperatur = 1012046;
inline constexpr std::uint32_t Keine = 1012047;
inline constexpr std::uint32_t InnenTitel = 1012048;
inline constexpr std::uint32_t AchseVerlust = 1012049;
inline constexpr std::uint32_t AchseInnen = 1012050;
inline constexpr std::uint32_t InnenKurve = 1012051;
inline constexpr std::uint32_t Zulaessig = 1012052;
inline constexpr std::uint32_t Projektverlust = 1012053;
inline constexpr std::uint32_t Tragbar = 1012054;
inline constexpr std::uint32_t KeineGeraete = 1012055;
inline constexpr std::uint32_t KeineWaende = 1012056;
inline constexpr std::uint32_t NichtGeschrieben = 1012057;
} // namespace txt::diagramm

// Every text the chart painter writes, in the user's language.
struct DiagrammTexte {
    QString reserveTitel, achseUmgebung, achseKuehlleistung, bedarf, auslegung, grenztemperatur, keine;
    QString innenTitel, achseVerlust, achseInnen, innenKurve, zulaessig, projektverlust, tragbar;
    QString keineGeraete, keineWaende;
};

DiagrammTexte LadeDiagrammTexte(const TextSource& texts);

// The lines above the diagrams on a page: the title, the customer and the project, the
// date and the name of the project file (parts without a value are left out).
QStringList DiagrammTitelzeilen(const ProjectData& p, const TextSource& texts, const QString& projectFileName,
                                const Datum& heute);

} // namespace zek
