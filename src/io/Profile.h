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
std::optional<std::int32_t> parseProfileInt(std::string_view value);

// A profile (INI) file held as its lines, the way the Windows profile functions see it:
// "[section]" lines, key=value lines, names matched without regard to case, the first of
// two equal keys counts, blank and unrecognised lines ignored. Values lose surrounding
// blanks and one pair of enclosing double or single quotes on reading. Lines may end in
// CR LF, LF or CR; a NUL byte ends the content of its line. Every line that is not
// changed by setValue is written back byte for byte, line end included.
class Profile {
public:
    Profile() = default;
    explicit Profile(std::string_view bytes);

    // The value of the first matching key; sections of the same name count as one, in
    // file order. Keys before the first section belong to no section.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
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
    struct Line {
        std::string text;
        std::string eol;
    };
    struct Entry {
        std::string key; // as written, without surrounding blanks
        std::size_t line = 0;
    };
    struct Section {
        std::string name;
        std::size_t header = 0;
        std::vector<Entry> entries;
    };

    void reindex();
    const Entry* findEntry(std::string_view section, std::string_view key) const;

    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
};

} // namespace zek
