#pragma once

#include "core/TextSource.h"

#include <QString>
#include <cstdint>
#include <string>

namespace zek {

// Language texts of the file layer.
inline constexpr std::uint32_t kTextReadOnlyFile = 1005008;     // the file is write-protected
inline constexpr std::uint32_t kTextOverwriteAnyway = 1005009;  // overwrite it anyway?
inline constexpr std::uint32_t kTextCheckFailed = 1005090;      // file not stored correctly
inline constexpr std::uint32_t kTextCheckFailedHint = 1005091;  // check the medium
inline constexpr std::uint32_t kTextCannotWrite = 1005080;      // "In %s kann nicht geschrieben werden"
inline constexpr std::uint32_t kTextCannotRead = 1005081;       // %s cannot be opened or read
inline constexpr std::uint32_t kTextLegacyTooShort = 1005082;   // %s is too short for a version 1.1 project
inline constexpr std::uint32_t kTextNotAProject = 1004041;      // not a project file, + the name
inline constexpr std::uint32_t kTextFileMissing = 1013000;      // %s does not exist
inline constexpr std::uint32_t kTextFileIsFolder = 1013001;     // %s is a folder
inline constexpr std::uint32_t kTextFileNoPermission = 1013002; // no permission to read %s
inline constexpr std::uint32_t kTextNotLegacyProject = 1013003; // %s is no version 1.1 project
inline constexpr std::uint32_t kTextNoRegularFile = 1013004;    // %s is a FIFO, a device, ...

// The text of the current language; the German wording when the table lacks it, so a
// message never comes out empty (the command line may run without language texts).
std::string ioText(const TextSource& texts, std::uint32_t number);

// The text with its "%s" replaced by the file name (native separators, Windows-1252).
std::string ioTextWithFile(const TextSource& texts, std::uint32_t number, const QString& fileName);

// Why a file could not be read (errorCode as readFileBytes gives it), naming the file.
std::string ioReadFailure(const TextSource& texts, const QString& fileName, int errorCode);

// A text source without texts, for callers that have no language loaded.
class NoTexts : public TextSource {
public:
    std::string GetLangText(std::uint32_t) const override { return {}; }
};

} // namespace zek
