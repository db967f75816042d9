#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <utility>
#include <vector>
#include <zip.h>

namespace zek::test {

// A throw-away program folder with helpers to put archives, loose text files and language
// modules into it.
class ProgramFolder {
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

    void writeFile(const QString& name, const std::string& bytes) const {
        const QString full = file(name);
        QDir().mkpath(QFileInfo(full).path());
        QFile out(full);
        if (out.open(QIODevice::WriteOnly))
            out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // A zip archive; each entry encrypted with the given password (none when empty).
    bool writeArchive(const QString& name, const std::vector<std::pair<std::string, std::string>>& entries,
                      const char* password = "Kornblatt") const {
        const QString full = file(name);
        QDir().mkpath(QFileInfo(full).path());
        int error = 0;
        zip_t* archive = zip_open(QFile::encodeName(full).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!archive)
            return false;
        for (const auto& [entry, data] : entries) {
            zip_source_t* source = zip_source_buffer(archive, data.data(), data.size(), 0);
            const zip_int64_t index = zip_file_add(archive, entry.c_str(), source, 0);
            if (index < 0) {
                zip_source_free(source);
                zip_discard(archive);
                return false;
            }
            if (password && *password)
                zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_TRAD_PKWARE,
                                        password);
        }
        return zip_close(archive) == 0;
    }

    // Copies a language module built beside the executables into the folder.
    bool copyModule(const QString& moduleName, const QString& target) const {
        const QString source = QString::fromLocal8Bit(qgetenv("ZEK_BIN_DIR")) + '/' + moduleName;
        const QString full = file(target);
        QDir().mkpath(QFileInfo(full).path());
        QFile::remove(full);
        return QFile::copy(source, full);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace zek::test
