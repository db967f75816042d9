#include "i18n/TextTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Lines out of order, all three kinds of line end, and the awkward lines a hand-edited
// file may hold; more than 16 numbered lines with several duplicated numbers, where an
// unstable sort would swap equal numbers.
const std::string kTable = "001006001 W\r\n"
                           "001004009Projekt: \r\n"
                           "000071566R\374ck\r"
                           "001006079Mit freundlichen<nl>Gr\374\337en<nl>\n"
                           "001006080<nl><<nl>x<n\r\n"
                           "00100400\n"          // 8 characters: shorter than a number
                           "001004010\r\n"       // the number alone: an empty text
                           "00100x011Kaputt\r\n" // not a number
                           "001008000Erste\r\n"  // duplicate number: the first one counts
                           "001008000Zweite\r\n"
                           "001008001Erste\r\n001008002Erste\r\n001008003Erste\r\n"
                           "001008001Zweite\r\n001008002Zweite\r\n001008003Zweite\r\n"
                           "001008004Erste\r\n001008005Erste\r\n001008006Erste\r\n"
                           "001008004Zweite\r\n001008005Zweite\r\n001008006Zweite\r\n"
                           "001009000Neun\r\n" // 22 numbered lines: std::sort swaps 1008001
                           "\r\n"
                           "999999999Letzte";

TEST(TextTable, finds_texts_by_number_whatever_the_line_order_and_line_ends) {
    const struct {
        const char* name;
        std::uint32_t number;
        std::optional<std::string> expected; // nullopt: not in the table
    } cases[] = {
        {"trailing blank kept", 1004009, "Projekt: "},
        {"leading blank kept", 1006001, " W"},
        {"CR-only line end", 71566, "R\374ck"},
        {"every <nl> becomes CR LF", 1006079, "Mit freundlichen\r\nGr\374\337en\r\n"},
        {"<nl> at the start, after a <, and one cut short", 1006080, "\r\n<\r\nx<n"},
        {"number without text", 1004010, ""},
        {"short line is never a number", 1004000, std::nullopt},
        {"non-digit prefix never found", 1004011, std::nullopt},
        {"first of two equal numbers wins", 1008000, "Erste"},
        {"first of two equal numbers wins, other runs", 1008003, "Erste"},
        {"first of two equal numbers wins, last run", 1008006, "Erste"},
        {"first of two equal numbers wins, a run an unstable sort swaps", 1008001, "Erste"},
        {"last line without line end", 999999999, "Letzte"},
        {"missing number", 1004099, std::nullopt},
        {"number too wide for nine digits", 1000000000u, std::nullopt},
    };
    // Looked up in a copy whose original is gone: the lines must not point into it.
    zek::TIntStr table;
    {
        zek::TIntStr original;
        original.setText(kTable);
        table = original;
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(table.find(c.number), c.expected);
        EXPECT_EQ(table.GetLangText(c.number), c.expected.value_or(""));
    }
    EXPECT_EQ(table.numbers(), (std::vector<std::uint32_t>{71566, 1004009, 1004010, 1006001, 1006079, 1006080,
                                                           1008000, 1008001, 1008002, 1008003, 1008004,
                                                           1008005, 1008006, 1009000, 999999999}));
}

} // namespace
