#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// Section and key names compare without regard to letter case, Windows-1252 letters
// included, so "WÄRMEDURCHGANGSZAHL" finds "Wärmedurchgangszahl".
bool profileNamesEqual(std::string_view a, std::string_view b);

// An integer value of a profile file: decimal with an optional sign, or hexadecimal
// after "$" or "0x". Hexadecimal takes up to 32 bits in two's complement ("$FFFFFFFF"
// is -1). Anything else, including a decimal outside the signed 32-bit range, is no
// number.
bool parseProfileInt(std::string_view value, std::int32_t& number);
// The same as an optional, made where it is used: an optional returned from a function
// that is not inlined is read back before it is fully written, which stalls.
inline std::optional<std::int32_t> parseProfileInt(std::string_view value) {
    std::int32_t number = 0;
    return parseProfileInt(value, number) ? std::optional(number) : std::nullopt;
}

// A profile (INI) file held as its lines, the way the Windows profile functions see it:
// "[section]" lines, key=value lines, names matched without regard to case, the first of
// two equal keys counts, blank and unrecognised lines ignored. Values lose surrounding
// blanks and one pair of enclosing double or single quotes on reading. Lines may end in
// CR LF, LF or CR; a NUL byte ends the content of its line. Every line that is not
// changed by setValue is written back byte for byte, line end included.
//
// The file is read once into an index: its bytes stay in one buffer, lines and names are
// places in it, and a hash of the case-folded section and key names finds a key in one
// step. The first of two equal keys is the one the index keeps.
class Profile {
public:
    Profile() = default;
    explicit Profile(std::string_view bytes);

    // The value of the first matching key; sections of the same name count as one, in
    // file order. Keys before the first section belong to no section.
    // The view stays valid until the profile is changed or destroyed.
    std::optional<std::string_view> value(std::string_view section, std::string_view key) const;
    // Where a reader that asks for many keys in about the order of the file stands: the
    // place after the last key found, where the next one is looked for first, and the
    // section name it was asked for there. A name asked for again from the same place
    // (a string literal) is known to be that section without being compared again.
    struct Cursor {
        std::size_t entry = 0;
        std::string_view section;
        std::uint32_t sectionIndex = UINT32_MAX; // none yet
    };
    std::optional<std::string_view> value(std::string_view section, std::string_view key,
                                          Cursor& cursor) const;
    bool hasSection(std::string_view section) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // A missing key or a value that is no number gives the fallback.
    std::int32_t readInt(std::string_view section, std::string_view key, std::int32_t fallback) const;

    // Replaces the value of the first matching key, adds the key at the end of its
    // section, or adds the section at the end of the file. Line breaks and NUL bytes in
    // the value become blanks, so a value can never split the file.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string bytes() const;

private:
    // A place in m_text.
    struct Span {
        std::size_t begin = 0;
        std::size_t length = 0;
    };
    enum class Eol : std::uint8_t { None, CrLf, Lf, Cr };
    struct Line {
        Span text;
        Eol eol = Eol::None;
    };
    struct Section {
        Span name; // as written, without surrounding blanks
        std::uint64_t hash = 0;
        std::size_t header = 0;
        std::size_t lastLine = 0; // its last key, or its header
    };
    struct Entry {
        std::uint32_t section = 0;
        Span key;   // as written, without surrounding blanks
        Span value; // without surrounding blanks and one pair of enclosing quotes
        std::uint64_t hash = 0;
        std::size_t line = 0;
        bool first = false; // no earlier key of the same section name and key name
    };

    std::string_view text(Span s) const { return std::string_view(m_text).substr(s.begin, s.length); }
    // The part of a line the profile functions see: up to the first NUL byte.
    std::string_view visible(const Line& line) const {
        const std::string_view v = text(line.text);
        return m_hasNul ? v.substr(0, v.find('\0')) : v;
    }
    void setLineText(Line& line, std::string_view content);
    void insertLine(std::size_t at, std::string_view content);
    void reindex();
    const Entry* findEntry(std::string_view section, std::string_view key) const;
    Span span(std::string_view part) const { return {std::size_t(part.data() - m_text.data()), part.size()}; }

    // The original bytes, followed by the text of every line set since.
    std::string m_text;
    bool m_hasNul = false; // anywhere in m_text: lines then end at their first NUL
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    std::vector<Entry> m_entries;
    // Open addressing over m_entries: entry index + 1, 0 for a free slot.
    std::vector<std::uint32_t> m_slots;
};

} // namespace zek
