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

// The whole file, or nothing when it cannot be opened or read, is no regular file or is
// larger than maxBytes; errorCode then gets the reason (the system's ENOENT, EACCES, …;
// EISDIR for a folder, ENODEV for a FIFO or a device, EFBIG for a file too large).
std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes = kMaxProfileFileBytes,
                                        int* errorCode = nullptr);
// The first `count` bytes of a regular file (all of a shorter one), with the same reasons.
std::optional<QByteArray> readFileStart(const QString& path, qint64 count, int* errorCode = nullptr);

// Both names exist and lead to the same file (through links and other names too).
bool sameFile(const QString& a, const QString& b);
// The name leads to something that exists but is neither a regular file nor a folder: a
// FIFO, a device node, a socket.
bool isSpecialFile(const QString& path);

// A file that exists and whose owner may not write it: the platform's "read-only".
bool isReadOnlyFile(const QString& path);

// Writes the complete new file beside the old one in the same folder, makes sure it is
// on the disk and reads back exactly as written (and passes `check`, given the bytes read
// back), gives it the permission bits of the old file (or the usual ones for a new file)
// and only then lets it take the place of the old one in one step. Whatever fails, the
// old file is left exactly as it was and the half-written new one is removed.
// A target that exists and is no regular file (a FIFO, a device) is refused with
// WriteFailed and ENODEV. Returns Ok, WriteFailed, CheckFailed or ReplaceFailed;
// errorCode gets the system's error number where there is one.
IoStatus writeFileAtomically(const QString& path, const QByteArray& bytes,
                             const std::function<bool(const QByteArray&)>& check, int* errorCode);

} // namespace zek
