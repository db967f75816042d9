#pragma once

// The PDF export of zek-cli lives in a library of its own, loaded only when a command asks
// for a PDF: drawing needs Qt GUI with its fonts and some thirty libraries, which every
// other command starts faster without. zek-cli and the library are built together, so
// they share these C++ types; only the entry points have C names, found by QLibrary.

#include "core/SettingsData.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

class QCoreApplication;

namespace zek {

class TextSource;

namespace pdf_module {

// The library's name beside zek-cli, without the platform's prefix and suffix.
inline constexpr const char* kFileName = "zek-pdf";

struct Job {
    const std::vector<std::string>* lines = nullptr; // Windows-1252
    const PrinterBlock* block = nullptr;             // the margins
    QString projectFile;                             // names the document
    QString target;                                  // a PDF file, or "-" for the bytes
    const TextSource* texts = nullptr;               // the messages
};

struct Outcome {
    bool ok = false;
    QString error;  // in the user's language
    QByteArray pdf; // for the target "-"
};

// The application object a PDF needs (a GUI application on the offscreen platform).
using MakeApplicationFn = QCoreApplication* (*)(int& argc, char** argv);
inline constexpr const char* kMakeApplicationSymbol = "zekPdfMakeApplication";
// Prints the job's lines on A4 with the block's margins.
using WriteFn = void (*)(const Job& job, Outcome& outcome);
inline constexpr const char* kWriteSymbol = "zekPdfWrite";

} // namespace pdf_module
} // namespace zek
