#include "core/Cabinet.h"
#include "core/ProjectData.h"
#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zek;

namespace {

constexpr i32 kMaxI = std::numeric_limits<i32>::max(), kMinI = std::numeric_limits<i32>::min();

ProjectData cabinet(u16 b, u16 h, u16 t, u16 gehaeuseart, u16 aufstellart, double k = 5.5) {
    ProjectData p;
    p.Schaltschrank = {b, h, t, Anderes, k, gehaeuseart, aufstellart};
    return p;
}

} // namespace

TEST(Rounding, ties_go_to_the_even_neighbour_and_results_are_clamped_to_32_bits) {
    const struct {
        double in;
        double out;
    } cases[] = {{0.5, 0},       {1.5, 2},        {2.5, 2},     {3.5, 4},    {-0.5, 0},  {-2.5, -2},
                 {-129.5, -130}, {-129.25, -129}, {775.5, 776}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
    EXPECT_EQ(roundToInt32(3e9), kMaxI);
    EXPECT_EQ(roundToInt32(-3e9), kMinI);
    EXPECT_EQ(roundToInt32(2147483646.5), 2147483646); // tie, even neighbour is in range
    EXPECT_EQ(roundToInt32(std::nan("")), 0);
    EXPECT_EQ(roundToInt32(std::numeric_limits<double>::infinity()), kMaxI);
}

TEST(Cabinet, table_materials_set_their_k_value_and_other_materials_keep_the_typed_one) {
    // The four table materials; "Anderes" and a value only a hand-edited file holds are not read
    // from the table.
    const std::pair<u16, double> cases[] = {{Stahlblech, 5.5}, {Kunststoff, 3.5}, {Aluminium, 20.0},
                                            {Edelstahl, 4.0},  {Anderes, 0.0},    {65535, 0.0}};
    for (const auto& [material, k] : cases) {
        EXPECT_EQ(MaterialKWert(material), k) << material;
        SchaltschrankGroup s{0, 0, 0, 0, 12.3, 0, 0};
        SetMaterial(s, material);
        EXPECT_EQ(s.Material, material);
        EXPECT_EQ(s.Waermedurchgangszahl, k == 0.0 ? 12.3 : k) << material;
    }
}

TEST(Cabinet, surface_counts_the_faces_of_each_position) {
    // 600 x 2000 x 500: front F = 1 200 000, side S = 1 000 000, roof R = 300 000 mm².
    const struct {
        u16 b, h, t, gehaeuseart, aufstellart;
        std::uint32_t mm2;
    } cases[] = {
        {600, 2000, 500, Einzelschrank, Freistehend, 4700000}, // 2F + 2S + R
        {600, 2000, 500, Einzelschrank, Wandanbau, 3500000},   // F + 2S + R
        {600, 2000, 500, Randschrank, Freistehend, 3700000},   // 2F + S + R
        {600, 2000, 500, Randschrank, Wandanbau, 2500000},     // F + S + R
        {600, 2000, 500, Mittelschrank, Freistehend, 2700000}, // 2F + R
        {600, 2000, 500, Mittelschrank, Wandanbau, 1500000},   // F + R
        // Values only a hand-edited file holds: no side and no back wall counted.
        {600, 2000, 500, 7, 9, 1500000},
        // Without depth only the front remains, once or twice.
        {600, 2000, 0, Einzelschrank, Freistehend, 2400000},
        {600, 2000, 0, Einzelschrank, Wandanbau, 1200000},
        {0, 0, 0, Einzelschrank, Freistehend, 0},
        // Dialog limit: 5 * 9999² = 499 900 005 mm² fits in 32 bits.
        {9999, 9999, 9999, Einzelschrank, Freistehend, 499900005},
        // A file may hold 65535 mm: 5 * 65535² = 21 474 181 125 exceeds 32 bits and is clamped.
        {65535, 65535, 65535, Einzelschrank, Freistehend, std::numeric_limits<std::uint32_t>::max()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Oberflaeche(cabinet(c.b, c.h, c.t, c.gehaeuseart, c.aufstellart)), c.mm2)
            << c.b << "x" << c.h << "x" << c.t << " " << c.gehaeuseart << "/" << c.aufstellart;
}

TEST(Cabinet, wall_heat_flows_keep_their_sign) {
    const ProjectData example = cabinet(600, 2000, 500, Einzelschrank, Freistehend); // 4.7 m²
    // A cabinet whose surface is exactly 1 m²: 1000 x 1000 front against a wall, no depth.
    const auto squareMetre = [](double k) { return cabinet(1000, 1000, 0, Mittelschrank, Wandanbau, k); };
    const struct {
        const char* what;
        ProjectData p;
        i32 maxInnen, maxAussen, minInnen, minAussen;
        i32 max, min;
    } cases[] = {
        // 4.7 m² * 5.5 * (35 - 40) = -129.25; 4.7 * 5.5 * (20 - (-10)) = 775.5 -> 776 (even)
        {"worked example", example, 40, 35, 20, -10, -129, 776},
        // 4.7 * 5.5 * 5 = 129.25: hot ambient adds heat; 4.7 * 5.5 * -5: cold inside takes it in
        {"ambient above inside", example, 35, 40, -10, -5, 129, -129},
        {"equal temperatures", example, 30, 30, 10, 10, 0, 0},
        {"k = 0 passes nothing", squareMetre(0.0), 40, 35, 20, -10, 0, 0},
        // 1 m² * 2.5 * ±1 = ±2.5 -> ±2
        {"ties 2.5 and -2.5", squareMetre(2.5), 20, 21, 20, 21, 2, -2},
        // 1 m² * 129.5 * -1 = -129.5 -> -130
        {"tie -129.5", squareMetre(129.5), 21, 20, 20, 21, -130, -130},
        // The difference of the extreme temperatures leaves 32 bits before it is multiplied.
        {"extremes", cabinet(9999, 9999, 9999, Einzelschrank, Freistehend, 20.0), kMinI, kMaxI, kMinI, kMaxI,
         kMaxI, kMinI},
    };
    for (const auto& c : cases) {
        ProjectData p = c.p;
        p.Temperatur.MaxInnen = c.maxInnen;
        p.Temperatur.MaxAussen = c.maxAussen;
        p.Temperatur.MinInnen = c.minInnen;
        p.Temperatur.MinAussen = c.minAussen;
        EXPECT_EQ(WandwaermeMax(p), c.max) << c.what;
        EXPECT_EQ(WandwaermeMin(p), c.min) << c.what;
    }
}
