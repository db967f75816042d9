#include "Beispiele.h"
#include "DiagrammBeispiel.h"

#include "report/Diagramm.h"
#include "report/Selection.h"

#include <gtest/gtest.h>

#include <limits>

namespace zek {
namespace {

using test::diagrammKatalog;
using test::diagrammProjekt;

TEST(Reservediagramm, need_and_delivered_power_against_hand_calculation) {
    const Reservediagramm d = ErstelleDiagramme(diagrammProjekt(), diagrammKatalog(), 0xFFFF).reserve;
    ASSERT_EQ(d.taVon, 0); // 5 - 5
    ASSERT_EQ(d.taBis, 60);
    ASSERT_EQ(d.punkte(), 61u);
    EXPECT_EQ(d.auslegungTa, 30);
    EXPECT_EQ(d.auslegungBedarfW, 671);
    // Q = max(0, 800 + Round(25.8 · (Ta - 35))): the walls carry it all up to 4 °C.
    for (const auto& [ta, q] : {std::pair{3, 0}, {4, 0}, {5, 26}, {30, 671}, {34, 774}, {60, 1445}})
        EXPECT_EQ(d.bedarfW.at(d.punkt(ta).value()), q) << ta;

    struct Erwartet {
        const char* artikel;
        int anzahl;
        std::vector<std::pair<std::int32_t, std::optional<std::int64_t>>> punkte;
        std::int32_t grenze;
        bool offen;
    };
    const Erwartet erwartet[] = {
        // 500 · (35 - Ta) / 2.94: 850 W ≥ 671 at 30 °C, 680 W < 697 at 31 °C.
        {"VL 1", 1, {{30, 850}, {31, 680}, {35, 0}, {40, -850}}, 30, false},
        // 4000 / 25 · (35 - Ta): 800 ≥ 671, 640 < 697.
        {"VT 1", 1, {{30, 800}, {31, 640}}, 30, false},
        // 2 · 500 / 25 · (35 - 15) = 800 W whatever the hall: Q(35) = 800 is covered, Q(36) = 826 not.
        {"VW 1", 2, {{0, 800}, {36, 800}}, 35, false},
        // 2 · table 1 at 35 °C inside: rows of 20, 30 and 35 °C give 530, 386.67 and 315 W;
        // 774 W meets Q(34) = 774 exactly. No value below 20 °C or in the row of 55 °C.
        {"VK 1", 2, {{19, std::nullopt}, {20, 1060}, {34, 774}, {35, 630}, {55, std::nullopt}}, 34, false},
        // A fixed 900 W also below 20 °C: Q(38) = 877 is covered, Q(39) = 903 not.
        {"Ohne Nummer", 1, {{0, 900}, {38, 900}}, 38, false},
    };
    ASSERT_EQ(d.geraete.size(), std::size(erwartet));
    for (std::size_t i = 0; i < d.geraete.size(); ++i) {
        const Geraetekurve& g = d.geraete[i];
        const Erwartet& e = erwartet[i];
        SCOPED_TRACE(e.artikel);
        EXPECT_EQ(g.artikel, e.artikel);
        EXPECT_EQ(g.kandidat.anzahl, e.anzahl);
        for (const auto& [ta, w] : e.punkte)
            EXPECT_EQ(g.leistungW.at(d.punkt(ta).value()), w) << ta;
        EXPECT_EQ(g.grenztemperatur, e.grenze);
        EXPECT_EQ(g.grenzeOffen, e.offen);
    }
}

TEST(Reservediagramm, ambient_range_follows_the_temperatures_within_its_bounds) {
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min(),
                   kMax = std::numeric_limits<std::int32_t>::max();
    const std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t> cases[] = {
        {5, 50, 0, 60},   // 50 + 10 stays within 60
        {5, 51, 0, 61},   // 51 + 10 goes beyond
        {40, 30, 25, 60}, // a lowest ambient above the highest: the range starts below the highest
        {kMin, kMax, kDiagrammTaMin, kDiagrammTaMax},
    };
    for (const auto& [minAussen, maxAussen, von, bis] : cases) {
        ProjectData p = diagrammProjekt();
        p.Temperatur.MinAussen = minAussen;
        p.Temperatur.MaxAussen = maxAussen;
        const Reservediagramm d = ErstelleDiagramme(p, diagrammKatalog()).reserve;
        EXPECT_EQ(std::pair(d.taVon, d.taBis), std::pair(von, bis)) << minAussen << " " << maxAussen;
        EXPECT_EQ(d.punkte(), std::size_t(bis - von + 1));
    }
}

TEST(Reservediagramm, limits_of_walls_without_heat_exchange_and_of_twenty_units) {
    // k = 0: the need is the loss alone, 800 W at every ambient.
    ProjectData p = diagrammProjekt();
    p.Schaltschrank.Waermedurchgangszahl = 0.0;
    Diagramme d = ErstelleDiagramme(p, diagrammKatalog());
    ASSERT_EQ(d.reserve.geraete.size(), 5u);
    // 500 · (35 - Ta) / 2.94 ≥ 800 up to 30.3 °C.
    EXPECT_EQ(d.reserve.geraete[0].grenztemperatur, 30);
    // 800 W and 900 W hold to the end of the diagram and beyond.
    for (std::size_t i : {2, 4}) {
        EXPECT_EQ(d.reserve.geraete[i].grenztemperatur, 60) << i;
        EXPECT_TRUE(d.reserve.geraete[i].grenzeOffen) << i;
    }

    // 20 units of 34 W: 680 W cover Q(30) = 671, not Q(31) = 697.
    d = ErstelleDiagramme(diagrammProjekt(), test::typTable({{"KY-", 34}}));
    ASSERT_EQ(d.reserve.geraete.size(), 1u);
    EXPECT_EQ(d.reserve.geraete[0].kandidat.anzahl, 20);
    EXPECT_EQ(d.reserve.geraete[0].grenztemperatur, 30);
}

TEST(Innentemperaturdiagramm, bare_cabinet_against_hand_calculation) {
    const struct {
        const char* name;
        double k;
        std::uint16_t verlust;
        std::int32_t maxInnen;
        std::int64_t pBis;
        std::optional<std::int32_t> ti;
        std::optional<std::int64_t> tragbar;
    } cases[] = {
        // 800 / 25.8 = 31.0 K above 30 °C; 25.8 · 5 = 129 W carried away up to 35 °C.
        {"worked example", 5.0, 800, 35, 1600, 61, 129},
        {"one kelvin to spare", 5.0, 800, 31, 1600, 61, 26}, // 25.8 -> 26
        {"no kelvin to spare", 5.0, 800, 30, 1600, 61, std::nullopt},
        {"no loss: the axis reaches twice the capacity", 5.0, 0, 35, 258, 30, 129},
        {"no loss, no capacity", 5.0, 0, 30, 100, 30, std::nullopt},
        {"walls without heat exchange", 0.0, 800, 35, 1600, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectData p = diagrammProjekt();
        p.Schaltschrank.Waermedurchgangszahl = c.k;
        p.Verlustleistung.WertBekannt = c.verlust;
        p.Temperatur.MaxInnen = c.maxInnen;
        const Innentemperaturdiagramm d = ErstelleDiagramme(p, diagrammKatalog()).innentemperatur;
        EXPECT_EQ(d.pBisW, c.pBis);
        EXPECT_EQ(d.innentemperaturBeiVerlust, c.ti);
        EXPECT_EQ(d.tragbarerVerlustW, c.tragbar);
        EXPECT_EQ(d.leitwertWProK.has_value(), c.k > 0);
        if (d.leitwertWProK) {
            EXPECT_DOUBLE_EQ(d.innentemperatur(1600), 30 + 1600 / 25.8);
        }
    }
}

TEST(DiagrammeDerBeispiele, design_point_and_candidates_meet_the_balance) {
    test::Shipped daten;
    if (!daten.there())
        GTEST_SKIP() << "no data in " << qPrintable(daten.bin.path());
    ASSERT_TRUE(daten.load("zkdeu"));
    for (const QString& name : daten.examples.entryList({"*.Z20", "*.ZEK"}, QDir::Files)) {
        SCOPED_TRACE(name.toStdString());
        Project project(daten.settings.data());
        ASSERT_TRUE(daten.example(project, name));
        const ProjectData& p = project.data();
        const BilanzWerte b = Bilanz(p);
        const Diagramme d = ErstelleDiagramme(p, daten.devices, 0xFFFF); // every candidate found
        EXPECT_EQ(d.reserve.auslegungBedarfW, b.Kuehlleistung);
        EXPECT_EQ(d.innentemperatur.innentemperaturBeiVerlust, InnentemperaturOhneGeraet(b, p));
        EXPECT_EQ(d.reserve.geraete.size(), SucheKandidaten(daten.devices, p, b).size());
    }
}

} // namespace
} // namespace zek
