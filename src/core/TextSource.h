#pragma once

#include <cstdint>
#include <string>

namespace zek {

// Text number -> text of the current language, as Windows-1252 bytes. The language
// table implements it; lower layers and tests only need this much of it.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string GetLangText(std::uint32_t number) const = 0;
};

} // namespace zek
