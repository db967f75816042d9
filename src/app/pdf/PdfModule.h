#pragma once

// The PDF export and the diagrams of zek-cli live in a library of their own, loaded only
// when a command draws: drawing needs Qt GUI with its fonts and some thirty libraries,
// which every other command starts faster without. zek-cli and the library are built
// together, so they share these C++ types; only the entry points have C names, found by
// QLibrary.

#include "core/ProjectData.h"
#include "core/SettingsData.h"
#include "report/Report.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

class QCoreApplication;

namespace zek {

class TextSource;
struct Diagramme;

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

enum class ChartFormat { Svg, Png, Pdf };

// Both diagrams of a project on one landscape page under the project's title lines.
struct ChartJob {
    const ProjectData* project = nullptr;
    const Diagramme* diagramme = nullptr;
    const PrinterBlock* block = nullptr; // the margins of a PDF page
    Datum datum;                         // the date in the title lines
    QString projectFile;                 // named in the title lines and the document title
    ChartFormat format = ChartFormat::Svg;
    QString target;                    // a file, or "-" for the bytes
    const TextSource* texts = nullptr; // the labels and messages
};

struct Outcome {
    bool ok = false;
    QString error;    // in the user's language
    QByteArray bytes; // the file's content for the target "-"
};

// The application object a PDF needs (a GUI application on the offscreen platform).
using MakeApplicationFn = QCoreApplication* (*)(int& argc, char** argv);
inline constexpr const char* kMakeApplicationSymbol = "zekPdfMakeApplication";
// Prints the job's lines on A4 with the block's margins.
using WriteFn = void (*)(const Job& job, Outcome& outcome);
inline constexpr const char* kWriteSymbol = "zekPdfWrite";
// Draws the diagrams as SVG, PNG or PDF.
using ChartFn = void (*)(const ChartJob& job, Outcome& outcome);
inline constexpr const char* kChartSymbol = "zekPdfChart";

} // namespace pdf_module
} // namespace zek
