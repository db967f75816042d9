#pragma once

#include "core/ProjectData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zek {

class DeviceTable;

// One row of the overview of many cabinets: the key figures of the balance and the
// devices that the project's result report would list with its stored selection.
struct Zusammenfassung {
    std::string datei;  // Windows-1252, as given
    std::string fehler; // Windows-1252; not empty when the project could not be read
    double oberflaecheM2 = 0.0;
    std::int32_t verlustW = 0;
    std::int32_t kuehlungW = 0;
    std::int32_t heizungAusW = 0;     // heating with the equipment switched off, 0 when none is needed
    std::int32_t heizungEinW = 0;     // heating with the equipment running, 0 when none is needed
    std::vector<std::string> geraete; // "2 x VL 3212.200", heaters last
};

// The figures and devices of a project. The stored ticks are confirmed as they are, so
// `p.Auswahl` takes the mask that the report would store.
Zusammenfassung Zusammenfassen(ProjectData& p, const DeviceTable& devices);

// A plain-text table (columns aligned, devices joined by "; ") or CSV (comma separated,
// quoted where needed). Both are Windows-1252; each line ends in "\n". The file column
// of the table is `dateiBreite` characters wide (wider names push their row right).
inline constexpr std::size_t kDateiBreite = 32;
std::string ZusammenfassungKopf(bool csv, std::size_t dateiBreite = kDateiBreite);
std::string ZusammenfassungZeile(const Zusammenfassung& z, bool csv, std::size_t dateiBreite = kDateiBreite);

} // namespace zek
