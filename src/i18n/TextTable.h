#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// The language text table: one text per line, the first nine characters the zero-padded
// text number, the text right after it. The numbered lines are ordered by number once
// after loading (of two with the same number the earlier one counts) and then found by
// a hash of their numbers.
class TIntStr {
public:
    // Takes the whole text file (Windows-1252 bytes); lines end in CR LF, CR or LF.
    void setText(std::string content);
    void clear();

    std::size_t count() const { return m_lines.size(); }
    bool empty() const { return m_lines.empty(); }

    // The text of a number with every "<nl>" turned into CR LF; empty when the number is
    // missing or its line holds only the number.
    std::string GetLangText(std::uint32_t number) const;
    // Like GetLangText, but tells a missing number from an empty text.
    std::optional<std::string> find(std::uint32_t number) const;
    // The same without a copy: a view into the table, valid until it is set or cleared.
    std::optional<std::string_view> text(std::uint32_t number) const;
    // The numbers of all lines that begin with nine digits, in table order (duplicates once).
    std::vector<std::uint32_t> numbers() const;

private:
    // Lines as places in the content, so that a copied or moved table stays valid.
    struct Line {
        std::size_t begin, length;
    };
    std::string_view line(const Line& l) const {
        return std::string_view(m_content).substr(l.begin, l.length);
    }

    // The lines that begin with nine digits, by number: what a lookup searches. `text`
    // is the text after the number with its line breaks made once, when the table is set
    // (a text with "<nl>" is written out at the end of the content).
    struct Numbered {
        std::uint32_t number;
        Line text;
    };

    std::string m_content;
    std::vector<Line> m_lines;
    std::vector<Numbered> m_numbered;
    // Open addressing over m_numbered by number, the first of equal numbers only: entry
    // index + 1, 0 for a free slot. A report looks up hundreds of texts.
    std::vector<std::uint32_t> m_slots;
};

} // namespace zek
