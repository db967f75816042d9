#pragma once

namespace zek {

// Registers the icons of the shell, which live in the static ui library.
void InitShellResources();

} // namespace zek
