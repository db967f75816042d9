#pragma once

#include "core/TextSource.h"

#include <cstdint>
#include <map>
#include <string>

namespace zek::test {

// A text table for tests: number -> Windows-1252 text.
class MapTexts : public TextSource {
public:
    std::map<std::uint32_t, std::string> texts;
    std::string GetLangText(std::uint32_t number) const override {
        const auto it = texts.find(number);
        return it == texts.end() ? std::string() : it->second;
    }
};

} // namespace zek::test
