#pragma once

#include "IoResult.h"
#include "Profile.h"

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "core/TextSource.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace zek {

// Asked before a read-only project file is overwritten; gets the question text
// (Windows-1252, two lines) and answers true for Yes. The desktop program wires it to
// its question box.
using ConfirmOverwrite = std::function<bool(const std::string& question)>;

// The bytes of a project file (".Z20") holding the record, every section and key in
// their fixed order, with the given value under "[Test]" "Test".
QByteArray ProjectFileBytes(const ProjectData& project, int testValue);

// A stored value that the reader takes as it always has, but that no page of the program
// would have given: a text that is no number, a number beyond what its page accepts
// (core/InputRanges.h), a text longer than its field.
struct DoubtfulValue {
    std::string section;
    std::string key;
    std::string stored; // the text in the file (Windows-1252)
    std::string used;   // the value the record holds now
    bool operator==(const DoubtfulValue&) const = default;
};
using DoubtfulValues = std::vector<DoubtfulValue>;

// The sections of a project file in the order of writing, without the write check's "Test".
const std::vector<std::string>& ProjectFileSections();

// Overlays the keys of a project file onto a freshly reset record: missing keys and
// values that are no integer give 0 or an empty text, except "GeraeteCheck" (the reset
// value stays where the file has no character) and "Geraete" (65535). Values no page
// would have given are added to `doubtful` when one is passed.
void ReadProjectProfile(const Profile& profile, ProjectData& project, DoubtfulValues* doubtful = nullptr);

// Writes the project into the file. A read-only file is overwritten only after `confirm`
// answers Yes, and is read-only again afterwards. The new file replaces the old one only
// once it is complete and reads back as written, so a failed save leaves the old file
// intact; only a successful save marks the project saved.
//   Ok            the file holds the project, which counts as saved;
//   Declined      the user kept the read-only file; nothing changed;
//   WriteFailed   message "In %s kann nicht geschrieben werden" with the file name;
//   CheckFailed   message 1005090 and 1005091;
//   ReplaceFailed ioCode set; the caller names the file in its own message.
IoResult WriteProjectFile(Project& project, const QString& fileName, const TextSource& texts,
                          const ConfirmOverwrite& confirm);

// Resets the project from the settings and overlays what the file holds, then marks it
// saved. A missing or unreadable file leaves the new project and is no error; the
// result only tells whether the file's content was read.
bool ReadProjectFile(Project& project, const SettingsData& settings, const QString& fileName);

} // namespace zek
