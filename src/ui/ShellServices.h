#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace zek {

class TMDIChild;

// What the main window needs from the layers beside it: pages, reports, printing, the
// settings dialogs and help. Each is a plain function so that the window
// stays a thin coordinator and tests can count or replace what it calls.
struct ShellServices {
    // Creates the page of a data kind 0..17 (the index into the full list).
    std::function<TMDIChild*(int dataKind, QWidget* parent)> createPage;
    // Builds the result report (fax false) or the fax inquiry; nothing when the user
    // cancelled the device selection (only possible with cancelAllowed).
    std::function<std::optional<std::vector<std::string>>(bool fax, bool cancelAllowed)> buildReport;
    // The read-only view of report lines; Esc in it goes back to data entry.
    std::function<QWidget*(const std::vector<std::string>& lines, bool fax, QWidget* parent)>
        createResultView;
    // Prints the lines with the result or the fax printer settings.
    std::function<void(const std::vector<std::string>& lines, bool fax)> print;
    // Writes the lines into a PDF file the user names.
    std::function<void(const std::vector<std::string>& lines, bool fax)> savePdf;
    // The diagrams of the project with the devices of its stored selection, as a view;
    // printed with the result printer settings, or written into a PDF file the user names.
    std::function<QWidget*(QWidget* parent)> createDiagramView;
    std::function<void()> printDiagram;
    std::function<void()> saveDiagramPdf;

    // The options dialog; firstStart disables Abbruch and Hilfe.
    std::function<void(bool firstStart)> editOptions;
    // The modal settings dialogs: "cabinet", "simultaneity", "address", "printer", "about".
    std::function<void(const QString& which)> runDialog;

    // Help: command 1 context, 3 contents, 4 help on help.
    std::function<void(int command, int data)> help;
    // After a language switch: windows outside the main window take the new texts.
    std::function<void()> languageChanged;
    // Number of installed printers, and the printer dialogs start on (-1 the default).
    std::function<int()> printerCount;
    std::function<void(int index)> selectPrinter;
};

} // namespace zek
