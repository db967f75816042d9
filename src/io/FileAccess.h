#pragma once

#include "IoResult.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace zek {

// Larger files are no project or settings file of ours; reading stops short of them so
// junk cannot exhaust memory.
inline constexpr qint64 kMaxProfileFileBytes = 64 * 1024 * 1024;

// The whole file, or nothing when it cannot be opened, read or is larger than maxBytes.
std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes = kMaxProfileFileBytes);

// A file that exists and whose owner may not write it: the platform's "read-only".
bool isReadOnlyFile(const QString& path);

// Writes the complete new file beside the old one in the same folder, makes sure it is
// on the disk and reads back exactly as written (and passes `check`, given the bytes read
// back), gives it the permission bits of the old file (or the usual ones for a new file)
// and only then lets it take the place of the old one in one step. Whatever fails, the
// old file is left exactly as it was and the half-written new one is removed.
// Returns Ok, WriteFailed, CheckFailed or ReplaceFailed; errorCode gets the system's
// error number where there is one.
IoStatus writeFileAtomically(const QString& path, const QByteArray& bytes,
                             const std::function<bool(const QByteArray&)>& check, int* errorCode);

} // namespace zek
