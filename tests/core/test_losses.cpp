#include "core/Cabinet.h"
#include "core/Losses.h"
#include "core/ProjectData.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace zek;

namespace {

// A record with no components at all and the given simultaneity factors.
ProjectData empty(u16 leistungsteil = 100, u16 steuerungsteil = 100) {
    ProjectData p;
    p.Gleichzeitigkeit.Leistungsteil = leistungsteil;
    p.Gleichzeitigkeit.Steuerungsteil = steuerungsteil;
    p.Verlustleistung.Bekannt = VerlustNichtBekannt;
    return p;
}

// Every slot and row in use, so that each of the 89 positions is non-zero at 100 %.
ProjectData populated(u16 leistungsteil, u16 steuerungsteil) {
    ProjectData p = empty(leistungsteil, steuerungsteil);
    p.Leistungsschalter.fill(2);
    for (auto& r : p.Sicherungen)
        r = {4, 63, 2};
    p.Motorschutz.fill(3);
    p.Relais.fill(10);
    p.Leistungsschuetze.fill(2);
    p.Lampen.fill(10);
    for (auto& r : p.Transformatoren)
        r = {1, 400};
    for (auto& r : p.Netzteile)
        r = {2, 24, 5, 3};
    for (auto& r : p.Frequenzumrichter)
        r = {1, 11, 95, 80, "FU"};
    p.Steuerungen.fill(10);
    for (auto& r : p.Sonstige)
        r = {1, "PC", 150};
    return p;
}

struct Entry {
    std::string what;
    std::function<void(ProjectData&)> set;
    int position;
    std::int32_t lossW;
};

// One entry per per-unit constant: a count of 1000 at 100 % makes the constant visible to
// a tenth of a watt (1000 * 1.2 W = 1200 W), and nothing else may contribute.
std::vector<Entry> constantEntries() {
    std::vector<Entry> e;
    const int breakersW[] = {15, 18, 25, 35, 75, 85, 130, 200, 480, 550, 810, 1050, 1610};
    for (int i = 0; i < 13; ++i)
        e.push_back({"Leistungsschalter " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Leistungsschalter[std::size_t(i)] = 1000; }, 1 + i,
                     1000 * breakersW[i]});
    const int motorW[] = {5, 14};
    for (int i = 0; i < 2; ++i)
        e.push_back({"Motorschutz " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Motorschutz[std::size_t(i)] = 1000; }, 24 + i,
                     1000 * motorW[i]});
    const int relaisW[] = {3000, 6000, 1200, 600};
    for (int i = 0; i < 4; ++i)
        e.push_back({"Relais " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Relais[std::size_t(i)] = 1000; }, 26 + i, relaisW[i]});
    const int schuetzeW[] = {8, 11, 13, 25, 25, 46, 100, 140, 160, 170, 180, 200};
    for (int i = 0; i < 12; ++i)
        e.push_back({"Leistungsschuetze " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Leistungsschuetze[std::size_t(i)] = 1000; }, 30 + i,
                     1000 * schuetzeW[i]});
    const int lampenW[] = {1200, 2000, 5000, 4000};
    for (int i = 0; i < 4; ++i)
        e.push_back({"Lampen " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Lampen[std::size_t(i)] = 1000; }, 42 + i, lampenW[i]});
    const int steuerungenW[] = {1400, 2200, 3200, 3600};
    for (int i = 0; i < 4; ++i)
        e.push_back({"Steuerungen " + std::to_string(i + 1),
                     [i](ProjectData& p) { p.Steuerungen[std::size_t(i)] = 1000; }, 76 + i, steuerungenW[i]});

    // Loss factors: 10 outputs * 10 V * 10 A = 1000 W electrical.
    const int netzteilW[] = {70, 152, 450, 300};
    for (u16 typ = 0; typ < 4; ++typ)
        e.push_back({"Netzteil Typ " + std::to_string(typ),
                     [typ](ProjectData& p) {
                         p.Netzteile[9] = {10, 10, 10, typ};
                     },
                     67, netzteilW[typ]});
    // A kind that only a hand-edited file holds is treated as "no kind chosen".
    e.push_back({"Netzteil Typ 9", [](ProjectData& p) { p.Netzteile[0] = {10, 10, 10, 9}; }, 58, 70});
    // 1000 W * 0.07
    e.push_back({"Transformator", [](ProjectData& p) { p.Transformatoren[11] = {1, 1000}; }, 57, 70});

    // Fuse formulas at their upper limits pin every constant to about seven digits:
    // 999 * (9999 - 3.3) * 0.1561655094845673 = 1 559 422.5996
    e.push_back({"Sicherungsautomat",
                 [](ProjectData& p) {
                     p.Sicherungen[0] = {999, 9999, 1};
                 },
                 14, 1559423});
    // 999 * (9999 * 954 / 100 + 200) / 99 = 964 594.64
    e.push_back({"Schraubsicherung", [](ProjectData& p) { p.Sicherungen[1] = {999, 9999, 2}; }, 15, 964595});
    // 999 / 99 * 9999 * 776 / 99 = 790 885.09
    e.push_back({"NH-Sicherung", [](ProjectData& p) { p.Sicherungen[9] = {999, 9999, 3}; }, 23, 790885});
    // The screw-in offset alone: 99 * (0 + 200) / 99 = 200
    e.push_back({"Schraubsicherung 0 A", [](ProjectData& p) { p.Sicherungen[2] = {99, 0, 2}; }, 16, 200});
    // Below 3.3 A the fitted line is negative: (2 - 3.3) * 0.156 = -0.203 -> 0; (0 - 3.3) * 0.156 = -0.515 ->
    // -1
    e.push_back({"Sicherungsautomat 2 A", [](ProjectData& p) { p.Sicherungen[3] = {1, 2, 1}; }, 17, 0});
    e.push_back({"Sicherungsautomat 0 A", [](ProjectData& p) { p.Sicherungen[4] = {1, 0, 1}; }, 18, -1});
    e.push_back({"Sicherung Art 0", [](ProjectData& p) { p.Sicherungen[5] = {10, 63, 0}; }, 19, 0});
    e.push_back({"Sicherung Art 4", [](ProjectData& p) { p.Sicherungen[6] = {10, 63, 4}; }, 20, 0});
    e.push_back({"Sicherung Anzahl 0", [](ProjectData& p) { p.Sicherungen[7] = {0, 1250, 3}; }, 21, 0});

    // Converters: 3 * 10 kW * 1000 * (100 - 90) / 100 * 50 / 100 = 1500 W
    e.push_back({"Frequenzumrichter",
                 [](ProjectData& p) {
                     p.Frequenzumrichter[7] = {3, 10, 90, 50, "X"};
                 },
                 75, 1500});
    e.push_back({"Frequenzumrichter 100 %",
                 [](ProjectData& p) {
                     p.Frequenzumrichter[0] = {3, 10, 100, 50, ""};
                 },
                 68, 0});
    e.push_back({"Frequenzumrichter 0 % Ausnutzung",
                 [](ProjectData& p) {
                     p.Frequenzumrichter[1] = {3, 10, 90, 0, ""};
                 },
                 69, 0});
    // 7 * 123 W
    e.push_back({"Sonstige", [](ProjectData& p) { p.Sonstige[9] = {7, "Licht", 123}; }, 89, 861});
    return e;
}

} // namespace

TEST(Losses, every_constant_lands_in_its_position) {
    for (const Entry& e : constantEntries()) {
        ProjectData p = empty();
        e.set(p);
        const Teilverluste t = BerechneTeilverluste(p);
        EXPECT_EQ(t.at(e.position), e.lossW) << e.what;
        EXPECT_EQ(t.sum(), e.lossW) << e.what << ": another position contributes";
    }
}

TEST(Losses, worked_examples_at_80_and_60_percent) {
    struct Case {
        const char* what;
        std::function<void(ProjectData&)> set;
        int position;
        std::int32_t lossW;
    };
    const Case cases[] = {
        // 3 * 0.8 * 15 = 36.0
        {"three 63 A breakers", [](ProjectData& p) { p.Leistungsschalter[0] = 3; }, 1, 36},
        // 10 * 0.8 * (16 - 3.3) * 0.15617 = 15.866
        {"ten MCB poles at 16 A",
         [](ProjectData& p) {
             p.Sicherungen[0] = {10, 16, 1};
         },
         14, 16},
        // 3 * 0.8 * (63 * 9.54 + 200) / 99 = 19.419
        {"three screw-in fuses at 63 A",
         [](ProjectData& p) {
             p.Sicherungen[0] = {3, 63, 2};
         },
         14, 19},
        // 3 / 99 * 0.8 * 250 * 776 / 99 = 47.505
        {"three NH fuses at 250 A",
         [](ProjectData& p) {
             p.Sicherungen[0] = {3, 250, 3};
         },
         14, 48},
        // 2 * 24 * 5 * 0.6 * 0.3 = 43.2
        {"switched-mode supply",
         [](ProjectData& p) {
             p.Netzteile[0] = {2, 24, 5, 3};
         },
         58, 43},
        // 400 * 0.07 = 28
        {"400 W transformer",
         [](ProjectData& p) {
             p.Transformatoren[0] = {1, 400};
         },
         46, 28},
        // 2 * 11 000 * 5 / 100 * 80 / 100 = 880
        {"two 11 kW converters",
         [](ProjectData& p) {
             p.Frequenzumrichter[0] = {2, 11, 95, 80, ""};
         },
         68, 880},
        // 3 * 0.6 * 6.0 = 10.8
        {"three DC relays", [](ProjectData& p) { p.Relais[1] = 3; }, 27, 11},
        // 7 * 0.8 * 14 = 78.4
        {"seven motor protection switches", [](ProjectData& p) { p.Motorschutz[1] = 7; }, 25, 78},
    };
    for (const Case& c : cases) {
        ProjectData p = empty(80, 60);
        c.set(p);
        EXPECT_EQ(BerechneTeilverluste(p).at(c.position), c.lossW) << c.what;
    }
}

TEST(Losses, control_part_ties_go_to_the_even_neighbour) {
    ProjectData p = empty(100, 50);
    p.Lampen[2] = 1; // 1 * 0.5 * 5.0 = 2.5 -> 2
    EXPECT_EQ(BerechneTeilverluste(p).at(44), 2);
    p.Lampen[2] = 3; // 3 * 0.5 * 5.0 = 7.5 -> 8
    EXPECT_EQ(BerechneTeilverluste(p).at(44), 8);
    p.Lampen[2] = 5; // 5 * 0.5 * 5.0 = 12.5 -> 12
    EXPECT_EQ(BerechneTeilverluste(p).at(44), 12);
}

TEST(Losses, each_factor_scales_only_its_own_categories) {
    // Positions that follow the power part, the control part, or neither.
    auto isPower = [](int pos) { return pos <= 25 || (pos >= 30 && pos <= 41); };
    auto isControl = [](int pos) {
        return (pos >= 26 && pos <= 29) || (pos >= 42 && pos <= 45) || (pos >= 58 && pos <= 67) ||
               (pos >= 76 && pos <= 79);
    };
    const Teilverluste full = BerechneTeilverluste(populated(100, 100));
    for (int pos = 1; pos <= kTeilverlusteCount; ++pos)
        ASSERT_NE(full.at(pos), 0) << "position " << pos << " is not populated";

    const Teilverluste noPower = BerechneTeilverluste(populated(0, 100));
    const Teilverluste noControl = BerechneTeilverluste(populated(100, 0));
    for (int pos = 1; pos <= kTeilverlusteCount; ++pos) {
        EXPECT_EQ(noPower.at(pos), isPower(pos) ? 0 : full.at(pos)) << "position " << pos;
        EXPECT_EQ(noControl.at(pos), isControl(pos) ? 0 : full.at(pos)) << "position " << pos;
    }
    // Transformers, converters and other sources still count in full with both at 0 %:
    // 12 * 28 + 8 * 11 000 * 0.05 * 0.8 + 10 * 150 = 336 + 3520 + 1500
    EXPECT_EQ(BerechneTeilverluste(populated(0, 0)).sum(), 5356);
}

TEST(Losses, extreme_converter_rows_are_clamped_and_the_total_does_not_wrap) {
    ProjectData p = empty();
    // 999 * 9999 kW * 1000 * 100 % * 100 % = 9 989 001 000 W > 2^31 - 1
    p.Frequenzumrichter[0] = {999, 9999, 0, 100, ""};
    EXPECT_EQ(BerechneTeilverluste(p).at(68), std::numeric_limits<std::int32_t>::max());
    for (auto& row : p.Frequenzumrichter)
        row = {999, 9999, 0, 100, ""};
    EXPECT_EQ(Gesamtverlustleistung(p), std::numeric_limits<std::int32_t>::max());

    // At the default 95 % / 80 % the same row fits: 9 989 001 000 * 0.05 * 0.8 = 399 560 040
    p.Frequenzumrichter[0] = {999, 9999, 95, 80, ""};
    EXPECT_EQ(BerechneTeilverluste(p).at(68), 399560040);

    // The largest power-supply product 999³ stays exact: 997 002 999 * 0.45 = 448 651 349.55
    ProjectData q = empty();
    q.Netzteile[0] = {999, 999, 999, 2};
    EXPECT_EQ(BerechneTeilverluste(q).at(58), 448651350);
    // File values beyond the dialog's 999: 65535³ * 0.07 leaves 32 bits and is clamped
    q.Netzteile[0] = {65535, 65535, 65535, 0};
    EXPECT_EQ(BerechneTeilverluste(q).at(58), std::numeric_limits<std::int32_t>::max());
}

TEST(Losses, total_by_mode) {
    ProjectData p = populated(80, 60);
    p.Schaltschrank = {600, 2000, 500, Stahlblech, 5.5, Einzelschrank, Freistehend}; // 4.7 m²
    const std::int32_t components = BerechneTeilverluste(p).sum();
    ASSERT_GT(components, 0);

    struct Case {
        const char* what;
        u16 mode, wert;
        i32 innen, aussen;
        std::int32_t totalW;
    };
    const Case cases[] = {
        {"known", VerlustBekannt, 1234, 0, 0, 1234},
        {"known zero", VerlustBekannt, 0, 45, 25, 0},
        // 20 K * 5.5 * 4.7 m² = 517
        {"measured", VerlustGemessen, 0, 45, 25, 517},
        {"measured, inside colder", VerlustGemessen, 0, 25, 30, 0},
        {"measured, equal", VerlustGemessen, 0, 30, 30, 0},
        // 5 K * 5.5 * 4.7 = 129.25
        {"measured below zero", VerlustGemessen, 0, -5, -10, 129},
        {"from components", VerlustNichtBekannt, 1234, 45, 25, components},
        // A mode only a hand-edited file holds is estimated from the components, not taken as 0 W.
        {"mode 3", 3, 1234, 45, 25, components},
        {"mode 65535", 65535, 1234, 45, 25, components},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Gesamtverlustleistung(p, c.mode, c.wert, c.innen, c.aussen), c.totalW) << c.what;
        ProjectData q = p;
        q.Verlustleistung = {c.mode, c.wert, c.aussen, c.innen};
        EXPECT_EQ(Gesamtverlustleistung(q), c.totalW) << c.what << " (record)";
    }
    EXPECT_EQ(Gesamtverlustleistung(empty(), VerlustNichtBekannt, 0, 0, 0), 0);
}

TEST(Losses, measured_total_follows_the_cabinet) {
    ProjectData p = empty();
    p.Schaltschrank = {600, 2000, 500, Stahlblech, 5.5, Einzelschrank, Freistehend};
    p.Verlustleistung = {VerlustGemessen, 0, 25, 45};
    EXPECT_EQ(Gesamtverlustleistung(p), 517); // 20 * 5.5 * 4.7
    p.Schaltschrank.Aufstellart = Wandanbau;
    EXPECT_EQ(Gesamtverlustleistung(p), 385); // 20 * 5.5 * 3.5
    SetMaterial(p.Schaltschrank, Aluminium);
    EXPECT_EQ(Gesamtverlustleistung(p), 1400); // 20 * 20 * 3.5
}
