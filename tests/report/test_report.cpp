#include "ReportTestSupport.h"
#include "core/Cabinet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zek {
namespace {

using test::FakeTexts;

struct Built {
    TZEKCollection lines;
    bool abbruch = false;
};

class ReportTest : public ::testing::Test {
protected:
    FakeTexts texts;
    DeviceTable devices = test::testTable();
    SettingsData settings = FactorySettings();
    StoredTicksSelector stored;
    ProjectData p = test::testProject(800);

    Built build(bool inquiry, bool cancelAllowed = false, DeviceSelector* sel = nullptr,
                std::string fileName = {}) {
        Built b;
        b.abbruch = cancelAllowed;
        const ReportContext ctx{p, settings, texts, devices, sel ? *sel : stored, fileName, {5, 3, 2026}};
        if (inquiry)
            b.lines.ErstelleAnfrage(ctx, b.abbruch);
        else
            b.lines.ErstelleErgebnis(ctx, b.abbruch);
        return b;
    }
};

// The lines that begin with `prefix`.
std::vector<std::string> starting(const TZEKCollection& c, const std::string& prefix) {
    std::vector<std::string> out;
    std::copy_if(c.lines().begin(), c.lines().end(), std::back_inserter(out),
                 [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    return out;
}

TEST_F(ReportTest, value_lines_keep_their_columns) {
    texts.texts[1006049] = std::string(70, 'L'); // longer than the 56 label columns
    p.Temperatur.MaxAussen = 20;                 // inside 35 °C: the walls give heat away
    ASSERT_LT(WandwaermeMax(p), 0);
    const Built b = build(false);

    const auto loss = starting(b.lines, std::string(56, 'L'));
    ASSERT_EQ(loss.size(), 1u);
    EXPECT_EQ(loss[0].substr(56), "    800#1006050"); // value in columns 58-63

    const auto wall = starting(b.lines, "#1006053");
    ASSERT_EQ(wall.size(), 1u);
    EXPECT_EQ(wall[0][55], ' ');
    EXPECT_EQ(wall[0][56], '-'); // the minus sign in column 57
    EXPECT_EQ(wall[0].substr(57), TZEKCollection::Str6(-WandwaermeMax(p)) + "#1006054");
    EXPECT_TRUE(starting(b.lines, "#1006051").empty());
}

TEST_F(ReportTest, component_rows_take_singular_or_plural_by_count) {
    p.Verlustleistung.Bekannt = VerlustNichtBekannt;
    p.Leistungsschuetze[0] = 1;
    p.Leistungsschuetze[1] = 3;
    p.Sicherungen[0] = {2, 16, 0}; // no fuse kind chosen
    p.Sonstige[0] = {1, "PC {a|b}", 40};
    const Built b = build(false);
    EXPECT_EQ(starting(b.lines, "   1 Sch\xFCtz mit   4 KW .").size(), 1u);
    EXPECT_EQ(starting(b.lines, "   3 Sch\xFCtze mit 7,5 KW .").size(), 1u);
    EXPECT_EQ(starting(b.lines, "   2 Sicherungen#100604016 A  .").size(), 1u);
    // the designation is the user's text: braces in it are not singular/plural groups
    EXPECT_EQ(starting(b.lines, "   1 Ger\xE4t PC {a|b}#100604740#1006048 .").size(), 1u);
    EXPECT_EQ(starting(b.lines, "   "
                                "#1006115")
                  .size(),
              1u);
    EXPECT_TRUE(starting(b.lines, "#1006110").empty());
}

TEST_F(ReportTest, measured_loss_prints_temperatures_and_no_components) {
    p.Verlustleistung = {VerlustGemessen, 0, 20, 40};
    p.Leistungsschuetze[0] = 4;
    const Built b = build(false);
    EXPECT_EQ(starting(b.lines, "#1006110").front(), "#1006110  40\xB0"
                                                     "C");
    EXPECT_EQ(starting(b.lines, "#1006111").front(), "#1006111  20\xB0"
                                                     "C");
    EXPECT_TRUE(starting(b.lines, "   4 ").empty());
    EXPECT_TRUE(starting(b.lines, "   #1006115").empty());
}

TEST_F(ReportTest, construction_line_and_the_temperature_without_climate_device) {
    struct Case {
        u16 material;
        double k;
        const char* construction;
        const char* temperature; // after the label and its dots
    };
    const Case cases[] = {
        // a table material is named; its temperature stands in columns 58-63
        {Stahlblech, 5.5, "    #1006026#1006031#1006022 - #1006029", nullptr},
        {Anderes, 4.5, "    #1006026 (4,5W/m\xB2K) - #1006029", nullptr},
        {Anderes, 12.345, "    #1006026 (12,3W/m\xB2K) - #1006029", nullptr},
        // walls that exchange no heat give no temperature, and no division by zero
        {Anderes, 0.0, "    #1006026 (0W/m\xB2K) - #1006029",
         " "
         "   ---"},
    };
    for (const Case& c : cases) {
        p.Schaltschrank.Material = c.material;
        p.Schaltschrank.Waermedurchgangszahl = c.k;
        const Built b = build(false);
        EXPECT_EQ(starting(b.lines, "    #1006026").front(), c.construction);
        const auto t = starting(b.lines, "#1006057");
        ASSERT_EQ(t.size(), 1u);
        if (c.temperature)
            EXPECT_EQ(t[0].substr(56), c.temperature);
        else
            EXPECT_EQ(t[0].substr(63), " \xB0"
                                       "C");
    }
}

TEST_F(ReportTest, file_name_line_only_with_a_file_name) {
    EXPECT_TRUE(starting(build(false).lines, "#1006015").empty());
    const auto withName = starting(build(false, false, nullptr, "/tmp/a.Z20").lines, "#1006015");
    EXPECT_EQ(withName, std::vector<std::string>{"#1006015/tmp/a.Z20"});
}

TEST_F(ReportTest, device_headings_count_the_candidates_found) {
    // candidates: 1 filter fan, 2 air/air exchanger (TX), 3 cooling unit
    texts.texts[1006113] = "Erste{s|} Ger\xE4t{|e}";
    texts.texts[1006065] = "Weitere{s|}";
    p.Auswahl.GeraeteCheck[20 - 1] = '0';
    p.Auswahl.GeraeteCheck[50 - 1] = '0';
    Built b = build(false);
    EXPECT_EQ(starting(b.lines, "Erste").front(), "Erste Ger\xE4te"); // plural: three found, one ticked
    EXPECT_TRUE(starting(b.lines, "Weitere").empty());
    EXPECT_EQ(p.Auswahl.Geraete, 0b010);

    p.Auswahl.GeraeteCheck = NewProject(settings).Auswahl.GeraeteCheck;
    b = build(false);
    EXPECT_EQ(starting(b.lines, "Weitere").size(), 2u);
    // the filter fan is followed by its exit filter
    const auto& l = b.lines.lines();
    const auto fan = std::find(l.begin(), l.end(), "velmar Filterluefter FL 100");
    ASSERT_NE(fan, l.end());
    EXPECT_NE(std::find(fan, l.end(), "velmar Austrittsfilter AF 100"), l.end());
}

TEST_F(ReportTest, the_device_section_closes_even_with_nothing_ticked) {
    test::FixedSelector none;
    none.answer = 0;
    const Built b = build(false, false, &none);
    EXPECT_EQ(none.calls, 1);
    EXPECT_FALSE(b.abbruch);
    const auto& l = b.lines.lines();
    // the balance ends with rule + empty line, the empty device section adds another pair
    const auto heater = std::find(l.begin(), l.end(), "#1006072");
    ASSERT_NE(heater, l.end());
    EXPECT_EQ(*(heater - 1), "");
    EXPECT_EQ(*(heater - 2), std::string(79, '-'));
    EXPECT_EQ(*(heater - 3), "");
    EXPECT_EQ(*(heater - 4), std::string(79, '-'));
}

TEST_F(ReportTest, report_ends_with_the_closing_text_split_at_its_break) {
    texts.texts[1006079] = "eins\r\nzwei";
    const Built b = build(false);
    const auto& l = b.lines.lines();
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(l.end() - 4, l.end()),
              (std::vector<std::string>{"", "eins", "zwei", ""}));
    EXPECT_EQ(l.front(), "#1006112");
}

TEST_F(ReportTest, cancelling_the_selection_is_reported) {
    test::FixedSelector cancel; // no answer: cancelled
    Built b = build(false, true, &cancel);
    EXPECT_TRUE(cancel.lastCancelAllowed);
    EXPECT_TRUE(b.abbruch);
    b = build(true, true, &cancel);
    EXPECT_TRUE(b.abbruch);
}

TEST_F(ReportTest, without_candidates_nothing_is_cancelled) {
    p = test::testProject(0);
    p.Temperatur.MaxAussen = 20; // no loss and the walls cool: nothing to search
    test::FixedSelector cancel;
    EXPECT_FALSE(build(false, true, &cancel).abbruch);
    // an inquiry without devices is still shown and printed
    EXPECT_FALSE(build(true, true, &cancel).abbruch);
    EXPECT_EQ(cancel.calls, 0);
}

TEST_F(ReportTest, inquiry_layout) {
    settings.Firmenadresse = {"Lieferant", "Weg 1", "Ort", "", ""};
    p.Temperatur.MaxAussen = 35; // no air flow, no air/air exchanger
    p.Temperatur.Wasser = 35;    // no water/air exchanger: the cooling unit is the one candidate
    const Built b = build(true);
    const auto& l = b.lines.lines();
    ASSERT_GT(l.size(), 20u);
    // 5 sender lines (empty fields stay), 4 empty, 3 addressee lines, empty, phone, fax
    EXPECT_EQ(std::vector<std::string>(l.begin() + 9, l.begin() + 15),
              (std::vector<std::string>{"Lieferant", "Weg 1", "Ort", "", "", ""}));
    const auto date = starting(b.lines, std::string(51, ' ') + "#1006088");
    EXPECT_EQ(date, std::vector<std::string>{std::string(51, ' ') + "#10060885.3.2026"});
    EXPECT_EQ(starting(b.lines, "Folgend").front(), "Folgendes Ger\xE4t zur K\xFChlung:");
    EXPECT_EQ(starting(b.lines, "1#1006093").size(), 1u);
    EXPECT_EQ(l.back(), "#1006095");
}

} // namespace
} // namespace zek
