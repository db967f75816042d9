#include "core/Cabinet.h"
#include "core/Losses.h"
#include "core/ProjectData.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <variant>

using namespace zek;

namespace {

constexpr std::int32_t kMaxI = std::numeric_limits<std::int32_t>::max();

// A record with no components at all and the given simultaneity factors.
ProjectData empty(u16 leistungsteil = 100, u16 steuerungsteil = 100) {
    ProjectData p;
    p.Gleichzeitigkeit = {leistungsteil, steuerungsteil};
    p.Verlustleistung.Bekannt = VerlustNichtBekannt;
    return p;
}

// Every slot and row in use, so that each of the 89 positions is non-zero at 100 %.
ProjectData populated(u16 leistungsteil, u16 steuerungsteil) {
    ProjectData p = empty(leistungsteil, steuerungsteil);
    p.Leistungsschalter.fill(2);
    p.Sicherungen.fill({4, 63, 2});
    p.Motorschutz.fill(3);
    p.Relais.fill(100);
    p.Leistungsschuetze.fill(2);
    p.Lampen.fill(100);
    p.Transformatoren.fill({1, 400});
    p.Netzteile.fill({2, 24, 5, 3});
    p.Frequenzumrichter.fill({1, 11, 95, 80, "FU"});
    p.Steuerungen.fill(100);
    p.Sonstige.fill({1, "PC", 150});
    return p;
}

using Row =
    std::variant<SicherungZeile, TransformatorZeile, NetzteilZeile, FrequenzumrichterZeile, SonstigeZeile>;

template <class... F> struct Overload : F... { using F::operator()...; };

// Puts `values` into row `i` of the list of its kind.
void put(ProjectData& p, std::size_t i, const Row& values) {
    std::visit(Overload{[&](const SicherungZeile& r) { p.Sicherungen[i] = r; },
                        [&](const TransformatorZeile& r) { p.Transformatoren[i] = r; },
                        [&](const NetzteilZeile& r) { p.Netzteile[i] = r; },
                        [&](const FrequenzumrichterZeile& r) { p.Frequenzumrichter[i] = r; },
                        [&](const SonstigeZeile& r) { p.Sonstige[i] = r; }},
               values);
}

} // namespace

TEST(Losses, every_position_of_a_full_record_and_the_factor_that_scales_it) {
    // populated() at 100 %: count times the loss per piece or row formula.
    // clang-format off
    const std::array<std::int32_t, kTeilverlusteCount> expected = {
        30, 36, 50, 70, 150, 170, 260, 400, 960, 1100, 1620, 2100, 3220, // 2 breakers each
        // 4 screw-in fuses of 63 A: 4 * (63 * 9.54 + 200) / 99 = 32.36
        32, 32, 32, 32, 32, 32, 32, 32, 32, 32,
        15, 42,                                               // 3 motor protection switches of 5 and 14 W
        300, 600, 120, 60,                                    // 100 relays of 3, 6, 1.2 and 0.6 W
        16, 22, 26, 50, 50, 92, 200, 280, 320, 340, 360, 400, // 2 contactors each
        120, 200, 500, 400,                                   // 100 lamps of 1.2, 2, 5 and 4 W
        28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28,       // 400 W * 0.07
        72, 72, 72, 72, 72, 72, 72, 72, 72, 72,               // 2 * 24 V * 5 A * 0.3
        440, 440, 440, 440, 440, 440, 440, 440,               // 11 000 W * 5 % * 80 %
        140, 220, 320, 360,                                   // 100 controllers of 1.4, 2.2, 3.2, 3.6 W
        150, 150, 150, 150, 150, 150, 150, 150, 150, 150,     // one piece of 150 W each
    };
    // clang-format on
    // Positions that follow the power part, the control part, or neither.
    auto isPower = [](int pos) { return pos <= 25 || (pos >= 30 && pos <= 41); };
    auto isControl = [](int pos) {
        return (pos >= 26 && pos <= 29) || (pos >= 42 && pos <= 45) || (pos >= 58 && pos <= 67) ||
               (pos >= 76 && pos <= 79);
    };
    const Teilverluste full = BerechneTeilverluste(populated(100, 100));
    const Teilverluste noPower = BerechneTeilverluste(populated(0, 100));
    const Teilverluste noControl = BerechneTeilverluste(populated(100, 0));
    for (int pos = 1; pos <= kTeilverlusteCount; ++pos) {
        EXPECT_EQ(full.at(pos), expected[std::size_t(pos - 1)]) << "position " << pos;
        EXPECT_EQ(noPower.at(pos), isPower(pos) ? 0 : full.at(pos)) << "position " << pos;
        EXPECT_EQ(noControl.at(pos), isControl(pos) ? 0 : full.at(pos)) << "position " << pos;
    }
    // Transformers, converters and other sources still count in full with both at 0 %:
    // 12 * 28 + 8 * 440 + 10 * 150 = 336 + 3520 + 1500
    EXPECT_EQ(BerechneTeilverluste(populated(0, 0)).sum(), 5356);

    // Worked example at the default 80 %: 3 * 0.8 * 15 = 36.0
    ProjectData p = empty(80, 60);
    p.Leistungsschalter[0] = 3;
    EXPECT_EQ(BerechneTeilverluste(p).at(1), 36);
    // Control part ties go to the even neighbour: 1 * 0.5 * 5.0 = 2.5 -> 2, 3 * 0.5 * 5.0 = 7.5 -> 8
    p = empty(100, 50);
    p.Lampen[2] = 1;
    EXPECT_EQ(BerechneTeilverluste(p).at(44), 2);
    p.Lampen[2] = 3;
    EXPECT_EQ(BerechneTeilverluste(p).at(44), 8);
}

TEST(Losses, row_formulas_at_their_limits) {
    const struct {
        const char* what;
        std::size_t row;
        Row values;
        int position;
        std::int32_t lossW;
    } cases[] = {
        // Loss factors: 10 outputs * 10 V * 10 A = 1000 W electrical.
        {"Netzteil Typ 0", 9, NetzteilZeile{10, 10, 10, 0}, 67, 70},
        {"Netzteil Typ 1", 9, NetzteilZeile{10, 10, 10, 1}, 67, 152},
        // A kind that only a hand-edited file holds is treated as "no kind chosen".
        {"Netzteil Typ 9", 0, NetzteilZeile{10, 10, 10, 9}, 58, 70},
        // 1000 W * 0.07
        {"Transformator", 11, TransformatorZeile{1, 1000}, 57, 70},
        // Fuse formulas at their upper limits pin every constant to about seven digits:
        // 999 * (9999 - 3.3) * 0.1561655094845673 = 1 559 422.5996
        {"Sicherungsautomat", 0, SicherungZeile{999, 9999, 1}, 14, 1559423},
        // 999 * (9999 * 954 / 100 + 200) / 99 = 964 594.64
        {"Schraubsicherung", 1, SicherungZeile{999, 9999, 2}, 15, 964595},
        // 999 / 99 * 9999 * 776 / 99 = 790 885.09
        {"NH-Sicherung", 9, SicherungZeile{999, 9999, 3}, 23, 790885},
        // The screw-in offset alone: 99 * (0 + 200) / 99 = 200
        {"Schraubsicherung 0 A", 2, SicherungZeile{99, 0, 2}, 16, 200},
        // Below 3.3 A the fitted line is negative: (2 - 3.3) * 0.156 = -0.203 -> 0;
        // (0 - 3.3) * 0.156 = -0.515 -> -1
        {"Sicherungsautomat 2 A", 3, SicherungZeile{1, 2, 1}, 17, 0},
        {"Sicherungsautomat 0 A", 4, SicherungZeile{1, 0, 1}, 18, -1},
        {"Sicherung Art 0", 5, SicherungZeile{10, 63, 0}, 19, 0},
        {"Sicherung Art 4", 6, SicherungZeile{10, 63, 4}, 20, 0},
        {"Sicherung Anzahl 0", 7, SicherungZeile{0, 1250, 3}, 21, 0},
        // Converters: 3 * 10 kW * 1000 * (100 - 90) / 100 * 50 / 100 = 1500 W
        {"Frequenzumrichter", 7, FrequenzumrichterZeile{3, 10, 90, 50, "X"}, 75, 1500},
        {"Frequenzumrichter 100 %", 0, FrequenzumrichterZeile{3, 10, 100, 50, ""}, 68, 0},
        {"Frequenzumrichter 0 % Ausnutzung", 1, FrequenzumrichterZeile{3, 10, 90, 0, ""}, 69, 0},
        // 7 * 123 W
        {"Sonstige", 9, SonstigeZeile{7, "Licht", 123}, 89, 861},
    };
    for (const auto& c : cases) {
        ProjectData p = empty();
        put(p, c.row, c.values);
        const Teilverluste t = BerechneTeilverluste(p);
        EXPECT_EQ(t.at(c.position), c.lossW) << c.what;
        EXPECT_EQ(t.sum(), c.lossW) << c.what << ": another position contributes";
    }
}

TEST(Losses, extreme_rows_are_clamped_and_the_total_does_not_wrap) {
    ProjectData p = empty();
    // 999 * 9999 kW * 1000 * 100 % * 100 % = 9 989 001 000 W > 2^31 - 1
    p.Frequenzumrichter.fill({999, 9999, 0, 100, ""});
    EXPECT_EQ(BerechneTeilverluste(p).at(68), kMaxI);
    EXPECT_EQ(Gesamtverlustleistung(p), kMaxI);
    // At the default 95 % / 80 % the same row fits: 9 989 001 000 * 0.05 * 0.8 = 399 560 040
    p.Frequenzumrichter[0] = {999, 9999, 95, 80, ""};
    EXPECT_EQ(BerechneTeilverluste(p).at(68), 399560040);

    // The largest power-supply product 999³ stays exact: 997 002 999 * 0.45 = 448 651 349.55
    p = empty();
    p.Netzteile[0] = {999, 999, 999, 2};
    EXPECT_EQ(BerechneTeilverluste(p).at(58), 448651350);
    // File values beyond the dialog's 999: 65535³ * 0.07 leaves 32 bits and is clamped
    p.Netzteile[0] = {65535, 65535, 65535, 0};
    EXPECT_EQ(BerechneTeilverluste(p).at(58), kMaxI);
}

TEST(Losses, total_by_mode) {
    ProjectData p = populated(80, 60);
    p.Schaltschrank = {600, 2000, 500, Stahlblech, 5.5, Einzelschrank, Freistehend}; // 4.7 m²
    const std::int32_t components = BerechneTeilverluste(p).sum();
    ASSERT_GT(components, 0);
    const struct {
        const char* what;
        u16 mode, wert;
        i32 innen, aussen;
        std::int32_t totalW;
    } cases[] = {
        {"known", VerlustBekannt, 1234, 0, 0, 1234},
        {"known zero", VerlustBekannt, 0, 45, 25, 0},
        // 20 K * 5.5 * 4.7 m² = 517
        {"measured", VerlustGemessen, 0, 45, 25, 517},
        {"measured, inside colder", VerlustGemessen, 0, 25, 30, 0},
        {"measured, equal", VerlustGemessen, 0, 30, 30, 0},
        // 5 K * 5.5 * 4.7 = 129.25
        {"measured below zero", VerlustGemessen, 0, -5, -10, 129},
        // 2^32 - 1 K: the difference is taken in 64 bits and the result clamped.
        {"measured extremes", VerlustGemessen, 0, kMaxI, -kMaxI - 1, kMaxI},
        {"from components", VerlustNichtBekannt, 1234, 45, 25, components},
        // A mode only a hand-edited file holds is estimated from the components, not taken as 0 W.
        {"mode 3", 3, 1234, 45, 25, components},
        {"mode 65535", 65535, 1234, 45, 25, components},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Gesamtverlustleistung(p, c.mode, c.wert, c.innen, c.aussen), c.totalW) << c.what;
        ProjectData q = p;
        q.Verlustleistung = {c.mode, c.wert, c.aussen, c.innen};
        EXPECT_EQ(Gesamtverlustleistung(q), c.totalW) << c.what << " (record)";
    }
    EXPECT_EQ(Gesamtverlustleistung(empty(), VerlustNichtBekannt, 0, 0, 0), 0);
}
