#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zek {

// A text field of the records: single-byte Windows-1252 bytes, at most N of them.
// Longer input is cut wherever it is stored, so a record never holds more than its
// file and dialogs can take.
template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t width = N;

    FixedText() = default;
    FixedText(std::string_view value) { assign(value); }
    FixedText(const char* value) { assign(value); }

    FixedText& operator=(std::string_view value) {
        assign(value);
        return *this;
    }
    FixedText& operator=(const std::string& value) { return *this = std::string_view(value); }
    FixedText& operator=(const char* value) { return *this = std::string_view(value); }
    void assign(std::string_view value) {
        m_value.assign(value.substr(0, value.size() < N ? value.size() : N));
    }
    void clear() { m_value.clear(); }

    const std::string& str() const { return m_value; }
    const char* c_str() const { return m_value.c_str(); }
    std::size_t size() const { return m_value.size(); }
    bool empty() const { return m_value.empty(); }
    operator std::string_view() const { return m_value; }

    bool operator==(const FixedText&) const = default;

private:
    std::string m_value;
};

} // namespace zek
