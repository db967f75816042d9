#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace zek;

TEST(Project, new_project_takes_defaults_from_factory_settings) {
    const Project project(FactorySettings());
    const ProjectData& p = project.data();
    EXPECT_EQ(p.Schaltschrank.Breite, 600);
    EXPECT_EQ(p.Schaltschrank.Hoehe, 2000);
    EXPECT_EQ(p.Schaltschrank.Tiefe, 600);
    EXPECT_EQ(p.Schaltschrank.Material, Stahlblech);
    EXPECT_DOUBLE_EQ(p.Schaltschrank.Waermedurchgangszahl, 5.5);
    EXPECT_EQ(p.Gleichzeitigkeit.Leistungsteil, 80);
    EXPECT_EQ(p.Gleichzeitigkeit.Steuerungsteil, 60);
    EXPECT_EQ(p.Verlustleistung.Bekannt, VerlustNichtBekannt);
    EXPECT_EQ(p.Verlustleistung.AussenTemperatur, 1);
    EXPECT_EQ(p.Verlustleistung.InnenTemperatur, 1);
    for (const auto& row : p.Frequenzumrichter) {
        EXPECT_EQ(row.Wirkungsgrad, 95);
        EXPECT_EQ(row.Ausnutzung, 80);
    }
    for (const auto& row : p.Sicherungen)
        EXPECT_EQ(row.Art, 1);
    for (const auto& row : p.Netzteile)
        EXPECT_EQ(row.Typ, 1);
    EXPECT_EQ(p.Auswahl.GeraeteCheck, "---------11111111111111111111111111111111111111111111111");
    EXPECT_EQ(p.Auswahl.GeraeteCheck.size(), 56u);
    EXPECT_EQ(p.Auswahl.Geraete, 65535);
    EXPECT_FALSE(project.IsProjectModified());
}

TEST(Project, default_position_choices_reach_a_new_project) {
    SettingsData s = FactorySettings();
    s.Schaltschrank.Art = Wandanbau;
    s.Schaltschrank.Aufstellung = Mittelschrank;
    const Project project(s);
    EXPECT_EQ(project.data().Schaltschrank.Aufstellart, Wandanbau);
    EXPECT_EQ(project.data().Schaltschrank.Gehaeuseart, Mittelschrank);
}

TEST(Project, default_material_outside_table_is_taken_as_steel) {
    SettingsData s = FactorySettings();
    s.Schaltschrank.Material = 7;
    const Project project(s);
    EXPECT_EQ(project.data().Schaltschrank.Material, Stahlblech);
    EXPECT_DOUBLE_EQ(project.data().Schaltschrank.Waermedurchgangszahl, 5.5);
}

TEST(Project, modified_is_the_difference_to_the_saved_state) {
    Project project(FactorySettings());
    ProjectData& p = project.data();

    p.Netzteile[9].Strom = 3;
    EXPECT_TRUE(project.IsProjectModified());
    p.Netzteile[9].Strom = 0;
    EXPECT_FALSE(project.IsProjectModified());

    p.Auswahl.GeraeteCheck[55] = '0';
    EXPECT_TRUE(project.IsProjectModified());
    project.MarkProjectSaved();
    EXPECT_FALSE(project.IsProjectModified());

    p.Frequenzumrichter[7].Bezeichnung = "FU 7";
    EXPECT_TRUE(project.IsProjectModified());
    project.ResetProject(FactorySettings());
    EXPECT_FALSE(project.IsProjectModified());
}

TEST(Project, texts_are_cut_to_their_field_width) {
    ProjectData p;
    p.Sonstige[0].Bezeichnung = std::string(30, 'x');
    EXPECT_EQ(p.Sonstige[0].Bezeichnung.size(), 20u);
    p.Person.Firma = std::string(60, '\xE4');
    EXPECT_EQ(p.Person.Firma.size(), 50u);
}

TEST(Settings, reset_leaves_the_saved_state_so_settings_count_as_modified) {
    Settings settings;
    settings.data() = ReadDefaultSettings();
    settings.MarkSettingsSaved();
    EXPECT_FALSE(settings.IsSettingsModified());
    settings.ResetSettings();
    EXPECT_TRUE(settings.IsSettingsModified());
    EXPECT_EQ(settings.data().Drucker.LinkerRand, 20);
    EXPECT_EQ(settings.data().Fax.Index, 0);
    EXPECT_EQ(settings.saved().Drucker.LinkerRand, 10);
    EXPECT_EQ(settings.saved().Drucker.Index, -1);
}

TEST(Project, every_field_counts_for_modified) {
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
        Project project(FactorySettings());
        changes[i](project.data());
        EXPECT_TRUE(project.IsProjectModified()) << "change " << i;
    }
}

TEST(Settings, factory_values_and_read_defaults_differ_only_in_left_margins_and_printers) {
    SettingsData expected;
    expected.Drucker = {20, 10, 10, 10, 0};
    expected.Fax = {20, 10, 10, 10, 0};
    expected.Schaltschrank = {600, 2000, 600, 0, 0, 0};
    expected.Gleichzeitigkeit = {80, 60};
    EXPECT_TRUE(FactorySettings() == expected);

    expected.Drucker.LinkerRand = expected.Fax.LinkerRand = 10;
    expected.Drucker.Index = expected.Fax.Index = -1;
    EXPECT_TRUE(ReadDefaultSettings() == expected);
}
