#include "TextTable.h"

#include "core/Lines.h"

#include <algorithm>

namespace zek {
namespace {

constexpr std::size_t kKeyWidth = 9;
constexpr std::string_view kLineBreakMarker = "<nl>";

bool isNumberKey(std::string_view line) {
    if (line.size() < kKeyWidth)
        return false;
    return std::all_of(line.begin(), line.begin() + kKeyWidth, [](char c) { return c >= '0' && c <= '9'; });
}

// Fibonacci hashing: text numbers come in runs, which the multiplication spreads.
std::size_t slotOf(std::uint32_t number, std::size_t capacity) {
    return std::size_t((std::uint64_t(number) * 0x9E3779B97F4A7C15ull) >> 32) & (capacity - 1);
}

std::uint32_t numberOf(std::string_view line) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < kKeyWidth; ++i)
        value = value * 10 + static_cast<std::uint32_t>(line[i] - '0');
    return value;
}

} // namespace

void TIntStr::clear() {
    m_lines.clear();
    m_numbered.clear();
    m_slots.clear();
    m_content.clear();
}

void TIntStr::setText(std::string content) {
    clear();
    m_content = std::move(content);
    LineCursor cursor(m_content);
    for (LineCursor::Line l; cursor.next(l);)
        m_lines.push_back({l.begin, l.end - l.begin});
    for (const Line& l : m_lines) {
        if (!isNumberKey(line(l)))
            continue;
        const std::uint32_t number = numberOf(line(l));
        Line text{l.begin + kKeyWidth, l.length - kKeyWidth};
        // Each "<nl>" becomes CR LF where it stands: the text only gets shorter.
        std::size_t at = line(text).find(kLineBreakMarker);
        if (at != std::string_view::npos) {
            std::size_t to = text.begin + at;
            for (std::size_t from = to; from < text.begin + text.length;) {
                if (std::string_view(m_content).substr(from, kLineBreakMarker.size()) == kLineBreakMarker) {
                    m_content[to++] = '\r';
                    m_content[to++] = '\n';
                    from += kLineBreakMarker.size();
                } else {
                    m_content[to++] = m_content[from++];
                }
            }
            text.length = to - text.begin;
        }
        m_numbered.push_back({number, text});
    }
    // Stable, so that of two lines with the same number the one earlier in the file is
    // found: the lower bound of a run of equal numbers is its first element. A table is
    // usually written in order already.
    const auto byNumber = [](const Numbered& a, const Numbered& b) { return a.number < b.number; };
    if (!std::is_sorted(m_numbered.begin(), m_numbered.end(), byNumber))
        std::stable_sort(m_numbered.begin(), m_numbered.end(), byNumber);

    // At most half the slots in use keeps the probe sequences short.
    std::size_t capacity = 16;
    while (capacity < 2 * m_numbered.size())
        capacity *= 2;
    m_slots.assign(capacity, 0);
    for (std::size_t i = 0; i < m_numbered.size(); ++i) {
        if (i > 0 && m_numbered[i].number == m_numbered[i - 1].number)
            continue;
        std::size_t slot = slotOf(m_numbered[i].number, capacity);
        while (m_slots[slot] != 0)
            slot = (slot + 1) & (capacity - 1);
        m_slots[slot] = std::uint32_t(i + 1);
    }
}

std::optional<std::string_view> TIntStr::text(std::uint32_t number) const {
    if (m_slots.empty())
        return std::nullopt;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = slotOf(number, m_slots.size()); m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const Numbered& n = m_numbered[m_slots[slot] - 1];
        if (n.number == number)
            return line(n.text);
    }
    return std::nullopt;
}

std::optional<std::string> TIntStr::find(std::uint32_t number) const {
    if (const auto view = text(number))
        return std::string(*view);
    return std::nullopt;
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
