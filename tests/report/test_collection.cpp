#include "ReportTestSupport.h"
#include "report/ZekCollection.h"

#include <gtest/gtest.h>

namespace zek {
namespace {

using S = TZEKCollection;

TEST(Formatters, each_formatter_gives_its_fixed_width_text) {
    struct Case {
        std::string got, want;
    };
    const Case cases[] = {
        {S::Fill("Abc", 6), "Abc..."},
        {S::Fill("Abcdefgh", 4), "Abcd"},        // a longer label is cut
        {S::Fill("", 60), std::string(58, '.')}, // never more than the 58 dots
        {S::Str(-42), "-42"},
        {S::Str4(7), "   7"},
        {S::Str4(-12), " -12"},
        {S::Str4(12345), "12345"}, // wider when it does not fit
        {S::Str6(129), "   129"},
        {S::Str6(1234567), "1234567"},
        {S::StrX4(4.7), "4.7000"},
        {S::StrX4(0.0), "0.0000"},
        {S::StrX4(2.12345), "2.1235"}, // 2.12345 is stored just above ...345
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(Formatters, ezmz_resolves_every_group_by_count) {
    struct Case {
        const char* pattern;
        long long n;
        const char* want;
    };
    const Case cases[] = {
        {"Ger\xE4t{|e} ", 1, "Ger\xE4t "},
        {"Ger\xE4t{|e} ", 2, "Ger\xE4te "},
        {"Folgend{es|e} Ger\xE4t{|e} zur K\xFChlung:", 1, "Folgendes Ger\xE4t zur K\xFChlung:"},
        {"Folgend{es|e} Ger\xE4t{|e} zur K\xFChlung:", 3, "Folgende Ger\xE4te zur K\xFChlung:"},
        {"SPS-Ausg{a|\xE4}ng{|e}", 5, "SPS-Ausg\xE4nge"},
        {"Sch\xFCtz{|e}", 0, ""},                    // no units, no text
        {"offen {ohne Ende", 2, "offen {ohne Ende"}, // an unfinished group stays as it is
        {"a{b|c", 1, "a{b|c"},
        {"{|}{x|y}", 1, "x"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(S::EZMZ(c.pattern, c.n), c.want) << c.pattern << " n=" << c.n;
}

TEST(ComponentLine, label_is_cut_so_the_loss_starts_in_column_58) {
    test::FakeTexts texts;
    texts.texts[1006001] = " W";
    S c;
    c.InsW(3, "Sch\xFCtz{|e} mit 7,5 KW", 33, texts);
    c.InsW(1, std::string(80, 'x'), 5, texts);
    c.InsW(0, "nothing", 9, texts); // a row without units prints nothing
    ASSERT_EQ(c.size(), 2u);
    // "   3" + " " + "Schütze mit 7,5 KW" + " " + dots to column 56, " ", value in 58-63
    EXPECT_EQ(c[0], "   3 Sch\xFCtze mit 7,5 KW " + std::string(32, '.') + "     33 W");
    EXPECT_EQ(c[1].size(), 56u + 1 + 6 + 2);
    EXPECT_EQ(c[1].substr(0, 5), "   1 ");
    EXPECT_EQ(c[1].substr(56), "      5 W");
}

TEST(ValueLine, a_seven_digit_value_pushes_the_unit_right) {
    S c;
    c.InsSF6S("Verlust", 56, 1234567, " W");
    c.InsSF6S("Verlust", 56, 123456, " W");
    EXPECT_EQ(c[0].substr(57), "1234567 W"); // starts in column 58, unit one column later
    EXPECT_EQ(c[1].substr(57), "123456 W");
}

TEST(LineBreaks, texts_with_breaks_become_lines_and_every_other_line_keeps_its_place) {
    S c;
    for (const char* l : {"Titel", "", "eins\r\nzwei", "", "Ende\r\n", "cr\rlf\nx"})
        c.Ins(l);
    c.SplitLineBreaks();
    const std::vector<std::string> want = {"Titel", "", "eins", "zwei", "", "Ende", "", "cr", "lf", "x"};
    EXPECT_EQ(c.lines(), want);
}

} // namespace
} // namespace zek
