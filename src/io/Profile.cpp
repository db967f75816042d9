#include "Profile.h"

#include "core/Lines.h"

#include <array>
#include <cstring>
#include <limits>

namespace zek {
namespace {

constexpr unsigned char foldByte(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    // Windows-1252 capitals: À..Þ except ×, and Š Œ Ž Ÿ.
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

constexpr std::array<unsigned char, 256> kFolded = [] {
    std::array<unsigned char, 256> table{};
    for (unsigned c = 0; c < 256; ++c)
        table[c] = foldByte(static_cast<unsigned char>(c));
    return table;
}();

// Eight bytes of a name in a form in which names equal to profileNamesEqual agree: plain
// ASCII with bit 5 set, which folds the letters (and merges a few other pairs, which the
// hash may do and the comparison never does); with a byte above 127 through the table.
std::uint64_t foldedWord(std::uint64_t word) {
    if ((word & 0x8080808080808080ull) == 0)
        return word | 0x2020202020202020ull;
    std::uint64_t folded = 0;
    for (int shift = 0; shift < 64; shift += 8)
        folded |= std::uint64_t(kFolded[(word >> shift) & 0xFF]) << shift;
    return folded;
}

template <class Word> Word load(const char* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// A hash of the folded name, eight bytes a step, so that names equal to profileNamesEqual
// hash alike: being as long, they take the same steps. The last step reads the last eight
// bytes, overlapping the one before; a short name is read as two overlapping halves.
// (A step per byte waits for each multiplication in turn.)
std::uint64_t foldedHash(std::string_view name, std::uint64_t seed = 14695981039346656037ull) {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    const char* p = name.data();
    const std::size_t n = name.size();
    std::uint64_t hash = (seed ^ n) * kMultiplier;
    const auto mix = [&hash](std::uint64_t word) { hash = (hash ^ foldedWord(word)) * kMultiplier; };
    if (n >= 8) {
        for (std::size_t i = 0; i + 8 < n; i += 8)
            mix(load<std::uint64_t>(p + i));
        mix(load<std::uint64_t>(p + n - 8));
    } else if (n >= 4) {
        mix(load<std::uint32_t>(p) | std::uint64_t(load<std::uint32_t>(p + n - 4)) << 32);
    } else {
        std::uint64_t word = 0;
        for (std::size_t i = 0; i < n; ++i)
            word |= std::uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
        mix(word);
    }
    return hash ^ (hash >> 32);
}

// One hash for a key within its section; the separator keeps "ab"+"c" apart from "a"+"bc".
std::uint64_t entryHash(std::uint64_t sectionHash, std::string_view key) {
    return foldedHash(key, (sectionHash ^ 0xFF) * 1099511628211ull);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string_view unquote(std::string_view s) {
    if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front())
        return s.substr(1, s.size() - 2);
    return s;
}

std::string cleanValue(std::string_view value) {
    std::string out(value);
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return out;
}

} // namespace

bool profileNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    if (a == b) // the usual case, names spelled as the program writes them
        return true;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (kFolded[static_cast<unsigned char>(a[i])] != kFolded[static_cast<unsigned char>(b[i])])
            return false;
    return true;
}

bool parseProfileInt(std::string_view s, std::int32_t& number) {
    // Most values are a few plain digits.
    if (!s.empty() && s.size() <= 9) {
        std::int32_t value = 0;
        std::size_t k = 0;
        while (k < s.size() && s[k] >= '0' && s[k] <= '9')
            value = value * 10 + (s[k++] - '0');
        if (k == s.size()) {
            number = value;
            return true;
        }
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == s.size())
        return false;

    const std::uint64_t limit = hex ? 0xFFFFFFFFull
                                    : (negative ? std::uint64_t(std::numeric_limits<std::int32_t>::max()) + 1
                                                : std::uint64_t(std::numeric_limits<std::int32_t>::max()));
    std::uint64_t magnitude = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > limit)
            return false;
    }
    // Two's complement in unsigned arithmetic, so "-2147483648" and "$FFFFFFFF" never overflow.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    number = static_cast<std::int32_t>(bits);
    return true;
}

Profile::Profile(std::string_view bytes)
    : m_text(bytes), m_hasNul(bytes.find('\0') != std::string_view::npos) {
    m_lines.reserve(m_text.size() / 12 + 1);
    LineCursor cursor(m_text);
    for (LineCursor::Line l; cursor.next(l);) {
        Line& line = m_lines.emplace_back();
        line.text = {l.begin, l.end - l.begin};
        if (l.next - l.end == 2)
            line.eol = Eol::CrLf;
        else if (l.next - l.end == 1)
            line.eol = m_text[l.end] == '\r' ? Eol::Cr : Eol::Lf;
    }
    reindex();
}

void Profile::setLineText(Line& line, std::string_view content) {
    m_hasNul = m_hasNul || content.find('\0') != std::string_view::npos;
    line.text = {m_text.size(), content.size()};
    m_text.append(content);
}

void Profile::insertLine(std::size_t at, std::string_view content) {
    Line line;
    setLineText(line, content);
    line.eol = Eol::CrLf;
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(at), line);
}

void Profile::reindex() {
    m_sections.clear();
    m_entries.clear();
    m_entries.reserve(m_lines.size());
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        // The line without its leading blanks; trailing ones go with the part they end.
        std::string_view content = visible(m_lines[n]);
        while (!content.empty() && isBlank(content.front()))
            content.remove_prefix(1);
        if (content.empty())
            continue;
        if (content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close != std::string_view::npos) {
                const std::string_view name = trim(content.substr(1, close - 1));
                m_sections.push_back({span(name), foldedHash(name), n, n});
            }
            continue;
        }
        const std::size_t eq = content.find('=');
        if (eq == std::string_view::npos || m_sections.empty())
            continue;
        const std::string_view key = trim(content.substr(0, eq));
        if (key.empty())
            continue;
        Section& section = m_sections.back();
        section.lastLine = n;
        // Written in place: a whole entry copied from a temporary stalls on its fresh fields.
        Entry& e = m_entries.emplace_back();
        e.section = std::uint32_t(m_sections.size() - 1);
        e.key = span(key);
        e.value = span(unquote(trim(content.substr(eq + 1))));
        e.hash = entryHash(section.hash, key);
        e.line = n;
    }

    // At most half the slots in use keeps the probe sequences short.
    std::size_t capacity = 16;
    while (capacity < 2 * m_entries.size())
        capacity *= 2;
    m_slots.assign(capacity, 0);
    const std::size_t mask = capacity - 1;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        Entry& e = m_entries[i];
        const std::string_view sectionName = text(m_sections[e.section].name);
        const std::string_view key = text(e.key);
        for (std::size_t slot = e.hash & mask;; slot = (slot + 1) & mask) {
            if (m_slots[slot] == 0) {
                m_slots[slot] = std::uint32_t(i + 1);
                e.first = true;
                break;
            }
            // The first of two equal keys stays; sections of the same name count as one.
            const Entry& other = m_entries[m_slots[slot] - 1];
            if (other.hash == e.hash && profileNamesEqual(text(other.key), key) &&
                profileNamesEqual(text(m_sections[other.section].name), sectionName))
                break;
        }
    }
}

const Profile::Entry* Profile::findEntry(std::string_view section, std::string_view key) const {
    if (m_entries.empty())
        return nullptr;
    const std::uint64_t hash = entryHash(foldedHash(section), key);
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = hash & mask; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const Entry& e = m_entries[m_slots[slot] - 1];
        if (e.hash == hash && profileNamesEqual(text(e.key), key) &&
            profileNamesEqual(text(m_sections[e.section].name), section))
            return &e;
    }
    return nullptr;
}

std::optional<std::string_view> Profile::value(std::string_view section, std::string_view key) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return std::nullopt;
    return text(e->value);
}

std::optional<std::string_view> Profile::value(std::string_view section, std::string_view key,
                                               Cursor& cursor) const {
    // The entry at the cursor is the answer when it is the first of its name in its section.
    if (cursor.entry < m_entries.size()) {
        const Entry& e = m_entries[cursor.entry];
        const bool sameSection =
            (e.section == cursor.sectionIndex && section.data() == cursor.section.data() &&
             section.size() == cursor.section.size()) ||
            profileNamesEqual(text(m_sections[e.section].name), section);
        if (e.first && sameSection && profileNamesEqual(text(e.key), key)) {
            cursor = {cursor.entry + 1, section, e.section};
            return text(e.value);
        }
    }
    const Entry* e = findEntry(section, key);
    if (!e)
        return std::nullopt;
    cursor = {std::size_t(e - m_entries.data()) + 1, section, e->section};
    return text(e->value);
}

bool Profile::hasSection(std::string_view section) const {
    const std::uint64_t hash = foldedHash(section);
    for (const Section& s : m_sections)
        if (s.hash == hash && profileNamesEqual(text(s.name), section))
            return true;
    return false;
}

std::string Profile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return std::string(value(section, key).value_or(fallback));
}

std::int32_t Profile::readInt(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return parseProfileInt(*v).value_or(fallback);
}

void Profile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string clean = cleanValue(value);
    if (const Entry* found = findEntry(section, key)) {
        Entry& e = m_entries[std::size_t(found - m_entries.data())];
        std::string line(text(e.key));
        line.append(1, '=');
        const std::size_t valueAt = line.size();
        line.append(clean);
        setLineText(m_lines[e.line], line);
        // The index follows the new line: the value is read back as it was written,
        // trimmed and unquoted as on reading.
        const Span written{m_lines[e.line].text.begin + valueAt, clean.size()};
        e.value = span(unquote(trim(text(written))));
        return;
    }

    std::string keyLine(key);
    keyLine.append(1, '=').append(clean);
    const std::uint64_t hash = foldedHash(section);
    for (const Section& s : m_sections) {
        if (s.hash != hash || !profileNamesEqual(text(s.name), section))
            continue;
        const std::size_t after = s.lastLine;
        if (m_lines[after].eol == Eol::None)
            m_lines[after].eol = Eol::CrLf;
        insertLine(after + 1, keyLine);
        reindex();
        return;
    }

    // A blank line between sections, as the profile functions leave it.
    if (!m_lines.empty()) {
        if (m_lines.back().eol == Eol::None)
            m_lines.back().eol = Eol::CrLf;
        if (!trim(visible(m_lines.back())).empty())
            insertLine(m_lines.size(), {});
    }
    std::string header(1, '[');
    header.append(section).push_back(']');
    insertLine(m_lines.size(), header);
    insertLine(m_lines.size(), keyLine);
    reindex();
}

std::string Profile::bytes() const {
    static constexpr std::string_view kEol[] = {"", "\r\n", "\n", "\r"};
    std::size_t size = 0;
    for (const Line& l : m_lines)
        size += l.text.length + kEol[std::size_t(l.eol)].size();
    std::string out;
    out.reserve(size);
    for (const Line& l : m_lines) {
        out += text(l.text);
        out += kEol[std::size_t(l.eol)];
    }
    return out;
}

} // namespace zek
