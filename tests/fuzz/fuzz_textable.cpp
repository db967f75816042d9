// The text-table parser on arbitrary bytes: every lookup must stay inside the input and
// agree with a plain linear search for the first line of that number.
#include "i18n/TextTable.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    zek::TIntStr table;
    table.setText(content);
    for (std::uint32_t number : table.numbers()) {
        if (!table.find(number))
            std::abort();
    }
    for (std::uint32_t number : {0u, 70004u, 1004009u, 999999999u})
        (void)table.GetLangText(number);
    return 0;
}
