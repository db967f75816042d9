#pragma once

#include "IoResult.h"
#include "Profile.h"

#include "core/SettingsData.h"
#include "core/TextSource.h"

#include <QString>

namespace zek {

// Names of the settings files in the program folder.
inline constexpr const char* kSettingsFileName = "ZEK.INI";
inline constexpr const char* kDefaultsFileName = "ZEK.DEF";

// Every key of the settings, read in order; a missing key or a value that is no number
// takes the read default (ReadDefaultSettings), texts are cut to their field widths.
SettingsData ReadSettingsProfile(const Profile& profile);

// Reads the settings from the file (a missing file gives all read defaults) and makes
// them the saved state.
void ReadSettings(Settings& settings, const QString& fileName);

// Updates every key of the settings in the file, in order, keeping every other line of
// an existing file as it was; the saved state follows only when the file was written.
// A file that exists but cannot be read is not replaced (its content would be lost).
// Failure: WriteFailed or CheckFailed with "In %s kann nicht geschrieben werden".
IoResult WriteSettings(Settings& settings, const QString& fileName, const TextSource& texts);

// Where the settings are written: "ZEK.INI" beside the program when that folder can be
// written, otherwise in the user's configuration folder.
QString settingsWritePath(const QString& programDir);
// The "ZEK.INI" to read: the one that would be written if it exists, else one in the
// other place, else the write path (which then does not exist).
QString settingsIniReadPath(const QString& programDir);
// What the program reads at start: the first "ZEK.INI" that exists, else "ZEK.DEF"
// beside the program.
QString settingsStartPath(const QString& programDir);

} // namespace zek
