#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>
#include <vector>

namespace zek::test {

// A queue of the private print system: a PDF printer with one paper whose printable area
// is inset by `randPt` points on every side, as an office printer's hardware margin.
struct TestQueue {
    const char* name;
    const char* paper; // the paper's name in the printer description
    int breitePt, hoehePt;
    int randPt;
};
inline constexpr TestQueue kBueroQueue{"Buero", "A4", 595, 842, 12};
inline constexpr TestQueue kFaxQueue{"Fax", "Letter", 612, 792, 18};

struct CupsJob {
    int id = 0;
    QString queue, title;
    int state = 0; // IPP job state: 9 completed, 7 canceled, 8 aborted
};

// A CUPS scheduler of the test's own: configuration, spool, logs and printed output in a
// temporary folder, its own socket (CUPS_SERVER points at it while it lives, for this
// process and the programs it starts), the queues "Buero" (the default) and "Fax", both
// printing through cups-pdf into the folder. A system scheduler, if one runs, is not
// touched. Everything goes with the object, also when a test fails; should the test
// process die, the scheduler dies with it and the next run removes the folder and the
// cups-pdf settings left behind (cups-pdf reads them only from /etc/cups).
class PrivateCups {
public:
    PrivateCups();
    ~PrivateCups();
    PrivateCups(const PrivateCups&) = delete;
    PrivateCups& operator=(const PrivateCups&) = delete;

    // Why the scheduler does not run; empty when it does.
    const QString& failure() const { return m_failure; }
    // Adds (or adds again) one of the two queues.
    bool addQueue(const TestQueue& queue);
    // Runs one of CUPS's administration programs (cupsdisable, cupsreject, ...) on it.
    bool admin(const QString& program, const QStringList& args);
    // The scheduler goes away.
    void stop();

    std::vector<CupsJob> jobs() const;
    int lastJobId() const;
    // The jobs after `afterId` once `count` of them have ended, or what there is after a
    // minute.
    std::vector<CupsJob> waitForJobs(int afterId, std::size_t count) const;
    // What the printer produced for a job: cups-pdf's PDF file, empty when there is none.
    QString output(int jobId) const;

private:
    QString start();
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_failure;
    QString m_pdfSettings; // the cups-pdf settings file in /etc/cups
    QString m_uri;         // the queues' address: cups-pdf with the settings of this run
    QProcess m_cupsd;
    std::vector<std::optional<QByteArray>> m_savedEnvironment; // CUPS_SERVER, PRINTER, LPDEST
};

} // namespace zek::test
