#pragma once

#include "ui/AppContext.h"
#include "ui/MainWindow.h"
#include "ui/ShellServices.h"
#include "ui/StartUp.h"

#include <memory>

namespace zek::test {

// The start of the desktop program as its main() runs it, on the context and services of
// a test; null when the start ends the program.
inline std::unique_ptr<TZEKAppForm> StartDesktop(AppContext& app, UserInteraction& ui,
                                                 const ShellServices& services) {
    if (!PrepareStart(app, ui, services))
        return nullptr;
    ForceDecimalComma();
    auto window = std::make_unique<TZEKAppForm>(app, ui, services);
    window->TranslateAll();
    window->show();
    return window;
}

} // namespace zek::test
