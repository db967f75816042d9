#pragma once

#include <QString>

namespace zek {

class AppContext;
class UserInteraction;
struct ShellServices;

// What happens before the main window shows: settings, the language (asking for one
// on the first start) and the device table. False when the program has to end (the
// reason was shown to the user).
bool PrepareStart(AppContext& app, UserInteraction& ui, const ShellServices& services);

// The printer check of the start, run once the main window is shown: asking the print
// system for its printers takes longer than everything else of the start. A stored
// printer position the machine no longer has is told and falls back to the default
// printer; the printer dialogs start on the result printer.
void CheckPrinters(AppContext& app, UserInteraction& ui, const ShellServices& services);

// Loads the text table and the device table of the language in the settings; false,
// after telling the user, when either is missing (and that the program ends, when it
// does).
bool LoadLanguageAndDevices(AppContext& app, UserInteraction& ui, bool programEnds = true);

// Numbers are written with a decimal comma and a thousands point in every language.
void ForceDecimalComma();

} // namespace zek
