#pragma once

#include "core/TextSource.h"

#include <cstdint>
#include <map>
#include <string>

namespace zek::test {

// Language texts of a test: a few numbers with recognisable wording (Windows-1252). Every
// other number reads as `numbered` and the number, so a line shows which texts it is made
// of, or as nothing when `numbered` is empty.
struct MapTexts : TextSource {
    std::map<std::uint32_t, std::string> texts;
    std::string numbered;
    MapTexts(std::map<std::uint32_t, std::string> known = {}, std::string prefix = {})
        : texts(std::move(known)), numbered(std::move(prefix)) {}
    std::string GetLangText(std::uint32_t n) const override {
        const auto it = texts.find(n);
        return it != texts.end()  ? it->second
               : numbered.empty() ? std::string()
                                  : numbered + std::to_string(n);
    }
};

} // namespace zek::test
