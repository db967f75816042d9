#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace zek {

// The lines of a text file as the Windows programs read them: a line ends at CR LF, at a
// lone LF or at a lone CR; the last line may have no end. Each line is found with two
// byte searches, and the next line feed is remembered, so a file of lone CRs is read in
// one pass too.
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
        const char* data = m_text.data();
        if (m_lf == kUnknown || m_lf < m_pos) {
            const void* lf = std::memchr(data + m_pos, '\n', size - m_pos);
            m_lf = lf ? std::size_t(static_cast<const char*>(lf) - data) : size;
        }
        std::size_t end = m_lf;
        if (const void* cr = std::memchr(data + m_pos, '\r', end - m_pos))
            end = std::size_t(static_cast<const char*>(cr) - data);
        std::size_t next = end;
        if (end < size)
            next += data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1;
        line = {m_pos, end, next};
        m_pos = next;
        return true;
    }

private:
    static constexpr std::size_t kUnknown = std::string_view::npos;

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_lf = kUnknown; // the next line feed (or the end) at or after the last search
};

} // namespace zek
