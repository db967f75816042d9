#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>
#include <memory>

class QWidget;

namespace zek {

// The printers as the program sees them: a list addressed by position, a default
// printer, and one "current" printer that the printer dialog shows and sets (-1 is the
// default printer). Printing always selects its own block's printer first.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;

    virtual QStringList printerNames() const = 0;
    // Empty when the system has no default printer.
    virtual QString defaultPrinterName() const = 0;
    // A paged device on the named printer with the job title set, ready to print on;
    // null when the printer cannot be used.
    virtual std::unique_ptr<QPagedPaintDevice> openPrinter(const QString& name, const QString& jobTitle) = 0;
    // The system's printer setup for the current printer; on confirmation the current
    // printer becomes the one chosen there. Returns whether it was confirmed.
    virtual bool setupDialog(QWidget* parent) = 0;

    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index) { m_current = index; }
    // The name of the printer at `index` (-1: the default printer); empty when there is
    // no such printer.
    QString printerName(int index) const;
    QString currentPrinterName() const { return printerName(m_current); }

private:
    int m_current = -1;
};

// The printers of this machine (CUPS through Qt's print support).
class SystemPrinters : public PrinterSystem {
public:
    QStringList printerNames() const override;
    QString defaultPrinterName() const override;
    std::unique_ptr<QPagedPaintDevice> openPrinter(const QString& name, const QString& jobTitle) override;
    bool setupDialog(QWidget* parent) override;
};

} // namespace zek
