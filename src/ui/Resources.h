#pragma once

#include <QIcon>
#include <QString>

namespace zek {

// Registers the icons of the shell, which live in the static ui library.
void InitShellResources();

// The program's name, version, desktop entry and icon. No display name is set: the
// window system would append it to every window title, which names the program already.
void SetApplicationIdentity(const QString& version);

// One of the shell's own icons ("zek" is the program's) in every size it is built in. Our
// own glyphs rather than the desktop theme's: they look the same everywhere and the theme
// lookup would cost start-up time.
QIcon ShellIcon(const char* name);

} // namespace zek
