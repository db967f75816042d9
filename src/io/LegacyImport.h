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

// How well a record fits what version 1.1 could store: how many of its numbers lay
// outside their ranges (and were clamped), how many of its texts had a length byte beyond
// their room. A record that version 1.1 saved has neither; random bytes have mostly both
// (a length byte of 0..50 has a chance of one in five, a count of 0..999 of one in 65).
struct LegacyRecordFit {
    int numbers = 0;
    int numbersOutside = 0;
    int texts = 0;
    int textsTooLong = 0;
    bool plausible() const { return 2 * numbersOutside <= numbers && 2 * textsTooLong <= texts; }
};

// Fills the project from a version 1.1 record (at least kLegacyRecordSize bytes):
// texts converted from DOS code page 850 to Windows-1252, every number clamped into its
// range, loss mode 1 ("not known" then) becoming 2. Fields the old version did not have
// keep their values. Returns false, touching nothing, when the record is too short.
bool ImportLegacyRecord(std::string_view record, ProjectData& project, LegacyRecordFit* fit = nullptr);

// Imports the bytes of a file into the freshly reset project and marks it saved. Bytes
// shorter than one record give TooShort, a record that is not plausible NotAProject,
// each with a message naming the file; the project is then untouched.
IoResult ImportLegacyBytes(Project& project, std::string_view bytes, const QString& fileName,
                           const TextSource& texts);

// The same on the file; a file that cannot be read gives ReadFailed with the reason.
IoResult ImportLegacyProject(Project& project, const QString& fileName, const TextSource& texts);

} // namespace zek
