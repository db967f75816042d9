#include "TypBuilder.h"

#include "core/TextSource.h"
#include "devices/BuiltinTables.h"
#include "devices/DeviceTable.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

using test::typTable;

// Every text is "<number>", so a test sees which texts a line is made of.
class NumberTexts : public TextSource {
public:
    std::string GetLangText(std::uint32_t number) const override {
        return "<" + std::to_string(number) + ">";
    }
};

TEST(TypFile, sections_title_comments_and_untrimmed_lines) {
    DeviceTable t;
    t.LiesTypText("Katalog 7\r\nkopf\r\n--- ende kopf\r\n/ kommentar\r\n\r\n  eingerueckt  \r\nzweite\n--\r\n"
                  "zeile im tabellenteil\r\n");
    EXPECT_EQ(t.title(), "Katalog 7");
    EXPECT_EQ(t.lines(), (TLineCollection{"  eingerueckt  ", "zweite"}));
    // A first line "--" is both title and the end of the header; a lone CR ends a line too.
    t.LiesTypText("--\rgeraet\r\n");
    EXPECT_EQ(t.title(), "--");
    EXPECT_EQ(t.lines(), (TLineCollection{"geraet"}));
    // Without any separator everything is header.
    t.LiesTypText("nur kopf\r\nnoch kopf\r\n");
    EXPECT_EQ(t.lineCount(), 0);
}

TEST(TypFile, fixed_columns_short_lines_and_number_fields) {
    EXPECT_EQ(
        ZerlegeZeile(test::deviceLine({"KSM", 9013, "VK 3300.003", "Kuehlgeraet", 'D', 'B', 230, 115, 55})),
        (Geraetezeile{"VK 3300.003    ", true, 'K', 'S', 'M', 'D', 'B', 9013, 230, 115, 55, "Kuehlgeraet"}));
    // Columns beyond the end read as absent; a blank in column 1 means no article.
    EXPECT_EQ(ZerlegeZeile("VT 1            T"),
              (Geraetezeile{"VT 1           ", true, 'T', 0, 0, 0, 0, 0, 0, 0, 0, ""}));
    EXPECT_FALSE(ZerlegeZeile(" ohne artikel").hatArtikel);
    EXPECT_EQ(ZerlegeZeile(test::deviceLine({"HI-", 1, "A", std::string(400, 'x')})).Beschreibung.size(),
              255u);

    // clang-format off
    const struct { const char* field; std::uint16_t value; } cases[] = {
        {"  12", 12}, {"9999", 9999}, {"12  ", 0}, {" 1a2", 0}, {"  -5", 0}, {"    ", 0}, {"", 0}, {" 7", 7},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(LiesFeldzahl(c.field), c.value) << '"' << c.field << '"';
}

TEST(TypFile, number_reader_of_table_values) {
    // clang-format off
    const struct { const char* text; double value; } cases[] = {
        {"1.5E3", 1500}, {"1.5e3", 1500}, {"1.5^3", 1500}, {"12,5", 12.5}, {"12.5", 12.5},
        {"1.012,5", 1012.5}, {"1,012.5", 1012.5}, {"-3", -3}, {"--5", 0}, {"", 0}, {"E", 0}, {"E5", 0},
        {"7E", 7}, {"2E-1", 0.2}, {"abc", 0}, {"5-", 0}, {"1E999", 0}, {"1Ex", 0}, {"399.17", 399.17},
        {"1.2.3", 12.3}, {"-", 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(LiesZahl(c.text), c.value) << '"' << c.text << '"';
}

TEST(Kennlinien, lookup_on_the_grid) {
    const DeviceTable t;
    const struct {
        int ta, ti;
        std::uint16_t value;
    } cases[] = {
        {37, 33, 292}, // row 35: 257.5 + 3/5 · (315 - 257.5) = 292
        {35, 35, 315}, // on the grid
        {35, 32, 280}, // 257.5 + 2/5 · 57.5 = 280.5, the tie goes to the even 280
        {24, 22, 374}, // row 20 (no row interpolation): 350 + 2/5 · 60 = 374
        {20, 20, 350}, {50, 50, 280}, {60, 40, 0},                // last row is empty
        {40, 60, 0},                                              // last column is empty
        {61, 40, 0},   {19, 40, 0},   {40, 61, 0}, {-236, 40, 0}, // low byte 20 would read a cell
        {45, 21, 0},                                              // next to the empty cell (45, 20)
        {25, 52, 0},                                              // between 630 and the empty 55 column
    };
    for (const auto& c : cases)
        EXPECT_EQ(t.Kennlinienwert(1, c.ta, c.ti), c.value) << c.ta << "/" << c.ti;
    // A file may fill the top corner of a table: 60 °C ambient and inside still count, 61 °C not.
    std::vector<std::string> full = {"{1}"};
    full.resize(10, "{} (9, 9, 9, 9, 9, 9, 9, 9, 500)");
    const DeviceTable filled = typTable({}, full);
    for (const auto& [ta, ti, value] :
         {std::tuple<int, int, std::uint16_t>{60, 60, 500}, {61, 60, 0}, {60, 61, 0}})
        EXPECT_EQ(filled.Kennlinienwert(1, ta, ti), value) << ta << "/" << ti;
    EXPECT_EQ(t.Kennlinienwert(0, 30, 30), 0);
    EXPECT_EQ(t.Kennlinienwert(101, 30, 30), 0);
    EXPECT_EQ(t.Kennlinienwert(15, 30, 30), 0); // tables 15.. start empty
    EXPECT_EQ(Interpoliere(3, 3, 3, 7, 9), 7);
}

TEST(Kennlinien, table_section_comments_short_rows_and_ten_thousand_headers) {
    // Comments and blank lines are skipped; missing values overwrite the built-in cells with 0,
    // rows the file does not give keep theirs. The other malformed lines: bad_tables.TYP.
    std::vector<std::string> lines = {"{Tabelle 1}", "{20} (1, 2, 3, 4, 5, 6, 7), // kommentar", "   ",
                                      "/ x"};
    // The counter does not wrap: tables beyond the hundredth have no place in the store.
    for (int h = 2; h <= 10000; ++h)
        lines.push_back("{" + std::to_string(h) + "}");
    lines.push_back("{x} (99,99,99,99,99,99,99,99,99)");
    const DeviceTable t = typTable({}, lines);
    EXPECT_EQ((*t.kennlinie(1))[0], (std::array<double, 9>{1, 2, 3, 4, 5, 6, 7, 0, 0}));
    EXPECT_EQ((*t.kennlinie(1))[1][0], 280);
    for (int n = 1; n <= kKennlinienAnzahl; ++n)
        EXPECT_NE((*t.kennlinie(n))[0][0], 99) << n;
    EXPECT_EQ(t.kennlinie(101), nullptr);
}

TEST(Search, first_sufficient_line_in_file_order_and_the_twenty_passes) {
    const DeviceTable t =
        typTable({{"HI-", 100}, {"HI-", 200}, {"LD-", 50}, {"HI-", 0}, {"HI-", 400}, {"HI-", 150}});
    const struct {
        std::int32_t bedarf;
        std::int32_t index;
        int anzahl;
    } cases[] = {
        {50, 0, 1},    {100, 0, 1}, {101, 1, 1},
        {400, 4, 1},   {401, 4, 2}, // one unit of the largest before any pair of a smaller one
        {8000, 4, 20},              // 20 · 400
        {8001, -1, 0},              // beyond 20 units
        {0, 0, 1},                  // nothing needed: one unit of the first line
    };
    for (const auto& c : cases) {
        const Suchergebnis r = t.SucheGeraet(c.bedarf, 0, 0, "HI-");
        EXPECT_EQ(r.index, c.index) << c.bedarf;
        EXPECT_EQ(r.anzahl, c.anzahl) << c.bedarf;
    }
    // A 0 W device never covers 1 W, not even with 20 units.
    EXPECT_FALSE(typTable({{"HI-", 0}}).SucheGeraet(1, 0, 0, "HI-").gefunden());
    EXPECT_FALSE(t.SucheGeraet(1, 0, 0, "KS").gefunden());
    EXPECT_FALSE(typTable({}).SucheGeraet(1, 0, 0, "HI-").gefunden());
    // Of two lines that need as many units, the earlier one.
    EXPECT_EQ(typTable({{"HI-", 300}, {"HI-", 250}}).SucheGeraet(500, 0, 0, "HI-").index, 0);

    // "X" as the variant letter of a line matches every requested variant; only letter 2 is a wildcard.
    const DeviceTable w = typTable({{"TS-", 300}, {"TX-", 500}, {"TD-", 800}, {"TSX", 2000}});
    EXPECT_EQ(w.SucheGeraet(400, 30, 35, "TS-").index, 1);
    EXPECT_EQ(w.SucheGeraet(400, 30, 35, "TD-").index, 1);
    EXPECT_EQ(w.SucheGeraet(600, 30, 35, "TD-").index, 2);
    const Suchergebnis three = w.SucheGeraet(1500, 30, 35, "TS-");
    EXPECT_EQ(three.index, 1);
    EXPECT_EQ(three.anzahl, 3);
}

TEST(Search, unit_power_of_each_family) {
    std::vector<std::string> tables = {"{1}"};
    for (int t = 2; t <= 16; ++t)
        tables.push_back("{" + std::to_string(t) + "}");
    tables.push_back("{20} (100, 200, 300, 400, 500, 600, 700, 800, 900)");
    const DeviceTable t = typTable({{"KSM", 9001}, {"KD-", 9016}, {"KY-", 9000}}, tables);

    // Exchangers scale their 25-K power to the actual difference: 1012 / 25 · 1 = 40.48 and
    // 1013 / 25 · 1 = 40.52.
    EXPECT_EQ(typTable({{"TS-", 1012}}).SucheGeraet(1, 30, 31, "TS-").leistung, 40);
    EXPECT_EQ(typTable({{"TS-", 1013}}).SucheGeraet(1, 30, 31, "TS-").leistung, 41);
    // Table 16 read from the file: row 20, 300 + 2/5 · 100 = 340 W.
    EXPECT_EQ(t.SucheGeraet(340, 24, 32, "KD-").leistung, 340);
    // A reference to table 0 has no capacity; an ambient of 19 °C is outside every table.
    EXPECT_FALSE(t.SucheGeraet(1, 35, 35, "KY-").gefunden());
    EXPECT_FALSE(t.SucheGeraet(1, 19, 35, "KSM").gefunden());
    // Next to the empty cell (45 °C, 20 °C) of table 1 the unit is never chosen, not even 20 times.
    EXPECT_FALSE(t.SucheGeraet(1, 45, 21, "KSM").gefunden());
    // The true temperature, not its low byte: 276 °C would otherwise read as 20 °C.
    EXPECT_FALSE(t.SucheGeraet(1, 276, 35, "KSM").gefunden());
}

TEST(Search, indices_beyond_255_are_carried_whole) {
    // 100 000 small heaters, then a large one: its index must not wrap to a byte.
    std::vector<test::Device> devices(100000, {"HI-", 10});
    devices.push_back({"HI-", 5000});
    const DeviceTable t = typTable(devices);
    const Suchergebnis r = t.SucheGeraet(4000, 0, 0, "HI-");
    EXPECT_EQ(r.index, 100000);
    EXPECT_EQ(r.anzahl, 1);
    EXPECT_EQ(t.ZerlegeZeile(r.index).Leistungszahl, 5000);
}

TEST(Description, lines_of_a_device) {
    const NumberTexts texts;
    const DeviceTable t = typTable({
        {"LV-", 100, "VL 1", "Luefter", 'D', 'G', 230, 20, 0}, // G is no class
        {"KSM", 9001, " ", "Kuehler", 'A', 'F', 0, 0, 55},
        {"LW-", 100, "VL 2", "Nass", 'G', 'B'},
        {"KQ-", 100, "VK 9", "Unbekannt"},
    });
    const Geraetebeschreibung fan = t.BeschreibeGeraet(0, texts);
    EXPECT_EQ(fan.Marke, "velmar Luefter");
    EXPECT_EQ(fan.Werte, "<1007019>230 <1007020>20 ");
    EXPECT_EQ(fan.Variante, "<1007022>");
    EXPECT_EQ(fan.Artikel, "<1007024> VL 1           ");
    EXPECT_EQ(fan.Klasse, "<1007025> <1007054>");
    EXPECT_TRUE(fan.istFilterluefter);

    const Geraetebeschreibung cooler = t.BeschreibeGeraet(1, texts);
    EXPECT_EQ(cooler.Werte, "<1007021>55 ");
    EXPECT_EQ(cooler.Variante, "<1007011>");
    EXPECT_EQ(cooler.Artikel, "<1007023>");
    EXPECT_EQ(cooler.Klasse, "<1007025> <1007051>  <1007026> <1007056> <1007027>");
    EXPECT_FALSE(cooler.istFilterluefter);

    const Geraetebeschreibung wet = t.BeschreibeGeraet(2, texts);
    EXPECT_EQ(wet.Variante, "");
    EXPECT_EQ(wet.Klasse, "  <1007026> <1007052> <1007027>");
    EXPECT_EQ(t.BeschreibeGeraet(3, texts).Variante, "");

    // An index outside the list (the line after the last fan) describes nothing.
    EXPECT_EQ(t.BeschreibeGeraet(4, texts).Marke, "");
    EXPECT_EQ(t.BeschreibeGeraet(-1, texts).Marke, "");

    EXPECT_EQ(Variantentext('-', texts), "");
}

} // namespace
} // namespace zek
