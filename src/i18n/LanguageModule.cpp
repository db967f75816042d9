#include "LanguageModule.h"

#include <cstring>

namespace zek {

LanguageModule::LanguageModule(const QString& path) : m_library(path) {}

LanguageModule::~LanguageModule() {
    if (m_library.isLoaded())
        m_library.unload();
}

bool LanguageModule::load() {
    if (!m_library.load()) {
        m_error = m_library.errorString();
        return false;
    }
    m_string = reinterpret_cast<ZekModuleStringFn>(m_library.resolve(module_abi::kStringSymbol));
    if (!m_string) {
        m_error = m_library.errorString();
        m_library.unload();
        return false;
    }
    // Kept for the module's lifetime; the first one names the module's language.
    m_routine1 = reinterpret_cast<ZekModuleRoutineFn>(m_library.resolve(module_abi::kRoutine1Symbol));
    m_routine2 = reinterpret_cast<ZekModuleRoutineFn>(m_library.resolve(module_abi::kRoutine2Symbol));
    return true;
}

std::string LanguageModule::builtFor() const {
    const char* code = m_routine1 ? m_routine1() : nullptr;
    return code ? std::string(code, strnlen(code, 16)) : std::string();
}

std::string LanguageModule::text(std::uint32_t number) const {
    if (!m_string)
        return {};
    char buffer[1000] = {};
    const int length = m_string(number, buffer, static_cast<int>(sizeof buffer));
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(length < 999 ? length : 999));
}

} // namespace zek
