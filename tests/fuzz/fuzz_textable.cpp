// The text-table parser on arbitrary bytes: every lookup must stay inside the input and
// agree with a plain walk through the lines for the first line of that number.
#include "i18n/TextTable.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace {

// CR LF for every "<nl>", as a plain search from the left.
std::string expandLineBreaks(std::string_view text) {
    std::string out;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find("<nl>", from);
        out.append(text.substr(from, at - from));
        if (at == std::string_view::npos)
            return out;
        out.append("\r\n");
        from = at + 4;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    zek::TIntStr table;
    table.setText(content);
    // Lines end in CR LF, CR or LF; a line is a text when it begins with nine digits.
    std::map<std::uint32_t, std::string> first;
    for (std::size_t start = 0; start < size;) {
        const std::size_t end = std::min(content.find_first_of("\r\n", start), size);
        const std::string line = content.substr(start, end - start);
        if (line.size() >= 9 &&
            std::all_of(line.begin(), line.begin() + 9, [](char c) { return c >= '0' && c <= '9'; }))
            first.emplace(std::stoul(line.substr(0, 9)), expandLineBreaks(std::string_view(line).substr(9)));
        start = end + (content.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    std::vector<std::uint32_t> numbers = {0u, 70004u, 1004009u, 999999999u, 1000000000u};
    for (const auto& [number, text] : first)
        numbers.push_back(number);
    for (std::uint32_t number : numbers) {
        const auto it = first.find(number);
        if (table.find(number) != (it == first.end() ? std::nullopt : std::optional(it->second)))
            std::abort();
    }
    numbers.erase(numbers.begin(), numbers.begin() + 5);
    if (table.numbers() != numbers)
        std::abort();
    return 0;
}
