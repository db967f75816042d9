#include "devices/DeviceTable.h"

#include <QString>
#include <gtest/gtest.h>

namespace zek {
namespace {

const auto dataFile = [](const char* name) { return QString(ZEK_SOURCE_DIR "/data/") + name; };
const auto brokenFile = [](const char* name) { return QString(ZEK_TEST_DATA_DIR "/broken/typ/") + name; };

TEST(Catalogue, three_languages_list_the_same_devices) {
    DeviceTable deu;
    ASSERT_TRUE(deu.LiesTypDatei(dataFile("zkdeu.TYP")));
    for (const char* name : {"zkdeu.TYP", "zkeng.TYP", "zkfra.TYP"}) {
        SCOPED_TRACE(name);
        DeviceTable other;
        ASSERT_TRUE(other.LiesTypDatei(dataFile(name)));
        EXPECT_EQ(other.title().rfind("velmar ", 0), 0u) << other.title();
        ASSERT_EQ(other.lineCount(), deu.lineCount());
        for (std::int32_t i = 0; i < deu.lineCount(); ++i) {
            const Geraetezeile d = deu.ZerlegeZeile(i), o = other.ZerlegeZeile(i);
            EXPECT_EQ(d.Typcode() + d.Artikel, o.Typcode() + o.Artikel) << i;
            EXPECT_EQ(d.Leistungszahl, o.Leistungszahl) << i;
        }
        for (int n = 15; n <= 23; ++n)
            EXPECT_EQ(*deu.kennlinie(n), *other.kennlinie(n)) << n;
    }
}

TEST(Catalogue, shipped_table_rises_in_capacity_and_every_fan_has_its_filter) {
    DeviceTable t;
    ASSERT_TRUE(t.LiesTypDatei(dataFile("zkdeu.TYP")));
    for (const std::string code : {"HI-", "L--", "LW-", "LV-", "LD-", "L9-", "LF-", "TS-", "TD-", "WA-",
                                   "W9-", "KSM", "KSO", "KD-", "KY-"}) {
        SCOPED_TRACE(code);
        std::int64_t last = 0;
        int count = 0;
        for (std::int32_t i = 0; i < t.lineCount(); ++i) {
            const Geraetezeile z = t.ZerlegeZeile(i);
            if (z.Code1 != code[0] || (z.Code2 != code[1] && z.Code2 != 'X') || z.Code3 != code[2])
                continue;
            // The capacity the search compares, at the rated point of 35 °C outside and inside.
            const std::int64_t capacity = z.Leistungszahl >= kKennlinienbezug
                                              ? t.Kennlinienwert(z.Leistungszahl % 100, 35, 35)
                                              : z.Leistungszahl;
            EXPECT_GT(capacity, last) << "line " << i;
            last = capacity;
            ++count;
        }
        EXPECT_GE(count, 4);
    }
    // Every fan is followed by its filter.
    for (std::int32_t i = 0; i < t.lineCount(); ++i)
        if (t.Code1(i) == 'L' && t.Code2(i) != 'Z') {
            EXPECT_EQ(t.ZerlegeZeile(i + 1).Typcode(), "LZ-") << "line " << i;
        }
}

TEST(Catalogue, broken_files_read_to_a_defined_state) {
    // File, its title (nullptr: not checked), its lines, the code searched for 1 W or 1 m³/h and
    // the line found (-1: none).
    // clang-format off
    const struct { const char* file; const char* title; std::int32_t lines; const char* code; std::int32_t found; } cases[] = {
        {"empty.TYP", "", 0, "HI-", -1},
        {"header_only.TYP", "Titel ohne Trenner", 0, "HI-", -1},
        {"no_trailing_newline.TYP", "Titel", 1, "HI-", 0},
        {"cr_only.TYP", "Titel", 1, "HI-", 0},
        {"short_lines.TYP", "Titel", 4, "HI-", 3}, // short lines never match
        {"bad_numbers.TYP", "Titel", 5, "HI-", 4}, // letters, blanks, signs read as 0 W
        {"bad_tables.TYP", "Titel", 2, "KSO", -1}, // a reference to table 0
        {"binary.TYP", nullptr, 1, "HI-", -1},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        DeviceTable t;
        ASSERT_TRUE(t.LiesTypDatei(brokenFile(c.file)));
        if (c.title) {
            EXPECT_EQ(t.title(), c.title);
        }
        EXPECT_EQ(t.lineCount(), c.lines);
        EXPECT_EQ(t.SucheGeraet(1, 35, 35, c.code).index, c.found);
    }

    DeviceTable t;
    EXPECT_FALSE(t.LiesTypDatei(brokenFile("missing.TYP")));
    EXPECT_FALSE(t.LiesTypDatei(QStringLiteral(ZEK_TEST_DATA_DIR "/broken/typ"))); // a folder
    EXPECT_FALSE(t.LiesTypDatei(QStringLiteral("/dev/zero")));                     // endless
    ASSERT_TRUE(t.LiesTypDatei(brokenFile("bad_tables.TYP")));
    const Kennlinie& k = *t.kennlinie(1);
    // 1.5E3, 1.5e3, 1.5^3; "1,012.5" splits at its comma into 1 and 12.5; "--5", "", "E" are 0.
    EXPECT_EQ(k[0], (std::array<double, 9>{1500, 1500, 1500, 1, 12.5, 0, 0, 0, 7}));
    // The row before the first header went nowhere, the tenth row (first value 10) too.
    EXPECT_EQ(k[8][0], 9);
    EXPECT_EQ(k[1][0], 2);
    // A header without rows leaves its built-in table as it was.
    EXPECT_EQ((*t.kennlinie(2))[0][0], 600);
}

} // namespace
} // namespace zek
