#include "TextTable.h"

#include <algorithm>

namespace zek {
namespace {

constexpr std::size_t kKeyWidth = 9;

bool isNumberKey(std::string_view line) {
    if (line.size() < kKeyWidth)
        return false;
    return std::all_of(line.begin(), line.begin() + kKeyWidth, [](char c) { return c >= '0' && c <= '9'; });
}

std::uint32_t numberOf(std::string_view line) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < kKeyWidth; ++i)
        value = value * 10 + static_cast<std::uint32_t>(line[i] - '0');
    return value;
}

} // namespace

std::string expandLineBreaks(std::string_view text) {
    static constexpr std::string_view marker = "<nl>";
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = text.find(marker, from);
        if (at == std::string_view::npos) {
            out.append(text.substr(from));
            return out;
        }
        out.append(text.substr(from, at - from));
        out.append("\r\n");
        from = at + marker.size();
    }
}

void TIntStr::clear() {
    m_lines.clear();
    m_numbered.clear();
    m_content.clear();
}

void TIntStr::setText(std::string content) {
    clear();
    m_content = std::move(content);
    const std::string_view all = m_content;
    std::size_t start = 0;
    const std::size_t n = all.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && all[end] != '\r' && all[end] != '\n')
            ++end;
        m_lines.push_back({start, end - start});
        // CR LF is one line end; a lone CR or LF is one too.
        if (end < n && all[end] == '\r' && end + 1 < n && all[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    for (const Line& l : m_lines)
        if (isNumberKey(line(l)))
            m_numbered.push_back({numberOf(line(l)), l});
    // Stable, so that of two lines with the same number the one earlier in the file is
    // found: the lower bound of a run of equal numbers is its first element. A table is
    // usually written in order already.
    const auto byNumber = [](const Numbered& a, const Numbered& b) { return a.number < b.number; };
    if (!std::is_sorted(m_numbered.begin(), m_numbered.end(), byNumber))
        std::stable_sort(m_numbered.begin(), m_numbered.end(), byNumber);
}

std::optional<std::string> TIntStr::find(std::uint32_t number) const {
    const auto it = std::lower_bound(m_numbered.begin(), m_numbered.end(), number,
                                     [](const Numbered& n, std::uint32_t value) { return n.number < value; });
    if (it == m_numbered.end() || it->number != number)
        return std::nullopt;
    return expandLineBreaks(line(it->line).substr(kKeyWidth));
}

std::string TIntStr::GetLangText(std::uint32_t number) const {
    return find(number).value_or(std::string());
}

std::vector<std::uint32_t> TIntStr::numbers() const {
    std::vector<std::uint32_t> out;
    for (const Numbered& n : m_numbered)
        if (out.empty() || out.back() != n.number)
            out.push_back(n.number);
    return out;
}

} // namespace zek
