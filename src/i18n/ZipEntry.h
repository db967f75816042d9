#pragma once

#include <QString>
#include <cstddef>
#include <string>

namespace zek {

struct ZipEntryResult {
    enum class Status { Read, EntryMissing, Failed };
    Status status = Status::Failed;
    std::string data;
    // What went wrong, from the zip library or the size check; empty unless Failed.
    QString error;
};

// Opens a zip archive with a password (traditional PKZIP encryption) and extracts one
// entry into memory. An entry larger than maxBytes fails instead of filling the memory,
// whatever size the archive claims.
ZipEntryResult readZipEntry(const QString& archivePath, const char* password, const std::string& entryName,
                            std::size_t maxBytes);

} // namespace zek
