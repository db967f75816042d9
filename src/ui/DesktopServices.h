#pragma once

#include "ui/ShellServices.h"

#include <functional>

namespace zek {

class AppContext;
class UserInteraction;

// The services of the desktop program: the real pages, report, result view, printing,
// settings dialogs and help window. `window` gives the main window once it exists (the
// parent of modal dialogs and of the help window).
ShellServices MakeDesktopServices(AppContext& app, UserInteraction& ui, std::function<QWidget*()> window);

} // namespace zek
