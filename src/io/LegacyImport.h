#pragma once

#include "IoResult.h"

#include "core/ProjectData.h"
#include "core/TextSource.h"

#include <QString>
#include <cstddef>
#include <string_view>

namespace zek {

// A version 1.1 project (".ZEK") is one little-endian record of this many bytes at the
// start of the file; anything after it is ignored.
inline constexpr std::size_t kLegacyRecordSize = 1220;

// Fills the project from a version 1.1 record (at least kLegacyRecordSize bytes):
// texts converted from DOS code page 850 to Windows-1252, every number clamped into its
// range, loss mode 1 ("not known" then) becoming 2. Fields the old version did not have
// keep their values. Returns false, touching nothing, when the record is too short.
bool ImportLegacyRecord(std::string_view record, ProjectData& project);

// Imports the file into the freshly reset project and marks it saved. A file that
// cannot be read or is shorter than one record leaves the project untouched and gives
// ReadFailed or TooShort with a message naming the file.
IoResult ImportLegacyProject(Project& project, const QString& fileName, const TextSource& texts);

} // namespace zek
