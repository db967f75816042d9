#pragma once

// What the desktop program answers without opening a window: its help and its version.
// Both are printed before any Qt application exists, so they work without a display.

namespace zek {

// The usage line, what the program does, and every option of its own.
extern const char* const kDesktopHelp;

// When the arguments ask for the help or the version, prints it on standard output and
// returns true with the exit code in `exitCode` (1 when the output could not be
// written); otherwise returns false.
bool AnswerWithoutWindow(int argc, char** argv, int& exitCode);

} // namespace zek
