#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zek {

// The first CR or LF at or after `from`, or npos. Text is mostly letters, so eight bytes at
// a time are first tested for any byte below 14, which only control characters are.
inline std::size_t findLineBreak(std::string_view text, std::size_t from = 0) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHigh = 0x8080808080808080ull;
    std::size_t i = from;
    while (i + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if constexpr (std::endian::native == std::endian::big)
            word = __builtin_bswap64(word);
        // The lowest flagged byte is below 14 for certain (flags above it may be borrows).
        const std::uint64_t low = (word - 14 * kOnes) & ~word & kHigh;
        if (low == 0) {
            i += 8;
            continue;
        }
        const std::size_t at = i + std::size_t(std::countr_zero(low) / 8);
        if (text[at] == '\r' || text[at] == '\n')
            return at;
        i = at + 1; // another control character, a tab: look on after it
    }
    for (; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n')
            return i;
    return std::string_view::npos;
}

// The lines of a text file as the Windows programs read them: a line ends at CR LF, at a
// lone LF or at a lone CR; the last line may have no end.
class LineCursor {
public:
    struct Line {
        std::size_t begin = 0; // first character
        std::size_t end = 0;   // one past the last character, where the line end starts
        std::size_t next = 0;  // where the next line starts: end + 0, 1 or 2
    };

    explicit LineCursor(std::string_view text) : m_text(text) {}

    // The next line; false after the last one.
    bool next(Line& line) {
        const std::size_t size = m_text.size();
        if (m_pos >= size)
            return false;
        std::size_t end = findLineBreak(m_text, m_pos);
        if (end == std::string_view::npos)
            end = size;
        std::size_t next = end;
        if (end < size)
            next += m_text[end] == '\r' && end + 1 < size && m_text[end + 1] == '\n' ? 2 : 1;
        line = {m_pos, end, next};
        m_pos = next;
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace zek
