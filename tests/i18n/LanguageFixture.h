#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>
#include <zip.h>

namespace zek::test {

// A throw-away program folder to put archives, loose text files and modules into.
class ProgramFolder {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& name, const std::string& bytes) const {
        QDir().mkpath(QFileInfo(file(name)).path());
        QFile out(file(name));
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // Each entry encrypted with the password, or stored plain when it is empty.
    void writeArchive(const QString& name, const std::vector<std::pair<std::string, std::string>>& entries,
                      const char* password = "Kornblatt") const {
        QDir().mkpath(QFileInfo(file(name)).path());
        zip_t* archive =
            zip_open(QFile::encodeName(file(name)).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
        for (const auto& [entry, data] : entries) {
            zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
            const zip_int64_t index = zip_file_add(archive, entry.c_str(), source, 0);
            if (*password)
                zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE,
                                        password);
        }
        zip_close(archive);
    }

    // A language module as built beside the executables.
    bool copyModule(const QString& moduleName, const QString& target) const {
        QDir().mkpath(QFileInfo(file(target)).path());
        return QFile::copy(QString::fromLocal8Bit(qgetenv("ZEK_BIN_DIR")) + '/' + moduleName, file(target));
    }

private:
    QTemporaryDir m_dir;
};

} // namespace zek::test
