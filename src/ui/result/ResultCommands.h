#pragma once

#include "core/SettingsData.h"

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

class QWidget;

namespace zek {

class PrinterSystem;
class TextSource;
class UserInteraction;
struct Diagrammseite;
struct FormContext;
class TErgebnisDlg;

// "Als &PDF speichern..." at the end of the "&Ergebnis" menu: help number, and its
// caption and hint in the language table (100000000 + 10 h, + 1).
inline constexpr int kMnEPdfHelpNumber = 11025;
inline constexpr const char* kMnEPdfObjectName = "MnEPdf";
inline constexpr const char* kMnEPdfDesignText = "Als &PDF speichern...";
inline constexpr std::uint32_t kTextMnEPdf = 100000000u + 10u * kMnEPdfHelpNumber;
inline constexpr std::uint32_t kTextMnEPdfHint = kTextMnEPdf + 1;

// Help numbers of the result view and of the printer dialog "Drucker einrichten".
inline constexpr int kErgebnisDlgHelpNumber = 12015;
inline constexpr int kDruckerDlgHelpNumber = 13030;

// Start-up notices: the stored result or fax printer no longer exists.
inline constexpr std::uint32_t kTextDruckerFehlt = 1005098;
inline constexpr std::uint32_t kTextFaxDruckerFehlt = 1005099;

// Texts of printing and of the printer dialog (tabs 1010000/1010001; 1010002-1010004
// are the messages of report/print/Drucke.h).
inline constexpr std::uint32_t kTextTabDrucker = 1010000;
inline constexpr std::uint32_t kTextTabFax = 1010001;
inline constexpr std::uint32_t kTextPdfTitel = 1010005;       // file dialog of "save as PDF"
inline constexpr std::uint32_t kTextPdfFilter = 1010006;      // "PDF-Dateien (*.pdf)"
inline constexpr std::uint32_t kTextKeinDruckerPdf = 1010007; // file dialog when no printer can be used
inline constexpr std::uint32_t kTextKeinDrucker = 1010008;    // printer name shown when there is none
// Printers that print nothing: %s is the printer's name.
inline constexpr std::uint32_t kTextDruckerAngehalten = 1010009;
inline constexpr std::uint32_t kTextDruckerNimmtNichtAn = 1010010;
inline constexpr std::uint32_t kTextDrucksystemFehlt = 1010011; // the print system does not answer

enum class DruckAusgang {
    Gedruckt, // the printer took the job
    PdfGespeichert,
    Abgebrochen, // the user cancelled the file dialog; nothing was written
    Fehler,      // reported to the user in an error box
};

// The view of a result report or a fax inquiry, from its second line on (the first is
// printed but not shown). Esc in it emits dataEntryRequested().
TErgebnisDlg* CreateErgebnisView(FormContext& context, const std::vector<std::string>& lines,
                                 QWidget* parent = nullptr);

// Prints the lines on the printer of the block (the settings' `Drucker` block for the
// report, `Fax` for the inquiry); a position that no longer exists prints on the default
// printer. Only when there is no printer at all the user is asked for a PDF file instead.
// A printer that is stopped, refuses the job or cannot be reached prints nothing, and
// the user is told so in an error box, as with every other failure.
DruckAusgang DruckeZeilen(const std::vector<std::string>& lines, const PrinterBlock& block,
                          const QString& projectFileName, PrinterSystem& printers, UserInteraction& ui,
                          const TextSource& texts);

// "Save as PDF": asks for a file name (proposed: the project's name with ".pdf") and
// writes the lines there with the margins of the block.
DruckAusgang SpeichereAlsPdf(const std::vector<std::string>& lines, const PrinterBlock& block,
                             const QString& projectFileName, UserInteraction& ui, const TextSource& texts);

// The diagrams on one landscape page, on the printer of the block or into a PDF file the
// user names, as DruckeZeilen and SpeichereAlsPdf do with lines.
DruckAusgang DruckeDiagramm(const Diagrammseite& seite, const PrinterBlock& block,
                            const QString& projectFileName, PrinterSystem& printers, UserInteraction& ui,
                            const TextSource& texts);
DruckAusgang SpeichereDiagrammAlsPdf(const Diagrammseite& seite, const PrinterBlock& block,
                                     const QString& projectFileName, UserInteraction& ui,
                                     const TextSource& texts);

// The modal printer dialog "Drucker einrichten"; on OK both printer blocks are written
// into the settings. Returns whether OK was pressed.
bool ZeigeDruckerDlg(FormContext& context, PrinterSystem& printers, QWidget* parent = nullptr);

} // namespace zek
