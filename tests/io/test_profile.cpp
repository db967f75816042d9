#include "io/Profile.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <string>

using namespace zek;
using namespace std::string_literals;

namespace {

struct LookupCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::optional<std::string> expected;
};

class ProfileLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(ProfileLookup, finds_what_the_profile_functions_would) {
    const LookupCase& c = GetParam();
    EXPECT_EQ(Profile(c.file).value(c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileLookup,
    ::testing::Values(
        LookupCase{"plain", "[Person]\r\nName=Meier\r\n", "Person", "Name", "Meier"},
        LookupCase{"names_ignore_case", "[PERSON]\r\nnAmE=Meier\r\n", "person", "NAME", "Meier"},
        // E4 is "ä", C4 "Ä": the two keys with an umlaut match in either case.
        LookupCase{"umlaut_ignores_case", "[S]\r\nW\xC4RMEDURCHGANGSZAHL=55\r\n", "s",
                   "w\xE4rmedurchgangszahl", "55"},
        LookupCase{"first_key_wins", "[S]\r\nA=1\r\na=2\r\n", "S", "A", "1"},
        LookupCase{"duplicate_sections_count_as_one", "[S]\r\nA=1\r\n[T]\r\nB=0\r\n[s]\r\nB=2\r\nA=3\r\n",
                   "S", "B", "2"},
        LookupCase{"first_duplicate_section_wins", "[S]\r\nA=1\r\n[S]\r\nA=3\r\n", "S", "A", "1"},
        LookupCase{"keys_before_any_section_belong_to_none", "A=1\r\n[S]\r\nB=2\r\n", "S", "A", std::nullopt},
        LookupCase{"no_sections_at_all", "A=1\r\nB=2\r\n", "", "A", std::nullopt},
        LookupCase{"lf_line_ends", "[S]\nA=1\nB=2\n", "S", "B", "2"},
        LookupCase{"cr_line_ends", "[S]\rA=1\rB=2", "S", "B", "2"},
        LookupCase{"blank_lines_ignored", "\r\n\r\n[S]\r\n\r\n  \r\nA=1\r\n", "S", "A", "1"},
        LookupCase{"blanks_around_names_and_value", "  [ S ]  \r\n\t A \t=  x y \t\r\n", "S", "A", "x y"},
        LookupCase{"double_quotes_removed", "[S]\r\nA=\"  x \"\r\n", "S", "A", "  x "},
        LookupCase{"single_quotes_removed", "[S]\r\nA= 'x' \r\n", "S", "A", "x"},
        LookupCase{"only_one_pair_of_quotes", "[S]\r\nA=''x''\r\n", "S", "A", "'x'"},
        LookupCase{"unmatched_quotes_stay", "[S]\r\nA=\"x'\r\n", "S", "A", "\"x'"},
        LookupCase{"lone_quote_stays", "[S]\r\nA=\"\r\n", "S", "A", "\""},
        LookupCase{"empty_value", "[S]\r\nA=\r\n", "S", "A", ""},
        LookupCase{"value_keeps_later_equals", "[S]\r\nA=b=c\r\n", "S", "A", "b=c"},
        LookupCase{"nul_ends_the_line", "[S]\r\nA=ab\0cd\r\nB=2\r\n"s, "S", "A", "ab"},
        LookupCase{"nul_before_equals_hides_the_key", "[S]\r\nA\0=1\r\n"s, "S", "A", std::nullopt},
        LookupCase{"line_without_equals_ignored", "[S]\r\nGarbage\r\nA=1\r\n", "S", "Garbage", std::nullopt},
        LookupCase{"unclosed_section_is_no_section", "[S]\r\nA=1\r\n[T\r\nA=2\r\n", "T", "A", std::nullopt},
        LookupCase{"missing_key", "[S]\r\nA=1\r\n", "S", "B", std::nullopt}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Profile, very_long_line_is_read_whole) {
    const std::string value(1 << 20, 'x');
    EXPECT_EQ(Profile("[S]\r\nA=" + value + "\r\n").value("S", "A"), value);
}

TEST(ProfileInt, integer_forms) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0},
        {"42", 42},
        {"007", 7},
        {"-5", -5},
        {"+7", 7},
        {"$1F", 31},
        {"0x1f", 31},
        {"0X10", 16},
        {"-$10", -16},
        {"$FFFFFFFF", -1}, // 32 bits, two's complement
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"99999999999", std::nullopt},
        {"$100000000", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-", std::nullopt},
        {"", std::nullopt},
        {"1 2", std::nullopt},
        {" 12", std::nullopt},
        {"12a", std::nullopt},
        {"1,5", std::nullopt},
        {"$G", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseProfileInt(text), expected) << '"' << text << '"';
}

TEST(ProfileInt, fallback_for_missing_or_invalid_values) {
    const Profile p("[S]\r\nA=x\r\nB=-3\r\n");
    EXPECT_EQ(p.readInt("S", "A", 65535), 65535);
    EXPECT_EQ(p.readInt("S", "C", 7), 7);
    EXPECT_EQ(p.readInt("S", "B", 7), -3);
}

TEST(Profile, update_keeps_every_other_line_byte_for_byte) {
    const std::string before = "; written by hand\n"
                               "[Other]\r\n"
                               "Keep = me \r\n"
                               "\r\n"
                               "[Schaltschrank]\n"
                               "breite=1\n"
                               "junk line\r"
                               "Hoehe=2";
    Profile p(before);
    p.setValue("SCHALTSCHRANK", "Breite", "600");
    p.setValue("Schaltschrank", "Tiefe", "700");
    p.setValue("Neu", "Key", "a\r\nb");
    EXPECT_EQ(p.bytes(), "; written by hand\n"
                         "[Other]\r\n"
                         "Keep = me \r\n"
                         "\r\n"
                         "[Schaltschrank]\n"
                         "breite=600\n"
                         "junk line\r"
                         "Hoehe=2\r\n"
                         "Tiefe=700\r\n"
                         "\r\n"
                         "[Neu]\r\n"
                         "Key=a  b\r\n");
}

TEST(Profile, new_file_gets_sections_in_order_of_setting) {
    Profile p;
    p.setValue("A", "x", "1");
    p.setValue("B", "y", "");
    p.setValue("A", "z", "3");
    EXPECT_EQ(p.bytes(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=\r\n");
}

TEST(Profile, ten_megabytes_of_junk_come_back_unchanged) {
    std::mt19937 random(1234);
    std::string junk(10u << 20, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    // A few recognisable lines among the noise.
    junk.replace(5000, 18, "\r\n[S]\r\nKey=value\r\n");
    const Profile p(junk);
    EXPECT_EQ(p.value("S", "Key"), "value");
    EXPECT_EQ(p.bytes(), junk);
}

} // namespace
