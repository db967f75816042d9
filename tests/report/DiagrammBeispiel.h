#pragma once

#include "../devices/TypBuilder.h"

#include "core/ProjectData.h"
#include "core/SettingsData.h"

namespace zek::test {

// 600 × 2000 × 600 mm, free-standing and alone: 5.16 m², with k = 5 the walls carry
// 25.8 W/K. 800 W known loss, 35 °C inside, 30 °C (at least 5 °C) outside, water 15 °C:
// Kuehlleistung 800 - 129 = 671 W.
inline ProjectData diagrammProjekt() {
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank = {600, 2000, 600, Anderes, 5.0, Einzelschrank, Freistehend};
    p.Verlustleistung = {VerlustBekannt, 800, 0, 0};
    p.Temperatur = {35, 10, 30, 5, 15};
    return p;
}

// One candidate per family: a fan of 500 m³/h, air/air 4000 W and water/air 500 W at 25 K,
// a cooling unit on table 1 and one of a fixed 900 W without an article number.
inline const DeviceTable& diagrammKatalog() {
    static const DeviceTable t = typTable({{"L--", 500, "VL 1"},
                                           {"TS-", 4000, "VT 1"},
                                           {"WA-", 500, "VW 1"},
                                           {"KSM", 9001, "VK 1"},
                                           {"KSO", 900, " ", "Ohne Nummer"}});
    return t;
}

} // namespace zek::test
