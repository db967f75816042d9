#pragma once

#include <QLibrary>
#include <QString>

namespace zek {

// A system library loaded only when the program first needs it, with the functions the
// program calls in it: what most runs never use stays out of the start.
class LoadedLibrary {
public:
    // `name` without "lib" and suffix, as QLibrary takes it. With `ownSymbolsFirst` the
    // library and its own dependencies are searched before the program's libraries when
    // its references are bound: far fewer places to look in a program that links the
    // Qt GUI libraries (not under the address sanitizer, which does not allow it).
    LoadedLibrary(const QString& name, int version, bool ownSymbolsFirst = false);

    // The function of that name, or null after noting why it is missing.
    template <class Function> void resolve(Function*& function, const char* symbol) {
        function = m_failure.isEmpty() ? reinterpret_cast<Function*>(m_library.resolve(symbol)) : nullptr;
        if (!function && m_failure.isEmpty())
            m_failure = m_library.errorString();
    }
    // Why the library or one of its functions cannot be used; empty when all can.
    const QString& failure() const { return m_failure; }

private:
    QLibrary m_library;
    QString m_failure;
};

} // namespace zek
