#pragma once

#include <string>

namespace zek {

// Outcome of a file operation. Nothing of the file layer throws; the caller shows the
// message (Windows-1252, in the user's language, naming the file) where there is one.
enum class IoStatus {
    Ok,
    // The user declined to overwrite a read-only file: nothing was touched, no message.
    Declined,
    // The complete new file was written but could not take the place of the old one;
    // ioCode holds the system's error number and the caller names the file in its own
    // message (save and save-as have different texts). The old file is unchanged.
    ReplaceFailed,
    // The file could not be written; the old file, if any, is unchanged.
    WriteFailed,
    // The new file did not read back as written; the old file is unchanged.
    CheckFailed,
    // The file could not be opened or read.
    ReadFailed,
    // The file is shorter than its format needs.
    TooShort,
    // The file holds something else than a project: no section of a project file, bytes
    // that no text file holds, or a record that version 1.1 never wrote.
    NotAProject,
};

struct IoResult {
    IoStatus status = IoStatus::Ok;
    int ioCode = 0;
    std::string message;

    bool ok() const { return status == IoStatus::Ok; }
};

} // namespace zek
