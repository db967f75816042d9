#include "core/LoadedLibrary.h"

namespace zek {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

} // namespace

LoadedLibrary::LoadedLibrary(const QString& name, int version, bool ownSymbolsFirst)
    : m_library(name, version) {
    if (ownSymbolsFirst && !kSanitized)
        m_library.setLoadHints(QLibrary::DeepBindHint);
    if (!m_library.load())
        m_failure = m_library.errorString();
}

} // namespace zek
