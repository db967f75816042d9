#include "io/Profile.h"

#include <gtest/gtest.h>
#include <optional>
#include <random>

using namespace zek;
using namespace std::string_literals;
using std::nullopt;

namespace {

TEST(Profile, lookups_behave_like_the_profile_functions) {
    const struct {
        std::string file;
        const char* section;
        const char* key;
        std::optional<std::string> expected;
    } cases[] = {
        {"[PERSON]\r\nnAmE=Meier\r\n", "person", "NAME", "Meier"},
        {"[S]\r\nW\xC4RMEDURCHGANGSZAHL=55\r\n", "s", "w\xE4rmedurchgangszahl",
         "55"},                                                        // C4 "Ä" matches E4 "ä"
        {"[S]\r\nA=1\r\na=2\r\n", "S", "A", "1"},                      // first key wins
        {"[S]\r\nA=1\r\n[T]\r\n[s]\r\nB=2\r\nA=3\r\n", "S", "B", "2"}, // duplicate sections count as one
        {"[S]\r\nA=1\r\n[S]\r\nA=3\r\n", "S", "A", "1"},
        {"A=1\r\n[S]\r\nB=2\r\n", "S", "A", nullopt}, // keys before any section belong to none
        {"[S]\nA=1\nB=2\n", "S", "B", "2"},
        {"[S]\rA=1\rB=2", "S", "B", "2"},
        {"\r\n\r\n[S]\r\n\r\n  \r\nA=1\r\n", "S", "A", "1"},
        {"  [ S ]  \r\n\t A \t=  x y \t\r\n", "S", "A", "x y"},
        {"[S]\r\nA=\"  x \"\r\n", "S", "A", "  x "},
        {"[S]\r\nA= 'x' \r\n", "S", "A", "x"},
        {"[S]\r\nA=''x''\r\n", "S", "A", "'x'"}, // one pair of quotes only
        {"[S]\r\nA=\"x'\r\n", "S", "A", "\"x'"},
        {"[S]\r\nA=\"\r\n", "S", "A", "\""},
        {"[S]\r\nA=\"\"\r\n", "S", "A", ""},
        {"[S]\r\nA=b=c\r\n", "S", "A", "b=c"},
        {"[S]\r\nA=ab\0cd\r\nB=2\r\n"s, "S", "A", "ab"}, // NUL ends the line
        {"[S]\r\nA\0=1\r\n"s, "S", "A", nullopt},
        {"[S]\r\nGarbage\r\nA=1\r\n", "S", "Garbage", nullopt},
        {"[S]\r\nA=1\r\n[T\r\nA=2\r\n", "T", "A", nullopt}, // an unclosed bracket is no section
    };
    for (const auto& c : cases)
        EXPECT_EQ(Profile(c.file).value(c.section, c.key), c.expected) << c.file;
}

TEST(Profile, a_reader_with_a_cursor_gets_what_single_lookups_get_in_any_order) {
    const Profile p("[A]\r\nX=1\r\nY=2\r\n[B]\r\nX=3\r\nX=4\r\n[a]\r\nZ=5\r\nX=6\r\n[C]\r\nY=7\r\n");
    // In file order, again, backwards and across sections of the same name; a name is
    // passed as the same literal each time, as the project reader does.
    const std::pair<const char*, const char*> asked[] = {
        {"A", "X"}, {"A", "Y"}, {"B", "X"}, {"A", "X"}, {"A", "Z"}, {"B", "X"}, {"B", "Y"},
        {"C", "Y"}, {"A", "Y"}, {"A", "X"}, {"B", "X"}, {"C", "X"}, {"A", "Z"}, {"a", "x"},
    };
    Profile::Cursor cursor;
    for (const auto& [section, key] : asked)
        EXPECT_EQ(p.value(section, key, cursor), p.value(section, key)) << section << "." << key;
}

TEST(Profile, integer_forms) {
    // $FFFFFFFF: 32 bits, two's complement
    // clang-format off
    const std::pair<const char*, std::int32_t> numbers[] = {
        {"42", 42}, {"007", 7}, {"-5", -5}, {"+7", 7}, {"$1F", 31}, {"0x1f", 31}, {"0X1F", 31},
        {"-$10", -16}, {"$FFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}};
    // clang-format on
    for (const auto& [text, value] : numbers)
        EXPECT_EQ(parseProfileInt(text), value) << '"' << text << '"';
    for (const char* text :
         {"2147483648", "99999999999", "$100000000", "$", "0x", "-", "", "1 2", "12a", "1,5", "--1"})
        EXPECT_EQ(parseProfileInt(text), nullopt) << '"' << text << '"';
}

TEST(Profile, update_keeps_every_other_line_byte_for_byte) {
    Profile p("; by hand\n[Other]\r\nKeep = me \r\n\r\n[Schaltschrank]\nbreite=1\njunk line\rHoehe=2");
    // What was written is what is read at once, for a key replaced, added to a section and new.
    p.setValue("SCHALTSCHRANK", "Breite", " '600' ");
    EXPECT_EQ(p.value("schaltschrank", "BREITE"), "600");
    p.setValue("SCHALTSCHRANK", "Breite", "600");
    p.setValue("Schaltschrank", "Tiefe", "700");
    EXPECT_EQ(p.value("Schaltschrank", "Tiefe"), "700");
    p.setValue("Neu", "Key", "a\r\nb"); // a line break must not split the file
    EXPECT_EQ(p.value("Neu", "Key"), "a  b");
    EXPECT_EQ(p.bytes(), "; by hand\n[Other]\r\nKeep = me \r\n\r\n[Schaltschrank]\nbreite=600\njunk line\r"
                         "Hoehe=2\r\nTiefe=700\r\n\r\n[Neu]\r\nKey=a  b\r\n");
}

TEST(Profile, ten_megabytes_of_junk_come_back_unchanged) {
    std::mt19937 random(1234);
    std::string junk(10u << 20, '\0');
    for (char& c : junk)
        c = static_cast<char>(random());
    junk.replace(5000, 18, "\r\n[S]\r\nKey=value\r\n");
    const Profile p(junk);
    EXPECT_EQ(p.value("S", "Key"), "value");
    EXPECT_EQ(p.bytes(), junk);
}

} // namespace
