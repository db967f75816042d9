#include "ui/AppContext.h"

#include <QDir>

namespace zek {

AppContext::AppContext(const QString& programDir) : m_programDir(QDir::cleanPath(programDir)) {}

QString AppContext::programFile(const QString& name) const {
    return QDir(m_programDir).filePath(name);
}

QString AppContext::typPath(const std::string& code) const {
    return programFile(QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size())) + ".TYP");
}

} // namespace zek
