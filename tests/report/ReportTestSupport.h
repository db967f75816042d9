#pragma once

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "core/TextSource.h"
#include "devices/DeviceTable.h"
#include "report/Report.h"

#include <map>
#include <optional>
#include <string>

namespace zek::test {

// Texts by number; a number without its own text reads "#<number>", so every label
// can be told apart in a line.
class FakeTexts : public TextSource {
public:
    std::map<std::uint32_t, std::string> texts;
    std::string GetLangText(std::uint32_t n) const override {
        const auto it = texts.find(n);
        return it != texts.end() ? it->second : "#" + std::to_string(n);
    }
};

// Returns a fixed answer and remembers how it was asked.
class FixedSelector : public DeviceSelector {
public:
    std::optional<std::uint16_t> answer;
    int calls = 0;
    bool lastCancelAllowed = false;
    std::optional<std::uint16_t> AuswahlZeigen(bool cancelAllowed, const Kandidatenliste&,
                                               AuswahlGroup&) override {
        ++calls;
        lastCancelAllowed = cancelAllowed;
        return answer;
    }
};

// Heater 50 W, filter fan of 100 m3/h with its exit filter, an air/air exchanger that
// serves both variants, a fixed 1000 W cooling unit.
inline const char* kTestTable = "Test table\n"
                                "--\n"
                                "VH 1100.001     HI- A    50  230   50    0 Heizung HZ 50\n"
                                "VL 3200.102     L-- D   100  230    8   33 Filterluefter FL 100\n"
                                "VF 3200.202     LZ- D     0    0    0    0 Austrittsfilter AF 100\n"
                                "VT 4000.001     TX- D   500  230    0    0 Waermetauscher WT 500\n"
                                "VK 5000.001     KY- D  1000  230    0    0 Kuehlgeraet KG 1000\n"
                                "--\n";

inline DeviceTable testTable() {
    DeviceTable t;
    t.LiesTypText(kTestTable);
    return t;
}

// 600 x 1200 x 400 steel cabinet with a known loss, inside 35 °C, ambient 25 °C.
inline ProjectData testProject(std::uint16_t verlustW) {
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank.Breite = 600;
    p.Schaltschrank.Hoehe = 1200;
    p.Schaltschrank.Tiefe = 400;
    SetMaterial(p.Schaltschrank, Stahlblech);
    p.Temperatur = {35, 10, 25, 5, 15};
    p.Verlustleistung.Bekannt = VerlustBekannt;
    p.Verlustleistung.WertBekannt = verlustW;
    return p;
}

} // namespace zek::test
