#include "core/Cp1252.h"

#include <gtest/gtest.h>

using namespace zek;

TEST(Cp1252, converts_at_the_edges_both_ways) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"Schaltschrank", "Schaltschrank"},
        {"W\xE4rme \xDC"
         "berdruck \xDF",
         "Wärme Überdruck ß"},
        {"\x80 \x84\x93\x94 \x96 \x9C \x9F", "€ „“” – œ Ÿ"},
        {"10\xB0"
         "C 5\xB2",
         "10°C 5²"},
        {"\x7F\xA0\xFF", "\x7F\u00A0ÿ"}, // DEL, the no-break space, the last byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes);
    }
}

TEST(Cp1252, what_the_other_side_cannot_hold) {
    // The five unassigned bytes show as the replacement character.
    EXPECT_EQ(cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    // Characters outside the code page, including C1 controls and a surrogate pair, become one '?'.
    EXPECT_EQ(utf8ToCp1252("中 \xC2\x81 Ā 😀!"), "? ? ? ?!");
    EXPECT_EQ(toCp1252(QString()), "");
    // Embedded zero bytes are kept.
    EXPECT_EQ(cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, every_byte_becomes_the_utf8_of_its_character) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(cp1252ToUtf8(byte), fromCp1252(byte).toUtf8().toStdString()) << b;
    }
}
