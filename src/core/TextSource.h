#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

namespace zek {

// Text number -> text of the current language, as Windows-1252 bytes. The language
// table implements it; lower layers and tests only need this much of it.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string GetLangText(std::uint32_t number) const = 0;

    // The same text without a copy, for what looks up many texts (a report line by line).
    // The view stays valid as long as the source and its language: a source that holds
    // its texts answers from its own storage; by default every text asked for is kept.
    virtual std::string_view LangTextView(std::uint32_t number) const {
        return m_kept.emplace_back(GetLangText(number));
    }

private:
    mutable std::deque<std::string> m_kept;
};

} // namespace zek
