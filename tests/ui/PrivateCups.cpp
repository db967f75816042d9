#include "PrivateCups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cups/cups.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace zek::test {

namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";
constexpr const char* kCupsPdf = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kCupsPdfSettings = "/etc/cups";
// A queue with the address cups-pdf:/NAME makes cups-pdf read /etc/cups/cups-pdf-NAME.conf.
constexpr const char* kInstance = "zek-test-";
constexpr const char* kEnvironment[] = {"CUPS_SERVER", "PRINTER", "LPDEST"};

bool write(const QString& file, const QString& text) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) >= 0;
}

// A PostScript printer description with one paper and its printable area.
QString description(const TestQueue& q) {
    const QString size = QStringLiteral("\"<</PageSize[%1 %2]/ImagingBBox null>>setpagedevice\"\n")
                             .arg(q.breitePt)
                             .arg(q.hoehePt);
    QString ppd =
        QStringLiteral("*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                       "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
                       "*PCFileName: \"ZEKTEST.PPD\"\n*Manufacturer: \"ZEK\"\n*Product: \"(Test)\"\n"
                       "*ModelName: \"ZEK Test\"\n*ShortNickName: \"ZEK Test\"\n*NickName: \"ZEK Test\"\n"
                       "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n"
                       "*DefaultColorSpace: Gray\n*FileSystem: False\n*Throughput: \"1\"\n"
                       "*TTRasterizer: Type42\n");
    for (const char* key : {"PageSize", "PageRegion"})
        ppd += QStringLiteral(
                   "*OpenUI *%1: PickOne\n*OrderDependency: 10 AnySetup *%1\n*Default%1: %2\n*%1 %2: ")
                   .arg(key, q.paper) +
               size + QStringLiteral("*CloseUI: *%1\n").arg(key);
    const int r = q.randPt;
    return ppd + QStringLiteral("*DefaultImageableArea: %1\n*ImageableArea %1: \"%2 %3 %4 %5\"\n"
                                "*DefaultPaperDimension: %1\n*PaperDimension %1: \"%6 %7\"\n")
                     .arg(q.paper)
                     .arg(r)
                     .arg(r)
                     .arg(q.breitePt - r)
                     .arg(q.hoehePt - r)
                     .arg(q.breitePt)
                     .arg(q.hoehePt);
}

// The folder and the cups-pdf settings of a run carry its process id.
QString folderPrefix() {
    return QStringLiteral("zek-cups-%1-").arg(getpid());
}

// What runs whose test process died left behind.
void removeLeftovers() {
    const auto gone = [](const QString& pid) {
        return pid.toInt() > 0 && kill(pid.toInt(), 0) != 0 && errno == ESRCH;
    };
    const QDir etc(QString::fromLatin1(kCupsPdfSettings));
    const QString prefix = QStringLiteral("cups-pdf-") + kInstance;
    for (const QString& name : etc.entryList({prefix + "*.conf"}, QDir::Files))
        if (gone(name.mid(prefix.size()).chopped(5)))
            QFile::remove(etc.filePath(name));
    for (const QString& name : QDir::temp().entryList({"zek-cups-*"}, QDir::Dirs))
        if (gone(name.section('-', 2, 2)))
            QDir(QDir::temp().filePath(name)).removeRecursively();
}

} // namespace

PrivateCups::PrivateCups() : m_dir(QDir::temp().filePath(folderPrefix() + "XXXXXX")) {
    for (const char* name : kEnvironment)
        m_savedEnvironment.push_back(qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                     : std::nullopt);
    m_failure = start();
}

QString PrivateCups::start() {
    if (geteuid() != 0)
        return QStringLiteral(
            "the private print system needs root: cups-pdf prints only as root and reads its "
            "settings only from /etc/cups");
    if (!QFileInfo(QString::fromLatin1(kCupsd)).isExecutable() ||
        !QFileInfo::exists(QString::fromLatin1(kCupsPdf)))
        return QStringLiteral(
            "cups or printer-driver-cups-pdf is not installed (scripts/setup installs them)");
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    removeLeftovers();

    // The filters run as the user lp: the folder must be open to it.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther);
    for (const char* sub : {"spool", "cache", "state", "log", "out", "pdfspool"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(sub));
    const QString socket = path("cups.sock");
    const bool written =
        write(path("cupsd.conf"),
              QStringLiteral(
                  "Listen %1\nLogLevel warn\nBrowsing No\nBrowseLocalProtocols none\nWebInterface No\n"
                  "DefaultAuthType None\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                  "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
                  .arg(socket)) &&
        write(
            path("cups-files.conf"),
            QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/spool\nCacheDir %1/cache\n"
                           "StateDir %1/state\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                           "PageLog %1/log/page_log\nPrintcap %1/printcap\nFileDevice No\nUser lp\nGroup lp\n"
                           "SystemGroup root\n")
                .arg(m_dir.path()));
    // Settings of this run's own send the PDFs into the folder.
    const QString instance = QString::fromLatin1(kInstance) + QString::number(getpid());
    m_pdfSettings =
        QStringLiteral("%1/cups-pdf-%2.conf").arg(QString::fromLatin1(kCupsPdfSettings), instance);
    if (!written ||
        !write(m_pdfSettings, QStringLiteral("Out %1/out\nAnonDirName %1/out\nSpool %1/pdfspool\nLog %1/log\n"
                                             "LogType 7\nGrp lp\nLabel 1\nGSTmp %1/pdfspool\n")
                                  .arg(m_dir.path())))
        return QStringLiteral("cannot write the print system's settings");

    qputenv("CUPS_SERVER", socket.toUtf8());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    cupsSetServer(socket.toUtf8().constData());

    // The scheduler ends with the test process, however that ends.
    m_cupsd.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(QString::fromLatin1(kCupsd),
                  {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket) && m_cupsd.state() != QProcess::NotRunning && !deadline.hasExpired())
        QThread::msleep(20);
    if (!QFileInfo::exists(socket))
        return QStringLiteral("the scheduler did not start: ") + QString::fromLocal8Bit(m_cupsd.readAll());

    m_uri = QStringLiteral("cups-pdf:/") + instance;
    for (const TestQueue& q : {kBueroQueue, kFaxQueue})
        if (!addQueue(q))
            return QStringLiteral("cannot add the queue ") + q.name;
    if (!admin("lpadmin", {"-d", kBueroQueue.name}))
        return QStringLiteral("cannot make Buero the default printer");
    return {};
}

PrivateCups::~PrivateCups() {
    stop();
    if (!m_pdfSettings.isEmpty())
        QFile::remove(m_pdfSettings);
    cupsSetServer(nullptr);
    for (std::size_t i = 0; i < m_savedEnvironment.size(); ++i) {
        if (m_savedEnvironment[i])
            qputenv(kEnvironment[i], *m_savedEnvironment[i]);
        else
            qunsetenv(kEnvironment[i]);
    }
}

bool PrivateCups::addQueue(const TestQueue& q) {
    // Ghostscript, CUPS's usual way from PDF to PostScript, loses the characters of the
    // fonts on the way back to PDF; cairo keeps them, so the printed text can be read.
    const QString ppd = path(QString::fromLatin1(q.name) + ".ppd");
    return write(ppd, description(q)) && admin("lpadmin", {"-p", q.name, "-E", "-v", m_uri, "-P", ppd, "-o",
                                                           "pdftops-renderer-default=pdftocairo"});
}

bool PrivateCups::admin(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    // CUPS's administration programs live in sbin, which a plain PATH may lack.
    p.start(QStandardPaths::findExecutable(program, {"/usr/sbin", "/usr/bin"}), args);
    const bool done = p.waitForFinished(20000);
    if (!done)
        p.kill();
    return done && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void PrivateCups::stop() {
    if (m_cupsd.state() == QProcess::NotRunning)
        return;
    m_cupsd.terminate();
    if (!m_cupsd.waitForFinished(10000)) {
        m_cupsd.kill();
        m_cupsd.waitForFinished(5000);
    }
}

std::vector<CupsJob> PrivateCups::jobs() const {
    cups_job_t* list = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, nullptr, 0, CUPS_WHICHJOBS_ALL);
    std::vector<CupsJob> result;
    for (int i = 0; i < count; ++i)
        result.push_back({list[i].id, QString::fromUtf8(list[i].dest), QString::fromUtf8(list[i].title),
                          int(list[i].state)});
    cupsFreeJobs(count, list);
    std::sort(result.begin(), result.end(), [](const CupsJob& a, const CupsJob& b) { return a.id < b.id; });
    return result;
}

int PrivateCups::lastJobId() const {
    const std::vector<CupsJob> all = jobs();
    return all.empty() ? 0 : all.back().id;
}

std::vector<CupsJob> PrivateCups::waitForJobs(int afterId, std::size_t count) const {
    const QDeadlineTimer deadline(60000);
    for (;;) {
        std::vector<CupsJob> recent;
        for (const CupsJob& job : jobs())
            if (job.id > afterId)
                recent.push_back(job);
        const auto ended = std::count_if(recent.begin(), recent.end(),
                                         [](const CupsJob& j) { return j.state >= IPP_JSTATE_CANCELED; });
        if (std::size_t(ended) >= count || deadline.hasExpired())
            return recent;
        QThread::msleep(100);
    }
}

QString PrivateCups::output(int jobId) const {
    const QDir out(path("out"));
    const QStringList files = out.entryList({QStringLiteral("job_%1-*.pdf").arg(jobId)}, QDir::Files);
    return files.isEmpty() ? QString() : out.filePath(files.first());
}

} // namespace zek::test
