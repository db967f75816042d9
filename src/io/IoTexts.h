#pragma once

#include "core/TextSource.h"

#include <QString>
#include <cstdint>
#include <string>

namespace zek {

// Language texts of the file layer.
inline constexpr std::uint32_t kTextReadOnlyFile = 1005008;    // the file is write-protected
inline constexpr std::uint32_t kTextOverwriteAnyway = 1005009; // overwrite it anyway?
inline constexpr std::uint32_t kTextCheckFailed = 1005090;     // file not stored correctly
inline constexpr std::uint32_t kTextCheckFailedHint = 1005091; // check the medium
inline constexpr std::uint32_t kTextCannotWrite = 1005080;     // "In %s kann nicht geschrieben werden"
inline constexpr std::uint32_t kTextCannotRead = 1005081;      // %s cannot be opened or read
inline constexpr std::uint32_t kTextLegacyTooShort = 1005082;  // %s is too short for a version 1.1 project

// The text of the current language; the German wording when the table lacks it, so a
// message never comes out empty (the command line may run without language texts).
std::string ioText(const TextSource& texts, std::uint32_t number);

// The text with its "%s" replaced by the file name (native separators, Windows-1252).
std::string ioTextWithFile(const TextSource& texts, std::uint32_t number, const QString& fileName);

// A text source without texts, for callers that have no language loaded.
class NoTexts : public TextSource {
public:
    std::string GetLangText(std::uint32_t) const override { return {}; }
};

} // namespace zek
