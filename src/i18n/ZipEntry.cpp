#include "ZipEntry.h"

#include <QFile>
#include <memory>
#include <zip.h>

namespace zek {
namespace {

QString zipErrorText(int code) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};

} // namespace

ZipEntryResult readZipEntry(const QString& archivePath, const char* password, const std::string& entryName,
                            std::size_t maxBytes) {
    ZipEntryResult result;
    int openError = 0;
    const QByteArray nativePath = QFile::encodeName(archivePath);
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip_open(nativePath.constData(), ZIP_RDONLY, &openError));
    if (!archive) {
        result.error = zipErrorText(openError);
        return result;
    }
    if (zip_set_default_password(archive.get(), password) != 0) {
        result.error = QString::fromLocal8Bit(zip_strerror(archive.get()));
        return result;
    }
    // The archive was made on a system whose file names ignore case.
    zip_int64_t index = zip_name_locate(archive.get(), entryName.c_str(), 0);
    if (index < 0)
        index = zip_name_locate(archive.get(), entryName.c_str(), ZIP_FL_NOCASE);
    if (index < 0) {
        result.status = ZipEntryResult::Status::EntryMissing;
        return result;
    }
    zip_file_t* file = zip_fopen_index(archive.get(), static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        result.error = QString::fromLocal8Bit(zip_strerror(archive.get()));
        return result;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            result.error = QString::fromLocal8Bit(zip_file_strerror(file));
            zip_fclose(file);
            return result;
        }
        if (got == 0)
            break;
        if (data.size() + static_cast<std::size_t>(got) > maxBytes) {
            zip_fclose(file);
            result.error = QStringLiteral("entry larger than %1 bytes").arg(maxBytes);
            return result;
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    // A checksum mismatch (damaged data, or a wrong password that slipped past the
    // one-byte check) is reported when the file is closed.
    const int closeError = zip_fclose(file);
    if (closeError != 0) {
        result.error = zipErrorText(closeError);
        return result;
    }
    result.status = ZipEntryResult::Status::Read;
    result.data = std::move(data);
    return result;
}

} // namespace zek
