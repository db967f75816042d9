#pragma once

#include "IoResult.h"
#include "ProjectFile.h"

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "core/TextSource.h"

#include <QString>
#include <optional>
#include <string_view>

namespace zek {

enum class ProjectFormat { ProjectFile, Legacy };

// ".Z20" names a project file, ".ZEK" a version 1.1 project, in any letter case; any
// other name leaves the format to the content.
std::optional<ProjectFormat> ProjectFormatOfName(const QString& fileName);

// What tells a project file from any other file: no NUL byte, which no text file holds,
// and at least one section of the project file.
bool IsProjectFileContent(std::string_view bytes);

// Reads a file that the user named as a project into the record: a project file (the
// record reset from the settings first, every value read as the project file reader
// always has) or a version 1.1 project. Without a format the content decides: a project
// file when it is one, else a version 1.1 record. The project counts as saved.
//   ReadFailed    the message says why (missing, a folder, no permission, ...);
//   NotAProject   the file is no project: message 1004041 or, for a version 1.1 file,
//                 1013003, each with the file name;
//   TooShort      a version 1.1 file shorter than one record.
// On failure the record is the new project of the settings. `doubtful` collects the
// values of a project file that no page would have given.
IoResult OpenProject(Project& project, const SettingsData& settings, const QString& fileName,
                     const TextSource& texts, std::optional<ProjectFormat> format,
                     DoubtfulValues* doubtful = nullptr);

} // namespace zek
