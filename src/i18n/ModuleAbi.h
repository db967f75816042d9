#pragma once

// What a language module exports. The module is a shared library named code + "132.spl";
// it holds the texts numbered below 70000 and two routines that the program looks up and
// keeps for the module's lifetime.
extern "C" {
// Copies the text of a number (Windows-1252, NUL-terminated, cut to size - 1 bytes) into
// buffer and returns its length; 0 when the module has no such text.
typedef int (*ZekModuleStringFn)(unsigned number, char* buffer, int size);
// The language code the module was built for.
typedef const char* (*ZekModuleRoutineFn)();
}

namespace zek::module_abi {
inline constexpr const char* kStringSymbol = "zek_module_string";
inline constexpr const char* kRoutine1Symbol = "zek_module_routine1";
inline constexpr const char* kRoutine2Symbol = "zek_module_routine2";
} // namespace zek::module_abi
