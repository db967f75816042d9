#include "core/ProjectData.h"
#include "core/SettingsData.h"

#include <gtest/gtest.h>

using namespace zek;

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
