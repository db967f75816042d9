#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace zek {

// What a printer answers when it is asked for a job.
enum class DruckerZustand {
    Bereit,       // takes jobs (or took the job)
    Angehalten,   // the queue is stopped: a job would lie there until someone resumes it
    NimmtNichtAn, // the queue refuses new jobs
    Unerreichbar, // the print system does not answer
    Fehler,       // refused for another reason, see the detail
};

struct DruckerAntwort {
    DruckerZustand zustand = DruckerZustand::Bereit;
    QString detail; // the print system's own words; may be empty
};

// One job on one printer: the pages are drawn on device() and only reach the printer
// with submit(), so that a refusal can still be told to the user.
class DruckAuftrag {
public:
    virtual ~DruckAuftrag() = default;
    virtual QPagedPaintDevice& device() = 0;
    virtual DruckerAntwort submit() = 0;
};

// The printers as the program sees them: a list addressed by position, a default
// printer, and one "current" printer that the printer dialog shows and sets (-1 is the
// default printer). Printing always selects its own block's printer first.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    // In the order of the printer setup dialog's list: a block's Index is a position in it.
    virtual QStringList printerNames() const = 0;
    // Empty when the system has no default printer.
    virtual QString defaultPrinterName() const = 0;
    // Whether the named printer takes jobs now.
    virtual DruckerAntwort printerState(const QString& name) const = 0;
    // A job on the named printer, its paper and printable area as the printer has them;
    // null when the printer cannot be used.
    virtual std::unique_ptr<DruckAuftrag> openPrinter(const QString& name, const QString& jobTitle) = 0;
    // The system's printer setup for the current printer; on confirmation the current
    // printer becomes the one chosen there. Returns whether it was confirmed.
    virtual bool setupDialog(QWidget* parent) = 0;

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index) { m_current = index; }
    // The name of the printer at `index` (-1: the default printer); empty when there is
    // no such printer.
    QString printerName(int index) const;
    QString currentPrinterName() const { return printerName(m_current); }
    // Where a job of a block with this Index goes: the printer at that position; when the
    // position no longer exists, the default printer, or without one the first printer
    // installed. Empty only when there is no printer at all.
    QString printerFor(int index) const;

private:
    int m_current = -1;
};

// The printers of this machine: the list, the default and the setup dialog through Qt's
// print support; jobs go to CUPS, which says whether it took them.
class SystemPrinters : public PrinterSystem {
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    DruckerAntwort printerState(const QString& name) const override;
    std::unique_ptr<DruckAuftrag> openPrinter(const QString& name, const QString& jobTitle) override;
    bool setupDialog(QWidget* parent) override;
};

} // namespace zek
