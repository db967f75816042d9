#pragma once

#include "i18n/ModuleAbi.h"

#include <QLibrary>
#include <QString>
#include <cstdint>
#include <string>

namespace zek {

// A loaded language module: the shared library and the routines taken from it.
class LanguageModule {
public:
    explicit LanguageModule(const QString& path);
    ~LanguageModule();
    LanguageModule(const LanguageModule&) = delete;
    LanguageModule& operator=(const LanguageModule&) = delete;

    // False when the file is not a library or lacks the text lookup.
    bool load();
    QString errorString() const { return m_error; }
    // The module's text of a number, at most 999 characters; empty when it has none.
    std::string text(std::uint32_t number) const;
    // The language code the module says it was built for; empty when it does not say.
    std::string builtFor() const;

private:
    QLibrary m_library;
    QString m_error;
    ZekModuleStringFn m_string = nullptr;
    ZekModuleRoutineFn m_routine1 = nullptr;
    ZekModuleRoutineFn m_routine2 = nullptr;
};

} // namespace zek
