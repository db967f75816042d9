#pragma once

#include "core/SettingsData.h"

#include <QFont>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace zek {

class TextSource;

// Print geometry in 0.1 mm: the unit the printed layout is measured in.
inline constexpr int kDruckSchrifthoehe = 41;                      // character height, 4.1 mm
inline constexpr int kDruckZeilenabstand = kDruckSchrifthoehe + 5; // line pitch, 4.6 mm
inline constexpr const char* kDruckSchriftart = "Courier New";

// Messages of the printing layer (Windows-1252 texts of the language table).
inline constexpr std::uint32_t kTextRaenderZuGross = 1010002;      // margins leave no room for a line
inline constexpr std::uint32_t kTextDruckFehler = 1010003;         // the printer refused the job
inline constexpr std::uint32_t kTextPdfNichtGeschrieben = 1010004; // PDF file not written, + name

// The fixed-pitch print font, its character height in 0.1 mm (the painter's unit).
QFont DruckSchrift();

// A text of the language table, or the German wording when the table lacks it, so that
// a failure is never reported with an empty message.
QString Meldungstext(const TextSource& texts, std::uint32_t number, const char* german);

// Where one line lands: page number (from 0) and the top left corner in 0.1 mm.
struct ZeilenPosition {
    int seite = 0;
    int x = 0;
    int y = 0;
    bool operator==(const ZeilenPosition&) const = default;
};

// Places `count` lines on pages `seitenhoehe` units high. A new page starts when the
// top of a line would lie below page height - (top + bottom margin), so the bottom
// margin is in effect top + bottom. Margins that leave no room for a single line give
// an empty result rather than a blank page before every line (see RaenderLassenPlatz).
std::vector<ZeilenPosition> Seitenumbruch(std::size_t count, const PrinterBlock& block, int seitenhoehe);

// True when at least one line fits between the margins of a page `seitenhoehe` high.
bool RaenderLassenPlatz(const PrinterBlock& block, int seitenhoehe);

// The name part of a project file: everything after its last "\", "/" or ":" (files
// named on Windows keep their drive and folders in front).
QString Namensteil(const QString& projectFileName);

// "ZEK 2.2 - " and the name part of the project file (everything after its last "\",
// "/" or ":"), or "ZEK 2.2" for an unnamed project.
QString DruckJobTitel(const QString& projectFileName);

struct DruckErgebnis {
    bool ok = true;
    QString fehler; // in the user's language; empty when ok
    int seiten = 0; // pages printed
};

// Prints every line (Windows-1252) of a report or inquiry onto a paged device (a
// printer or a PDF writer), in the fixed-pitch font, with the margins of the block;
// lines are never wrapped or cut. Margins that leave no room on the paper are refused
// before the job starts. The job ends also when printing fails. A PDF writer
// receives the job title as document title; for a printer the caller sets it.
DruckErgebnis Drucke(const std::vector<std::string>& lines, const PrinterBlock& block,
                     const QString& jobTitle, QPagedPaintDevice& device, const TextSource& texts);

// Prints through `drucke` into a PDF file on A4 paper, writing beside the file and
// replacing it only when the whole document was written, so a failed export never leaves
// an empty or truncated file behind.
DruckErgebnis DruckeInPdf(const QString& pdfPath, QPageLayout::Orientation orientation,
                          const TextSource& texts,
                          const std::function<DruckErgebnis(QPagedPaintDevice&)>& drucke);

// Prints the lines into a PDF file on A4 paper, writing beside the file and replacing
// it only when the whole document was written, so a failed export never leaves an empty
// or truncated file behind.
DruckErgebnis DruckePdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                        const QString& jobTitle, const QString& pdfPath, const TextSource& texts);

} // namespace zek
