#include "../core/MapTexts.h"
#include "core/Cabinet.h"
#include "devices/DeviceTable.h"
#include "report/Report.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zek {
namespace {

using S = TZEKCollection;

// Cancels, and remembers whether cancelling was offered.
struct CancellingSelector : DeviceSelector {
    std::vector<bool> asked;
    std::optional<std::uint16_t> AuswahlZeigen(bool cancelAllowed, const Kandidatenliste&,
                                               AuswahlGroup&) override {
        asked.push_back(cancelAllowed);
        return std::nullopt;
    }
};

TEST(Formatters, each_formatter_at_its_edges) {
    const std::pair<std::string, std::string> cases[] = {
        {S::Fill("", 60), std::string(58, '.')},              // never more than the 58 dots
        {S::Fill("", 56), std::string(56, '.')},              // dots up to the value column
        {S::Str4(12345), "12345"},                            // wider when it does not fit
        {S::StrX4(2.12345), "2.1235"},                        // 2.12345 is stored just above ...345
        {S::EZMZ("Sch\xFCtz{|e}", 0), ""},                    // no units, no text
        {S::EZMZ("offen {ohne Ende", 2), "offen {ohne Ende"}, // an unfinished group stays as it is
        {S::EZMZ("a{b|c", 1), "a{b|c"},
        {S::EZMZ("{|}{x|y}", 1), "x"},
    };
    for (const auto& [got, want] : cases)
        EXPECT_EQ(got, want);
}

TEST(Rows, labels_are_cut_so_the_value_starts_in_column_58) {
    const test::MapTexts texts({{1006001, " W"}}, "#");
    S c;
    c.InsW(3, "Sch\xFCtz{|e} mit 7,5 KW", 33, texts);
    c.InsW(0, "none", 7, texts); // no count, no line
    c.InsW(1, std::string(80, 'x'), 5, texts);
    c.InsSF6S("Verlust", 56, 1234567, " W");
    // "   3" + " " + "Schütze mit 7,5 KW" + " " + dots to column 56, " ", value in 58-63
    const std::vector<std::string> want = {
        "   3 Sch\xFCtze mit 7,5 KW " + std::string(32, '.') + "     33 W",
        "   1 " + std::string(51, 'x') + "      5 W",
        "Verlust" + std::string(49, '.') + " 1234567 W", // seven digits push the unit right
    };
    EXPECT_EQ(c.lines(), want);
}

TEST(Rows, texts_with_breaks_become_lines_and_every_other_line_keeps_its_place) {
    // Lines are searched for a first break eight bytes at a time: breaks at the last and the
    // first byte of such a block, next to letters above 127, and tabs that are no break.
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{"Titel", "", "eins\r\nzwei", "", "Ende\r\n", "cr\rlf\nx"},
         {"Titel", "", "eins", "zwei", "", "Ende", "", "cr", "lf", "x"}},
        {{"1234567\r8"}, {"1234567", "8"}},
        {{"12345678\n9"}, {"12345678", "9"}},
        {{"\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\r\xFC"}, {"\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC\xFC", "\xFC"}},
        {{"tab\tand\ttab\tno break"}, {"tab\tand\ttab\tno break"}},
        {{"x\ty\rzzzzzzzz"}, {"x\ty", "zzzzzzzz"}}, // a tab, then a break in the same block
    };
    for (const auto& [in, want] : cases) {
        S c;
        for (const std::string& l : in)
            c.Ins(l);
        c.SplitLineBreaks();
        EXPECT_EQ(c.lines(), want);
    }
}

class ReportTest : public ::testing::Test {
protected:
    test::MapTexts texts{{}, "#"}; // every label can be told apart in a line
    DeviceTable devices;
    SettingsData settings = FactorySettings();
    StoredTicksSelector stored;
    ProjectData p = NewProject(settings);
    bool abbruch = false;

    void SetUp() override {
        // Candidates: 1 filter fan (with its exit filter), 2 air/air exchanger serving both
        // variants, 3 cooling unit; the heater for the cabinet switched off.
        devices.LiesTypText("Test table\n--\n"
                            "VH 1100.001     HI- A    50  230   50    0 Heizung HZ 50\n"
                            "VL 3200.102     L-- D   100  230    8   33 Filterluefter FL 100\n"
                            "VF 3200.202     LZ- D     0    0    0    0 Austrittsfilter AF 100\n"
                            "VT 4000.001     TX- D   500  230    0    0 Waermetauscher WT 500\n"
                            "VK 5000.001     KY- D  1000  230    0    0 Kuehlgeraet KG 1000\n--\n");
        // 600 x 1200 x 400 steel cabinet (steel is the default) losing a known 800 W, inside 35 °C,
        // ambient 25 °C.
        p.Schaltschrank.Breite = 600;
        p.Schaltschrank.Hoehe = 1200;
        p.Schaltschrank.Tiefe = 400;
        p.Temperatur = {35, 10, 25, 5, 15};
        p.Verlustleistung = {VerlustBekannt, 800, 0, 0};
    }

    // A wall of 1 m² (the front only) with k = 1 W/m²K: every kelvin moves one watt.
    void oneWattPerKelvin() { p.Schaltschrank = {1000, 1000, 0, Anderes, 1.0, Mittelschrank, Wandanbau}; }

    std::vector<std::string> build(bool inquiry = false, bool cancelAllowed = false,
                                   DeviceSelector* sel = nullptr) {
        S c;
        abbruch = cancelAllowed;
        const ReportContext ctx{p, settings, texts, devices, sel ? *sel : stored, {}, {5, 3, 2026}};
        if (inquiry)
            c.ErstelleAnfrage(ctx, abbruch);
        else
            c.ErstelleErgebnis(ctx, abbruch);
        return c.lines();
    }
};

// The lines that begin with `prefix`.
std::vector<std::string> starting(const std::vector<std::string>& lines, const std::string& prefix) {
    std::vector<std::string> out;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(out),
                 [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    return out;
}

TEST_F(ReportTest, value_lines_keep_their_columns) {
    texts.texts[1006049] = std::string(70, 'L'); // longer than the 56 label columns
    p.Temperatur.MaxAussen = 20;                 // inside 35 °C: the walls give heat away
    ASSERT_LT(WandwaermeMax(p), 0);
    const auto l = build();

    EXPECT_EQ(starting(l, std::string(56, 'L')),
              std::vector<std::string>{std::string(56, 'L') + "    800#1006050"}); // value in 58-63
    const auto wall = starting(l, "#1006053");
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0].substr(55), " -" + S::Str6(-WandwaermeMax(p)) + "#1006054"); // minus in column 57
    EXPECT_TRUE(starting(l, "#1006051").empty());
}

TEST_F(ReportTest, components_unless_the_loss_is_known_or_measured) {
    p.Sicherungen[0] = {2, 16, 0}; // no fuse kind chosen
    p.Sonstige[0] = {1, "PC {a|b}", 40};
    // the designation is the user's text: braces in it are not singular/plural groups
    const std::vector<std::string> components = {"   2 #1006154#100604016 A  .",
                                                 "   1 #1006152PC {a|b}#100604740#1006048 ."};
    // known (0), measured (1), not known (2), and a mode only a hand-edited file holds
    for (const auto& [mode, heading, measured, rows] :
         {std::tuple{0, 0u, 0u, 0u}, {1, 1u, 2u, 0u}, {2, 1u, 0u, 2u}, {3, 1u, 0u, 2u}}) {
        p.Verlustleistung = {u16(mode), 800, 20, 40};
        const auto l = build();
        EXPECT_EQ(starting(l, "#1006038").size(), heading) << mode;
        EXPECT_EQ(starting(l, "#1006110").size() + starting(l, "#1006111").size(), measured) << mode;
        std::size_t found = 0;
        for (const std::string& row : components)
            found += starting(l, row).size();
        EXPECT_EQ(found, rows) << mode;
    }
}

TEST_F(ReportTest, construction_line_and_no_temperature_when_the_walls_exchange_no_heat) {
    // position 0..2 and standing 0..1 have texts, a hand-edited file's 3 and 2 print nothing;
    // materials 0..3 have names, 4 ("Anderes") shows its k value
    const std::tuple<u16, u16, u16, double, const char*> rows[] = {
        {2, 1, Edelstahl, 4.5, "    #1006028#1006031#1006025 - #1006030"},
        {3, 2, Edelstahl, 4.5, "    #1006031#1006025 - "},
        {0, 0, Anderes, 4.5, "    #1006026 (4,5W/m\xB2K) - #1006029"},
        {0, 0, Anderes, 12.345, "    #1006026 (12,3W/m\xB2K) - #1006029"},
        {0, 0, Anderes, 0.0, "    #1006026 (0W/m\xB2K) - #1006029"},
    };
    for (const auto& [position, standing, material, k, line] : rows) {
        p.Schaltschrank.Gehaeuseart = position;
        p.Schaltschrank.Aufstellart = standing;
        p.Schaltschrank.Material = material;
        p.Schaltschrank.Waermedurchgangszahl = k;
        const auto l = build();
        EXPECT_EQ(std::count(l.begin(), l.end(), line), 1) << line;
    }
    // k = 0: no division by zero
    EXPECT_EQ(starting(build(), "#1006057"),
              std::vector<std::string>{"#1006057" + std::string(48, '.') + "    ---"});
}

TEST_F(ReportTest, device_section_follows_the_ticks) {
    texts.texts[1006113] = "Erste{s|} Ger\xE4t{|e}";
    texts.texts[1006065] = "Weitere{s|}";
    p.Auswahl.GeraeteCheck[20 - 1] = p.Auswahl.GeraeteCheck[50 - 1] = '0';
    auto l = build();
    EXPECT_EQ(p.Auswahl.Geraete, 0b010);
    // the heading counts the candidates found (three), not those ticked (one)
    EXPECT_EQ(starting(l, "Erste").front(), "Erste Ger\xE4te");
    EXPECT_TRUE(starting(l, "Weitere").empty());

    // nothing ticked: the balance ends with rule + empty line, the empty device section adds another pair
    p.Auswahl.GeraeteCheck[30 - 1] = p.Auswahl.GeraeteCheck[31 - 1] = '0';
    l = build();
    EXPECT_EQ(p.Auswahl.Geraete, 0);
    const auto heater = std::find(l.begin(), l.end(), "#1006072");
    ASSERT_GE(heater - l.begin(), 4);
    const std::string rule(79, '-');
    EXPECT_EQ(std::vector<std::string>(heater - 4, heater), (std::vector<std::string>{rule, "", rule, ""}));
}

// The numbers among `watched` that some line holds.
std::vector<std::uint32_t> shown(const std::vector<std::string>& lines,
                                 const std::vector<std::uint32_t>& watched) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t n : watched)
        if (std::any_of(lines.begin(), lines.end(), [n](const std::string& l) {
                return l.find("#" + std::to_string(n)) != std::string::npos;
            }))
            out.push_back(n);
    return out;
}

TEST_F(ReportTest, balance_heater_and_device_lines_at_the_edges_of_their_conditions) {
    oneWattPerKelvin();
    struct Row {
        int waermeMax, waermeMin, verlust; // W, = K here
        std::vector<std::uint32_t> report, inquiry;
    };
    const Row rows[] = {
        // wall heat at the maximum: gained (1006051) from 0 W on, lost (1006053) below;
        // 1 W to cool with warmer air outside: no air flow (-1), a cooling unit (1006113)
        {-1, 0, 0, {1006053, 1006061, 1006064}, {}},
        {0, 0, 0, {1006051, 1006061, 1006064}, {}},
        {1, 0, 0, {1006051, 1006061, 1006064, 1006113}, {1006093}},
        // air flow 2.94 m³K/Wh * (4 - 3) W / 3 K = 0.98 -> 1 m³/h (1006058)
        {-3, 0, 4, {1006053, 1006058, 1006061, 1006064, 1006113}, {1006093}},
        // heating with the equipment off (1006059) and running (1006062) from 1 W on;
        // below, the lines that none is needed (1006061, 1006064)
        {0, -1, 0, {1006051, 1006061, 1006064}, {}},
        {0, 0, 1, {1006051, 1006061, 1006064, 1006113}, {1006093}},
        {0, 1, 1, {1006051, 1006059, 1006064, 1006072, 1006100, 1006113}, {1006090, 1006093}},
        {0, 1, 0, {1006051, 1006059, 1006062, 1006072, 1006075, 1006100}, {1006090, 1006091}},
        // 20 heaters of 50 W are the most that is offered; beyond, "no heater found"
        {0, 1000, 0, {1006051, 1006059, 1006062, 1006072, 1006075, 1006100}, {1006090, 1006091}},
        {0, 1001, 0, {1006051, 1006059, 1006062, 1006074, 1006077, 1006100}, {}},
    };
    const std::vector<std::uint32_t> report = {1006051, 1006053, 1006058, 1006059, 1006061, 1006062, 1006064,
                                               1006072, 1006074, 1006075, 1006077, 1006100, 1006113};
    for (const Row& r : rows) {
        p.Temperatur = {35, 10, 35 + r.waermeMax, 10 - r.waermeMin, 15};
        p.Verlustleistung = {VerlustBekannt, u16(r.verlust), 0, 0};
        const std::string row =
            std::to_string(r.waermeMax) + "/" + std::to_string(r.waermeMin) + "/" + std::to_string(r.verlust);
        EXPECT_EQ(shown(build(), report), r.report) << row;
        EXPECT_EQ(shown(build(true), {1006090, 1006091, 1006093}), r.inquiry) << row;
    }
}

TEST_F(ReportTest, unit_power_lines_from_one_watt_on) {
    oneWattPerKelvin();
    p.Temperatur = {35, 10, 34, 5, 15}; // 1 K for air/air, 20 K for water/air
    p.Verlustleistung.WertBekannt = 2;  // 2 W - 1 W through the walls: 1 W to cool
    for (const auto& [code, capacity, lines] : {
             // 12 W at 25 K give 0.48 -> 0 W at 1 K, 13 W give 1 W; water/air 13 W * 20 K / 25 K = 10 W
             std::tuple{"TX-", 12, std::vector<std::string>{}},
             {"TX-", 13, {"#10060701#1006071"}},
             {"WA-", 13, {"#1006067#1006068", "#100611410#1006069"}},
         }) {
        char line[96];
        std::snprintf(line, sizeof line, "VT 4000.001     %s D %5d  230    0    0 Tauscher\n", code,
                      capacity);
        devices.LiesTypText(std::string("Test table\n--\n") + line + "--\n");
        const auto l = build();
        std::vector<std::string> got = starting(l, "#1006070");
        for (const char* prefix : {"#1006067", "#1006114"})
            for (const std::string& g : starting(l, prefix))
                got.push_back(g);
        EXPECT_EQ(got, lines) << code << capacity;
    }
}

TEST_F(ReportTest, text_fields_have_lines_when_filled) {
    for (const char* v : {"", "x"}) {
        const std::size_t filled = *v ? 1 : 0;
        for (auto* field :
             {&p.Person.Firma, &p.Person.Abteilung, &p.Person.Name, &p.Person.Str, &p.Person.Ort})
            *field = v;
        p.Projekt = {v, v, v};
        settings.Firmenadresse = {"Lieferant", "Weg 1", "Ort", v, v};
        const ReportContext ctx{p, settings, texts, devices, stored, v, {5, 3, 2026}};
        S report;
        report.ErstelleErgebnis(ctx, abbruch);
        // labels 1006005-1006009 and 1006011-1006013, and the file name (1006015)
        for (std::uint32_t n :
             {1006005, 1006006, 1006007, 1006008, 1006009, 1006011, 1006012, 1006013, 1006015})
            EXPECT_EQ(starting(report.lines(), "#" + std::to_string(n)).size(), filled) << n;
        // the inquiry keeps an empty line for a missing phone or fax number
        S inquiry;
        inquiry.ErstelleAnfrage(ctx, abbruch);
        const std::vector<std::string> phoneFax = {filled ? "#1006081x" : "", filled ? "#1006082x" : ""};
        EXPECT_EQ(std::vector<std::string>(inquiry.lines().begin() + 13, inquiry.lines().begin() + 15),
                  phoneFax);
    }
}

TEST_F(ReportTest, a_cancelled_selection_is_reported_and_nothing_else_is) {
    CancellingSelector cancel;
    p.Temperatur.MaxAussen = 20; // the walls cool: without a loss there is nothing to choose
    for (const auto& [loss, cancelled] : {std::pair{800, true}, {0, false}})
        for (bool inquiry : {false, true}) {
            p.Verlustleistung.WertBekannt = u16(loss);
            build(inquiry, true, &cancel); // an inquiry without devices is still shown and printed
            EXPECT_EQ(abbruch, cancelled) << loss << inquiry;
        }
    EXPECT_EQ(cancel.asked, (std::vector<bool>{true, true}));
}

TEST_F(ReportTest, inquiry_layout) {
    settings.Firmenadresse = {"Lieferant", "Weg 1", "Ort", "", ""};
    p.Temperatur.MaxAussen = 35; // no air flow, no air/air exchanger
    p.Temperatur.Wasser = 35;    // no water/air exchanger: the cooling unit is the one candidate
    const auto l = build(true);
    ASSERT_GT(l.size(), 20u);
    // 5 sender lines (empty fields stay), 4 empty, 3 addressee lines, empty, phone, fax
    EXPECT_EQ(std::vector<std::string>(l.begin() + 9, l.begin() + 15),
              (std::vector<std::string>{"Lieferant", "Weg 1", "Ort", "", "", ""}));
    EXPECT_EQ(starting(l, std::string(51, ' ') + "#1006088"),
              std::vector<std::string>{std::string(51, ' ') + "#10060885.3.2026"});
    EXPECT_EQ(starting(l, "#1006153"), std::vector<std::string>{"#1006153"});
    EXPECT_EQ(starting(l, "1#1006093").size(), 1u);
}

} // namespace
} // namespace zek
