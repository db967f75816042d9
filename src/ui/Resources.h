#pragma once

#include <QString>

namespace zek {

// Registers the icons of the shell, which live in the static ui library.
void InitShellResources();

// The program's name, version, desktop entry and icon. No display name is set: the
// window system would append it to every window title, which names the program already.
void SetApplicationIdentity(const QString& version);

} // namespace zek
