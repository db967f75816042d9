#include "core/Cabinet.h"
#include "core/ProjectData.h"
#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zek;

namespace {

ProjectData cabinet(u16 b, u16 h, u16 t, u16 gehaeuseart, u16 aufstellart) {
    ProjectData p;
    p.Schaltschrank.Breite = b;
    p.Schaltschrank.Hoehe = h;
    p.Schaltschrank.Tiefe = t;
    p.Schaltschrank.Gehaeuseart = gehaeuseart;
    p.Schaltschrank.Aufstellart = aufstellart;
    SetMaterial(p.Schaltschrank, Stahlblech);
    return p;
}

// A cabinet whose surface is exactly 1 m²: 1000 x 1000 front against a wall, no depth.
ProjectData squareMetre(double k) {
    ProjectData p = cabinet(1000, 1000, 0, Mittelschrank, Wandanbau);
    p.Schaltschrank.Material = Anderes;
    p.Schaltschrank.Waermedurchgangszahl = k;
    return p;
}

} // namespace

TEST(Rounding, ties_go_to_the_even_neighbour) {
    struct Case {
        double in;
        double out;
    };
    const Case cases[] = {{0.5, 0},       {1.5, 2},        {2.5, 2},     {3.5, 4},    {-0.5, 0},  {-2.5, -2},
                          {-129.5, -130}, {-129.25, -129}, {775.5, 776}, {2.4999, 2}, {2.5001, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(Rounding, results_outside_32_bits_are_clamped_not_wrapped) {
    constexpr auto maxI = std::numeric_limits<std::int32_t>::max();
    constexpr auto minI = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(roundToInt32(3e9), maxI);
    EXPECT_EQ(roundToInt32(-3e9), minI);
    EXPECT_EQ(roundToInt32(2147483646.5), 2147483646); // tie, even neighbour is in range
    EXPECT_EQ(roundToInt32(std::nan("")), 0);
    EXPECT_EQ(roundToInt32(std::numeric_limits<double>::infinity()), maxI);
}

TEST(Cabinet, material_table_and_unknown_materials) {
    EXPECT_EQ(MaterialKWert(Stahlblech), 5.5);
    EXPECT_EQ(MaterialKWert(Kunststoff), 3.5);
    EXPECT_EQ(MaterialKWert(Aluminium), 20.0);
    EXPECT_EQ(MaterialKWert(Edelstahl), 4.0);
    // No table entry beyond 3: never read outside the table.
    EXPECT_EQ(MaterialKWert(Anderes), 0.0);
    EXPECT_EQ(MaterialKWert(65535), 0.0);
}

TEST(Cabinet, table_material_always_overrides_a_stored_k_value) {
    SchaltschrankGroup s;
    s.Waermedurchgangszahl = 12.3;
    SetMaterial(s, Aluminium);
    EXPECT_EQ(s.Waermedurchgangszahl, 20.0);
    s.Waermedurchgangszahl = 12.3;
    SetMaterial(s, Kunststoff);
    EXPECT_EQ(s.Waermedurchgangszahl, 3.5);
    // "Anderes" keeps what the user typed.
    s.Waermedurchgangszahl = 12.3;
    SetMaterial(s, Anderes);
    EXPECT_EQ(s.Material, Anderes);
    EXPECT_EQ(s.Waermedurchgangszahl, 12.3);
}

TEST(Cabinet, surface_counts_the_faces_of_each_position) {
    // 600 x 2000 x 500: front F = 1 200 000, side S = 1 000 000, roof R = 300 000.
    struct Case {
        u16 gehaeuseart, aufstellart;
        std::uint32_t mm2;
    };
    const Case cases[] = {
        {Einzelschrank, Freistehend, 4700000}, // 2F + 2S + R
        {Einzelschrank, Wandanbau, 3500000},   // F + 2S + R
        {Randschrank, Freistehend, 3700000},   // 2F + S + R
        {Randschrank, Wandanbau, 2500000},     // F + S + R
        {Mittelschrank, Freistehend, 2700000}, // 2F + R
        {Mittelschrank, Wandanbau, 1500000},   // F + R
        // Values only a hand-edited file holds: no side and no back wall counted.
        {7, 9, 1500000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Oberflaeche(cabinet(600, 2000, 500, c.gehaeuseart, c.aufstellart)), c.mm2)
            << c.gehaeuseart << "/" << c.aufstellart;
}

TEST(Cabinet, surface_edge_dimensions) {
    // Without depth only the front remains, once or twice.
    EXPECT_EQ(Oberflaeche(cabinet(600, 2000, 0, Einzelschrank, Freistehend)), 2400000u);
    EXPECT_EQ(Oberflaeche(cabinet(600, 2000, 0, Einzelschrank, Wandanbau)), 1200000u);
    EXPECT_EQ(Oberflaeche(cabinet(0, 0, 0, Einzelschrank, Freistehend)), 0u);
    // Dialog limit: 5 * 9999² = 499 900 005 mm² fits in 32 bits.
    EXPECT_EQ(Oberflaeche(cabinet(9999, 9999, 9999, Einzelschrank, Freistehend)), 499900005u);
    // A file may hold 65535 mm: 5 * 65535² = 21 474 181 125 exceeds 32 bits and is clamped.
    EXPECT_EQ(Oberflaeche(cabinet(65535, 65535, 65535, Einzelschrank, Freistehend)),
              std::numeric_limits<std::uint32_t>::max());
}

TEST(Cabinet, wall_heat_flows_keep_their_sign) {
    struct Case {
        const char* what;
        ProjectData p;
        i32 maxInnen, maxAussen, minInnen, minAussen;
        i32 max, min;
    };
    const ProjectData example = cabinet(600, 2000, 500, Einzelschrank, Freistehend);
    const Case cases[] = {
        // 4.7 m² * 5.5 * (35 - 40) = -129.25; 4.7 * 5.5 * (20 - (-10)) = 775.5 -> 776 (even)
        {"worked example", example, 40, 35, 20, -10, -129, 776},
        // 4.7 * 5.5 * 5 = 129.25: hot ambient adds heat; 4.7 * 5.5 * -5: cold inside takes it in
        {"ambient above inside", example, 35, 40, -10, -5, 129, -129},
        {"equal temperatures", example, 30, 30, 10, 10, 0, 0},
        {"k = 0 passes nothing", squareMetre(0.0), 40, 35, 20, -10, 0, 0},
        // 1 m² * 2.5 * ±1 = ±2.5 -> ±2; 1 m² * 3.5 * ±1 -> ±4
        {"tie 2.5", squareMetre(2.5), 20, 21, 21, 20, 2, 2},
        {"tie -2.5", squareMetre(2.5), 21, 20, 20, 21, -2, -2},
        {"tie 3.5", squareMetre(3.5), 20, 21, 21, 20, 4, 4},
        // 1 m² * 129.5 * -1 = -129.5 -> -130
        {"tie -129.5", squareMetre(129.5), 21, 20, 20, 21, -130, -130},
    };
    for (const Case& c : cases) {
        ProjectData p = c.p;
        p.Temperatur.MaxInnen = c.maxInnen;
        p.Temperatur.MaxAussen = c.maxAussen;
        p.Temperatur.MinInnen = c.minInnen;
        p.Temperatur.MinAussen = c.minAussen;
        EXPECT_EQ(WandwaermeMax(p), c.max) << c.what;
        EXPECT_EQ(WandwaermeMin(p), c.min) << c.what;
    }
}

TEST(Cabinet, extreme_temperatures_do_not_overflow) {
    ProjectData p = cabinet(9999, 9999, 9999, Einzelschrank, Freistehend);
    SetMaterial(p.Schaltschrank, Aluminium);
    p.Temperatur.MaxAussen = std::numeric_limits<i32>::max();
    p.Temperatur.MaxInnen = std::numeric_limits<i32>::min();
    p.Temperatur.MinInnen = std::numeric_limits<i32>::min();
    p.Temperatur.MinAussen = std::numeric_limits<i32>::max();
    EXPECT_EQ(WandwaermeMax(p), std::numeric_limits<i32>::max());
    EXPECT_EQ(WandwaermeMin(p), std::numeric_limits<i32>::min());
}
