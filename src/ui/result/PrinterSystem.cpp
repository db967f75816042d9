#include "ui/result/PrinterSystem.h"

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#ifdef ZEK_HAVE_CUPS
#include "core/LoadedLibrary.h"

#include <QFile>
#include <QPdfWriter>
#include <QTemporaryFile>
#include <cups/cups.h>
#endif

namespace zek {

QString PrinterSystem::printerName(int index) const {
    if (index == -1)
        return defaultPrinterName();
    const QStringList names = printerNames();
    return index >= 0 && index < names.size() ? names.at(index) : QString();
}

QString PrinterSystem::printerFor(int index) const {
    const QStringList names = printerNames();
    if (index >= 0 && index < names.size())
        return names.at(index);
    const QString standard = defaultPrinterName();
    return standard.isEmpty() ? names.value(0) : standard;
}

QStringList SystemPrinters::printerNames() const {
    return QPrinterInfo::availablePrinterNames();
}

QString SystemPrinters::defaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
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

#ifdef ZEK_HAVE_CUPS

namespace {

// Nothing that talks to the scheduler waits longer than this for an answer.
constexpr int kWarteSekunden = 30;

// The CUPS library is loaded when a job or a printer's state first needs it: loading it
// (with its TLS and Kerberos libraries) at start would delay the main window for a
// printer that most runs never use.
struct CupsLibrary {
    decltype(&::cupsServer) server = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::cupsEncryption) encryption = nullptr;
    decltype(&::httpConnect2) connect = nullptr;
    decltype(&::httpSetTimeout) setTimeout = nullptr;
    decltype(&::httpClose) close = nullptr;
    decltype(&::httpError) httpError = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::cupsPrintFile2) printFile = nullptr;
    decltype(&::cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&::cupsGetOption) getOption = nullptr;
    decltype(&::cupsFreeDests) freeDests = nullptr;
    QString failure; // why the library cannot be used; empty when it can

    // Loaded once and kept for the rest of the run.
    static const CupsLibrary& get() {
        static const CupsLibrary library;
        return library;
    }

private:
    CupsLibrary() {
        LoadedLibrary lib(QStringLiteral("cups"), 2);
        lib.resolve(server, "cupsServer");
        lib.resolve(port, "ippPort");
        lib.resolve(encryption, "cupsEncryption");
        lib.resolve(connect, "httpConnect2");
        lib.resolve(setTimeout, "httpSetTimeout");
        lib.resolve(close, "httpClose");
        lib.resolve(httpError, "httpError");
        lib.resolve(lastError, "cupsLastError");
        lib.resolve(lastErrorString, "cupsLastErrorString");
        lib.resolve(printFile, "cupsPrintFile2");
        lib.resolve(getNamedDest, "cupsGetNamedDest");
        lib.resolve(getOption, "cupsGetOption");
        lib.resolve(freeDests, "cupsFreeDests");
        failure = lib.failure();
    }
};

// A connection of its own to the scheduler, so that a scheduler that is gone is told
// apart from one that refuses, and a silent one is given up after a while.
class CupsVerbindung {
public:
    CupsVerbindung() : m_cups(CupsLibrary::get()) {
        if (!m_cups.failure.isEmpty())
            return;
        m_http = m_cups.connect(m_cups.server(), m_cups.port(), nullptr, AF_UNSPEC, m_cups.encryption(), 1,
                                kWarteSekunden * 1000, nullptr);
        if (m_http)
            m_cups.setTimeout(
                m_http, kWarteSekunden, [](http_t*, void*) { return 0; }, nullptr);
    }
    ~CupsVerbindung() {
        if (m_http)
            m_cups.close(m_http);
    }
    CupsVerbindung(const CupsVerbindung&) = delete;
    CupsVerbindung& operator=(const CupsVerbindung&) = delete;

    const CupsLibrary& cups() const { return m_cups; }
    http_t* http() const { return m_http; }
    // The answer to the last call that failed.
    DruckerAntwort fehler() const {
        if (!m_cups.failure.isEmpty())
            return {DruckerZustand::Unerreichbar, m_cups.failure};
        const QString detail = QString::fromUtf8(m_cups.lastErrorString());
        if (!m_http || m_cups.httpError(m_http) != 0 ||
            m_cups.lastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
            return {DruckerZustand::Unerreichbar, detail};
        if (m_cups.lastError() == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS)
            return {DruckerZustand::NimmtNichtAn, detail};
        return {DruckerZustand::Fehler, detail};
    }

private:
    const CupsLibrary& m_cups;
    http_t* m_http = nullptr;
};

// The pages are written into a PDF file first and handed to CUPS as a whole, so that
// whether CUPS took the job is known (Qt's own CUPS printing does not tell).
class CupsAuftrag : public DruckAuftrag {
public:
    CupsAuftrag(const QString& printer, const QString& title) : m_printer(printer), m_title(title) {}

    bool open(const QPageLayout& layout) {
        if (!m_file.open())
            return false;
        m_writer = std::make_unique<QPdfWriter>(&m_file);
        m_writer->setPageLayout(layout);
        return true;
    }
    QPagedPaintDevice& device() override { return *m_writer; }

    DruckerAntwort submit() override {
        m_writer.reset();
        if (!m_file.flush())
            return {DruckerZustand::Fehler, m_file.errorString()};
        const CupsVerbindung cups;
        if (!cups.http())
            return cups.fehler();
        const int job = cups.cups().printFile(cups.http(), m_printer.toUtf8().constData(),
                                              QFile::encodeName(m_file.fileName()).constData(),
                                              m_title.toUtf8().constData(), 0, nullptr);
        return job > 0 ? DruckerAntwort{} : cups.fehler();
    }

private:
    QString m_printer, m_title;
    QTemporaryFile m_file;
    std::unique_ptr<QPdfWriter> m_writer;
};

} // namespace

DruckerAntwort SystemPrinters::printerState(const QString& name) const {
    const CupsVerbindung cups;
    cups_dest_t* dest =
        cups.http() ? cups.cups().getNamedDest(cups.http(), name.toUtf8().constData(), nullptr) : nullptr;
    if (!dest)
        return cups.fehler();
    const auto option = [&cups, dest](const char* key) {
        const char* value = cups.cups().getOption(key, dest->num_options, dest->options);
        return value ? QByteArray(value) : QByteArray();
    };
    DruckerAntwort antwort{DruckerZustand::Bereit, QString::fromUtf8(option("printer-state-message"))};
    if (option("printer-is-accepting-jobs") == "false")
        antwort.zustand = DruckerZustand::NimmtNichtAn;
    else if (option("printer-state").toInt() == IPP_PSTATE_STOPPED)
        antwort.zustand = DruckerZustand::Angehalten;
    cups.cups().freeDests(1, dest);
    return antwort;
}

std::unique_ptr<DruckAuftrag> SystemPrinters::openPrinter(const QString& name, const QString& jobTitle) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    // The printer's default paper, with its printable area as the margins: the drawing
    // is measured from there, as on the printer itself. (A new QPrinter starts on the
    // paper of the locale, whatever the printer's default.)
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(info.defaultPageSize());
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    auto job = std::make_unique<CupsAuftrag>(name, jobTitle);
    if (!job->open(layout))
        return nullptr;
    return job;
}

#else

namespace {

// Without CUPS the platform's printing takes the job and does not tell how it went.
class QtAuftrag : public DruckAuftrag {
public:
    QtAuftrag(const QPrinterInfo& info, const QString& title) : m_printer(info, QPrinter::HighResolution) {
        m_printer.setDocName(title);
    }
    QPagedPaintDevice& device() override { return m_printer; }
    DruckerAntwort submit() override { return {}; }
    bool valid() const { return m_printer.isValid(); }

private:
    QPrinter m_printer;
};

} // namespace

DruckerAntwort SystemPrinters::printerState(const QString&) const {
    return {};
}

std::unique_ptr<DruckAuftrag> SystemPrinters::openPrinter(const QString& name, const QString& jobTitle) {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    auto job = std::make_unique<QtAuftrag>(info, jobTitle);
    if (!job->valid())
        return nullptr;
    return job;
}

#endif

} // namespace zek
