// A language module: the texts numbered below 70000 for one language, and the two
// routines the program keeps while the module is loaded. Built once per language with
// ZEK_MODULE_CODE set.
#include "i18n/ModuleAbi.h"

#include <cstring>

namespace {

struct Entry {
    unsigned number;
    const char* text;
};

constexpr bool sameCode(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b)
        if (*a != *b)
            return false;
    return *a == *b;
}

// The language's own name, in Windows-1252.
constexpr const char* kModuleName = sameCode(ZEK_MODULE_CODE, "zkdeu")   ? "Deutsch"
                                    : sameCode(ZEK_MODULE_CODE, "zkfra") ? "Fran\347ais"
                                                                         : "English";

// 1: the language's own name; 2: the code the module is meant for.
const Entry kTexts[] = {
    {1, kModuleName},
    {2, ZEK_MODULE_CODE},
};

} // namespace

extern "C" {

__attribute__((visibility("default"))) int zek_module_string(unsigned number, char* buffer, int size) {
    if (!buffer || size <= 0)
        return 0;
    for (const Entry& entry : kTexts) {
        if (entry.number != number)
            continue;
        std::size_t length = std::strlen(entry.text);
        if (length > static_cast<std::size_t>(size - 1))
            length = static_cast<std::size_t>(size - 1);
        std::memcpy(buffer, entry.text, length);
        buffer[length] = '\0';
        return static_cast<int>(length);
    }
    buffer[0] = '\0';
    return 0;
}

__attribute__((visibility("default"))) const char* zek_module_routine1() {
    return ZEK_MODULE_CODE;
}

__attribute__((visibility("default"))) const char* zek_module_routine2() {
    return kModuleName;
}
}
