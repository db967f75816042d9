#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace zek;

TEST(Settings, factory_values_and_read_defaults_differ_only_in_left_margins_and_printers) {
    SettingsData expected;
    expected.Drucker = expected.Fax = {20, 10, 10, 10, 0};
    expected.Schaltschrank = {600, 2000, 600, 0, 0, 0};
    expected.Gleichzeitigkeit = {80, 60};
    EXPECT_TRUE(FactorySettings() == expected);
    expected.Drucker = expected.Fax = {10, 10, 10, 10, -1};
    EXPECT_TRUE(ReadDefaultSettings() == expected);
}

TEST(Project, new_project_takes_the_defaults_of_the_settings) {
    const Project project(FactorySettings());
    const ProjectData& p = project.data();
    EXPECT_EQ(p.Schaltschrank,
              (SchaltschrankGroup{600, 2000, 600, Stahlblech, 5.5, Einzelschrank, Freistehend}));
    EXPECT_EQ(p.Gleichzeitigkeit, (GleichzeitigkeitGroup{80, 60}));
    EXPECT_EQ(p.Verlustleistung, (VerlustleistungGroup{VerlustNichtBekannt, 0, 1, 1}));
    for (const auto& row : p.Frequenzumrichter)
        EXPECT_EQ(row, (FrequenzumrichterZeile{0, 0, 95, 80, ""}));
    for (const auto& row : p.Sicherungen)
        EXPECT_EQ(row.Art, 1);
    for (const auto& row : p.Netzteile)
        EXPECT_EQ(row.Typ, 1);
    EXPECT_EQ(p.Auswahl.GeraeteCheck, "---------11111111111111111111111111111111111111111111111");
    EXPECT_EQ(p.Auswahl.Geraete, 65535);
    EXPECT_FALSE(project.IsProjectModified());

    // Position choices reach the project; a material outside the table is taken as steel.
    SettingsData s = FactorySettings();
    s.Schaltschrank.Art = Wandanbau;
    s.Schaltschrank.Aufstellung = Mittelschrank;
    s.Schaltschrank.Material = 7;
    const SchaltschrankGroup c = Project(s).data().Schaltschrank;
    EXPECT_EQ(c, (SchaltschrankGroup{600, 2000, 600, Stahlblech, 5.5, Mittelschrank, Wandanbau}));
}

TEST(Project, modified_is_the_difference_to_the_saved_state) {
    Project project(FactorySettings());
    ProjectData& p = project.data();
    p.Netzteile[9].Strom = 3;
    EXPECT_TRUE(project.IsProjectModified());
    p.Netzteile[9].Strom = 0;
    EXPECT_FALSE(project.IsProjectModified());
    p.Auswahl.GeraeteCheck[55] = '0';
    project.MarkProjectSaved();
    EXPECT_FALSE(project.IsProjectModified());
    p.Frequenzumrichter[7].Bezeichnung = "FU 7";
    project.ResetProject(FactorySettings());
    EXPECT_FALSE(project.IsProjectModified());
    EXPECT_EQ(project.saved().Auswahl.GeraeteCheck[55], '1');
}

TEST(Project, every_field_counts_for_modified) {
    // An unsaved change is seen in every group, in the last slot of each list and in each
    // of the 56 selection characters.
    using Change = std::function<void(ProjectData&)>;
    std::vector<Change> changes = {
        [](ProjectData& p) { p.Person.Ort = "x"; },
        [](ProjectData& p) { p.Projekt.Projekt = "x"; },
        [](ProjectData& p) { p.Anschluss.Strom = 1; },
        [](ProjectData& p) { p.Schaltschrank.Waermedurchgangszahl = 5.6; },
        [](ProjectData& p) { p.Schaltschrank.Aufstellart = 1; },
        [](ProjectData& p) { p.Temperatur.Wasser = 1; },
        [](ProjectData& p) { p.Gleichzeitigkeit.Steuerungsteil = 1; },
        [](ProjectData& p) { p.Verlustleistung.InnenTemperatur = 0; },
        [](ProjectData& p) { p.Leistungsschalter[12] = 1; },
        [](ProjectData& p) { p.Sicherungen[9].Art = 2; },
        [](ProjectData& p) { p.Motorschutz[1] = 1; },
        [](ProjectData& p) { p.Relais[3] = 1; },
        [](ProjectData& p) { p.Leistungsschuetze[11] = 1; },
        [](ProjectData& p) { p.Lampen[3] = 1; },
        [](ProjectData& p) { p.Transformatoren[11].Leistung = 1; },
        [](ProjectData& p) { p.Netzteile[9].Typ = 3; },
        [](ProjectData& p) { p.Frequenzumrichter[7].Ausnutzung = 81; },
        [](ProjectData& p) { p.Steuerungen[3] = 1; },
        [](ProjectData& p) { p.Sonstige[9].Bezeichnung = "x"; },
        [](ProjectData& p) { p.Auswahl.Geraete = 1; },
    };
    for (std::size_t i = 0; i < kGeraeteCheckLength; ++i)
        changes.push_back([i](ProjectData& p) { p.Auswahl.GeraeteCheck[i] = '0'; });
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Project changed(FactorySettings());
        changes[i](changed.data());
        EXPECT_TRUE(changed.IsProjectModified()) << "change " << i;
    }
}
