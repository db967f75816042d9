#include "PdfExport.h"

#include <QDir>
#include <QFileInfo>
#include <cstring>

namespace zek::cli {
namespace {

// The folder of the running program, before an application object can tell it.
QString programDir(int argc, char** argv) {
#ifdef Q_OS_LINUX
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    if (self.exists())
        return QFileInfo(self.canonicalFilePath()).absolutePath();
#endif
    return argc > 0 ? QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() : QDir::currentPath();
}

} // namespace

bool PdfExport::asked(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "chart") == 0)
        return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    return false;
}

bool PdfExport::load(int argc, char** argv) {
    m_library.setFileName(QDir(programDir(argc, argv)).filePath(QLatin1String(pdf_module::kFileName)));
    if (m_library.load()) {
        m_makeApplication = reinterpret_cast<pdf_module::MakeApplicationFn>(
            m_library.resolve(pdf_module::kMakeApplicationSymbol));
        m_write = reinterpret_cast<pdf_module::WriteFn>(m_library.resolve(pdf_module::kWriteSymbol));
        m_chart = reinterpret_cast<pdf_module::ChartFn>(m_library.resolve(pdf_module::kChartSymbol));
        if (m_makeApplication && m_write && m_chart)
            return true;
    }
    m_error = m_library.errorString();
    m_makeApplication = nullptr;
    m_write = nullptr;
    m_chart = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
    return false;
}

pdf_module::Outcome PdfExport::write(const pdf_module::Job& job) const {
    pdf_module::Outcome outcome;
    m_write(job, outcome);
    return outcome;
}

pdf_module::Outcome PdfExport::chart(const pdf_module::ChartJob& job) const {
    pdf_module::Outcome outcome;
    m_chart(job, outcome);
    return outcome;
}

} // namespace zek::cli
