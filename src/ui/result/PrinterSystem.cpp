#include "ui/result/PrinterSystem.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zek {

QString PrinterSystem::printerName(int index) const {
    if (index == -1)
        return defaultPrinterName();
    const QStringList names = printerNames();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

QStringList SystemPrinters::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

std::unique_ptr<QPagedPaintDevice> SystemPrinters::openPrinter(const QString& name, const QString& jobTitle) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(jobTitle);
    if (!printer->isValid())
        return nullptr;
    return printer;
}

bool SystemPrinters::setupDialog(QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    const QString current = currentPrinterName();
    if (!current.isEmpty())
        printer.setPrinterName(current);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A printer outside the list (for example printing into a file) is kept as the
    // default printer: the list position is all the settings can hold.
    const QString chosen =
        printer.outputFormat() == QPrinter::NativeFormat ? printer.printerName() : QString();
    setCurrentIndex(chosen.isEmpty() ? -1 : int(printerNames().indexOf(chosen)));
    return true;
}

} // namespace zek
