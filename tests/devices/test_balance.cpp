#include "TypBuilder.h"

#include "core/SettingsData.h"
#include "devices/Balance.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

// 600 × 2000 × 600 mm, free-standing and alone: 2·1.2 + 0.36 + 2·1.2 = 5.16 m²; with
// k = 5 the walls carry 25.8 W/K. A known loss of `verlust` W.
ProjectData projekt(std::uint16_t verlust, std::int32_t maxInnen, std::int32_t maxAussen,
                    std::uint16_t wasser) {
    ProjectData p = NewProject(FactorySettings());
    p.Schaltschrank = {600, 2000, 600, Anderes, 5.0, Einzelschrank, Freistehend};
    p.Verlustleistung = {VerlustBekannt, verlust, 0, 0};
    p.Temperatur = {maxInnen, 10, maxAussen, 5, wasser};
    return p;
}

TEST(Balance, worked_example_of_800_watts) {
    const ProjectData p = projekt(800, 35, 30, 15);
    const BilanzWerte b = Bilanz(p);
    EXPECT_EQ(b.Oberflaeche, 5160000);
    EXPECT_EQ(b.Gesamtverlustleistung, 800);
    EXPECT_EQ(b.WandwaermeMax, -129);  // 25.8 · (30 - 35)
    EXPECT_EQ(b.WandwaermeMin, 129);   // 25.8 · (10 - 5)
    EXPECT_EQ(b.Heizleistung, -671);   // 129 - 800
    EXPECT_EQ(b.Kuehlleistung, 671);   // 800 - 129
    EXPECT_EQ(b.Luftmenge, 395);       // 25/5 · 671/3000 · 98/1000 · 3600 = 394.548
    EXPECT_EQ(b.LuftLuftBedarf, 3355); // 25/5 · 671
    EXPECT_EQ(b.WasserBedarf, 839);    // 25/20 · 671 = 838.75
    // 800 / 25.8 = 31.01 K above the 30 °C ambient.
    EXPECT_EQ(InnentemperaturOhneGeraet(b, p), 61);
}

TEST(Balance, requirements_that_cannot_be_met_or_are_not_needed) {
    const struct {
        const char* name;
        std::uint16_t verlust;
        std::int32_t maxInnen, maxAussen;
        std::uint16_t wasser;
        std::int32_t kuehl, luft, luftLuft, wasserBedarf;
    } cases[] = {
        // 25.8 · (25 - 35) = -258 W through the walls; no loss: nothing to cool.
        {"no loss", 0, 35, 25, 15, 0, 0, 0, 0},
        // Ambient as hot as the inside: the walls carry nothing, fans and air/air cannot help.
        {"equal temperatures", 500, 35, 35, 15, 500, -1, -1, 625}, // 25/20 · 500
        // Water as warm as the inside.
        {"warm water", 500, 35, 35, 35, 500, -1, -1, -1},
        // Hotter outside: 25.8 · 5 = 129 W flow in; 629 W to cool, water 25/10 · 629 = 1572.5.
        {"hot ambient", 500, 35, 40, 25, 629, -1, -1, 1572}, // 1572.5, the tie goes to even
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BilanzWerte b = Bilanz(projekt(c.verlust, c.maxInnen, c.maxAussen, c.wasser));
        EXPECT_EQ(b.Kuehlleistung, c.kuehl);
        EXPECT_EQ(b.Luftmenge, c.luft);
        EXPECT_EQ(b.LuftLuftBedarf, c.luftLuft);
        EXPECT_EQ(b.WasserBedarf, c.wasserBedarf);
    }
}

TEST(Balance, inside_temperature_without_walls_has_no_value) {
    ProjectData p = projekt(800, 35, 30, 15);
    p.Schaltschrank.Waermedurchgangszahl = 0.0;
    EXPECT_EQ(InnentemperaturOhneGeraet(Bilanz(p), p), std::nullopt);
    p = projekt(800, 35, 30, 15);
    p.Schaltschrank.Breite = p.Schaltschrank.Tiefe = 0;
    EXPECT_EQ(InnentemperaturOhneGeraet(Bilanz(p), p), std::nullopt);
}

const DeviceTable& katalog() {
    // clang-format off
    static const DeviceTable t = test::typTable({
        {"HI-", 50}, {"HI-", 100}, {"L--", 200}, {"LZ-", 0}, {"L--", 500}, {"LZ-", 0}, {"LF-", 1000}, {"LZ-", 0},
        {"TS-", 1000}, {"TX-", 4000}, {"WA-", 500}, {"W9-", 1000}, {"KSM", 9001}, {"KSO", 900}, {"KD-", 9001},
        {"KY-", 100},
    });
    // clang-format on
    return t;
}

TEST(Candidates, fixed_order_one_per_variant_and_no_line_twice) {
    // 395 m³/h, 3355 W and 839 W at 25 K, 671 W of cooling at 30 °C outside, 35 °C inside.
    const ProjectData p = projekt(800, 35, 30, 15);
    const Kandidatenliste k = SucheKandidaten(katalog(), p, Bilanz(p));
    const Kandidatenliste expected = {
        {4, 1, 0, "L--"},    // 500 ≥ 395 m³/h
        {6, 1, 0, "LF-"},    // 1000 m³/h
        {9, 1, 800, "TX-"},  // found for TS- and TD-, listed once; 4000 / 25 · 5 = 800 W
        {10, 2, 400, "WA-"}, // 2 · 500 ≥ 839; 500 / 25 · 20 = 400 W
        {11, 1, 800, "W9-"}, // 1000 / 25 · 20 = 800 W
        {12, 2, 387, "KSM"}, // table 1 at 30/35: 386.67 -> 387 W, 2 · 387 ≥ 671
        {13, 1, 0, "KSO"},   // fixed 900 W
        {14, 2, 387, "KD-"}, // same table, a line of its own
        {15, 7, 0, "KY-"},   // 7 · 100 ≥ 671
    };
    EXPECT_EQ(k, expected);

    // Only the families with a positive requirement are searched.
    for (const std::int32_t none : {0, kNichtMoeglich})
        EXPECT_TRUE(SucheKandidaten(katalog(), p.Temperatur, none, none, none, none).empty()) << none;
    const Kandidatenliste nurWasser = SucheKandidaten(katalog(), p.Temperatur, 839, -1, -1, 0);
    ASSERT_EQ(nurWasser.size(), 2u);
    EXPECT_EQ(nurWasser[0].typcode, "WA-");
    // A line of the second air/air variant alone: 4000 / 25 · 5 = 800 W.
    EXPECT_EQ(SucheKandidaten(test::typTable({{"TD-", 4000}}), p.Temperatur, 0, 3355, 0, 0),
              (Kandidatenliste{{0, 1, 800, "TD-"}}));
}

TEST(Candidates, heater_searches_that_apply) {
    // Off: 129 W through the walls -> two 100 W heaters; running: 129 - 800 < 0, no search.
    auto h = SucheHeizungen(katalog(), Bilanz(projekt(800, 35, 30, 15)));
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].fall, Heizungssuche::Fall::Ausgeschaltet);
    EXPECT_EQ(h[0].bedarf, 129);
    EXPECT_EQ(h[0].ergebnis.index, 1);
    EXPECT_EQ(h[0].ergebnis.anzahl, 2);

    // Without a loss both run, 129 W each.
    h = SucheHeizungen(katalog(), Bilanz(projekt(0, 35, 30, 15)));
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[1].fall, Heizungssuche::Fall::Betrieb);
    EXPECT_EQ(h[1].bedarf, 129);

    // Minimum inside and ambient equal, no loss: exactly 0 W either way, nothing is searched
    // (a search would find the smallest heater); 1 W is searched.
    ProjectData gleich = projekt(0, 35, 30, 15);
    gleich.Temperatur.MinAussen = gleich.Temperatur.MinInnen;
    const BilanzWerte null = Bilanz(gleich);
    EXPECT_TRUE(SucheHeizungen(katalog(), null).empty());
    for (std::int32_t BilanzWerte::*bedarf : {&BilanzWerte::WandwaermeMin, &BilanzWerte::Heizleistung}) {
        BilanzWerte b = null;
        b.*bedarf = 1;
        EXPECT_EQ(SucheHeizungen(katalog(), b).size(), 1u);
    }
}

} // namespace
} // namespace zek
