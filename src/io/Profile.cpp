#include "Profile.h"

#include <limits>

namespace zek {
namespace {

unsigned char foldByte(unsigned char c) {
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

// The part of a line the profile functions see: up to the first NUL byte.
std::string_view visible(const std::string& text) {
    const std::string_view v(text);
    return v.substr(0, v.find('\0'));
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
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldByte(static_cast<unsigned char>(a[i])) != foldByte(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::optional<std::int32_t> parseProfileInt(std::string_view s) {
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
        return std::nullopt;

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
            return std::nullopt;
        magnitude = magnitude * (hex ? 16 : 10) + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    // Two's complement in unsigned arithmetic, so "-2147483648" and "$FFFFFFFF" never overflow.
    std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    if (negative)
        bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

Profile::Profile(std::string_view bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        Line line{std::string(bytes.substr(start, end - start)), {}};
        if (end < bytes.size()) {
            const bool crlf = bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n';
            line.eol = crlf ? "\r\n" : (bytes[end] == '\r' ? "\r" : "\n");
            end += crlf ? 2 : 1;
        }
        m_lines.push_back(std::move(line));
        start = end;
    }
    reindex();
}

void Profile::reindex() {
    m_sections.clear();
    for (std::size_t n = 0; n < m_lines.size(); ++n) {
        const std::string_view content = trim(visible(m_lines[n].text));
        if (content.empty())
            continue;
        if (content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close != std::string_view::npos)
                m_sections.push_back({std::string(trim(content.substr(1, close - 1))), n, {}});
            continue;
        }
        const std::size_t eq = content.find('=');
        if (eq == std::string_view::npos || m_sections.empty())
            continue;
        const std::string_view key = trim(content.substr(0, eq));
        if (!key.empty())
            m_sections.back().entries.push_back({std::string(key), n});
    }
}

const Profile::Entry* Profile::findEntry(std::string_view section, std::string_view key) const {
    for (const Section& s : m_sections) {
        if (!profileNamesEqual(s.name, section))
            continue;
        for (const Entry& e : s.entries)
            if (profileNamesEqual(e.key, key))
                return &e;
    }
    return nullptr;
}

std::optional<std::string> Profile::value(std::string_view section, std::string_view key) const {
    const Entry* e = findEntry(section, key);
    if (!e)
        return std::nullopt;
    const std::string_view content = visible(m_lines[e->line].text);
    return std::string(unquote(trim(content.substr(content.find('=') + 1))));
}

bool Profile::hasSection(std::string_view section) const {
    for (const Section& s : m_sections)
        if (profileNamesEqual(s.name, section))
            return true;
    return false;
}

std::string Profile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(fallback);
}

std::int32_t Profile::readInt(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto v = value(section, key);
    if (!v)
        return fallback;
    return parseProfileInt(*v).value_or(fallback);
}

void Profile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string clean = cleanValue(value);
    if (const Entry* e = findEntry(section, key)) {
        m_lines[e->line].text = e->key + "=" + clean;
        return;
    }

    std::string keyLine(key);
    keyLine.append(1, '=').append(clean);
    for (const Section& s : m_sections) {
        if (!profileNamesEqual(s.name, section))
            continue;
        const std::size_t after = s.entries.empty() ? s.header : s.entries.back().line;
        if (m_lines[after].eol.empty())
            m_lines[after].eol = "\r\n";
        m_lines.insert(m_lines.begin() + std::ptrdiff_t(after + 1), Line{keyLine, "\r\n"});
        reindex();
        return;
    }

    // A blank line between sections, as the profile functions leave it.
    if (!m_lines.empty()) {
        if (m_lines.back().eol.empty())
            m_lines.back().eol = "\r\n";
        if (!trim(visible(m_lines.back().text)).empty())
            m_lines.push_back(Line{{}, "\r\n"});
    }
    std::string header(1, '[');
    header.append(section).push_back(']');
    m_lines.push_back(Line{std::move(header), "\r\n"});
    m_lines.push_back(Line{keyLine, "\r\n"});
    reindex();
}

std::string Profile::bytes() const {
    std::size_t size = 0;
    for (const Line& l : m_lines)
        size += l.text.size() + l.eol.size();
    std::string out;
    out.reserve(size);
    for (const Line& l : m_lines) {
        out += l.text;
        out += l.eol;
    }
    return out;
}

} // namespace zek
