#include "ZipEntry.h"

#include "core/LoadedLibrary.h"

#include <QFile>
#include <memory>
#include <zip.h>

namespace zek {
namespace {

// The zip library is loaded when an archive is first read: it brings a cryptography
// library of several megabytes that a run without archive never needs.
struct ZipLibrary {
    decltype(&::zip_open) open = nullptr;
    decltype(&::zip_discard) discard = nullptr;
    decltype(&::zip_set_default_password) setDefaultPassword = nullptr;
    decltype(&::zip_name_locate) nameLocate = nullptr;
    decltype(&::zip_fopen_index) fopenIndex = nullptr;
    decltype(&::zip_fread) fread = nullptr;
    decltype(&::zip_fclose) fclose = nullptr;
    decltype(&::zip_strerror) strerror = nullptr;
    decltype(&::zip_file_strerror) fileStrerror = nullptr;
    decltype(&::zip_error_init_with_code) errorInitWithCode = nullptr;
    decltype(&::zip_error_strerror) errorStrerror = nullptr;
    decltype(&::zip_error_fini) errorFini = nullptr;
    QString failure;

    static const ZipLibrary& get() {
        static const ZipLibrary library;
        return library;
    }

private:
    ZipLibrary() {
        LoadedLibrary lib(QStringLiteral("zip"), 4, true);
        lib.resolve(open, "zip_open");
        lib.resolve(discard, "zip_discard");
        lib.resolve(setDefaultPassword, "zip_set_default_password");
        lib.resolve(nameLocate, "zip_name_locate");
        lib.resolve(fopenIndex, "zip_fopen_index");
        lib.resolve(fread, "zip_fread");
        lib.resolve(fclose, "zip_fclose");
        lib.resolve(strerror, "zip_strerror");
        lib.resolve(fileStrerror, "zip_file_strerror");
        lib.resolve(errorInitWithCode, "zip_error_init_with_code");
        lib.resolve(errorStrerror, "zip_error_strerror");
        lib.resolve(errorFini, "zip_error_fini");
        failure = lib.failure();
    }
};

QString zipErrorText(const ZipLibrary& zip, int code) {
    zip_error_t error;
    zip.errorInitWithCode(&error, code);
    const QString text = QString::fromLocal8Bit(zip.errorStrerror(&error));
    zip.errorFini(&error);
    return text;
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { ZipLibrary::get().discard(archive); }
};

} // namespace

ZipEntryResult readZipEntry(const QString& archivePath, const char* password, const std::string& entryName,
                            std::size_t maxBytes) {
    ZipEntryResult result;
    const ZipLibrary& zip = ZipLibrary::get();
    if (!zip.failure.isEmpty()) {
        result.error = zip.failure;
        return result;
    }
    int openError = 0;
    const QByteArray nativePath = QFile::encodeName(archivePath);
    std::unique_ptr<zip_t, ArchiveCloser> archive(zip.open(nativePath.constData(), ZIP_RDONLY, &openError));
    if (!archive) {
        result.error = zipErrorText(zip, openError);
        return result;
    }
    if (zip.setDefaultPassword(archive.get(), password) != 0) {
        result.error = QString::fromLocal8Bit(zip.strerror(archive.get()));
        return result;
    }
    // The archive was made on a system whose file names ignore case.
    zip_int64_t index = zip.nameLocate(archive.get(), entryName.c_str(), 0);
    if (index < 0)
        index = zip.nameLocate(archive.get(), entryName.c_str(), ZIP_FL_NOCASE);
    if (index < 0) {
        result.status = ZipEntryResult::Status::EntryMissing;
        return result;
    }
    zip_file_t* file = zip.fopenIndex(archive.get(), static_cast<zip_uint64_t>(index), 0);
    if (!file) {
        result.error = QString::fromLocal8Bit(zip.strerror(archive.get()));
        return result;
    }
    std::string data;
    char buffer[65536];
    for (;;) {
        const zip_int64_t got = zip.fread(file, buffer, sizeof buffer);
        if (got < 0) {
            result.error = QString::fromLocal8Bit(zip.fileStrerror(file));
            zip.fclose(file);
            return result;
        }
        if (got == 0)
            break;
        if (data.size() + static_cast<std::size_t>(got) > maxBytes) {
            zip.fclose(file);
            result.error = QStringLiteral("entry larger than %1 bytes").arg(maxBytes);
            return result;
        }
        data.append(buffer, static_cast<std::size_t>(got));
    }
    // A checksum mismatch (damaged data, or a wrong password that slipped past the
    // one-byte check) is reported when the file is closed.
    const int closeError = zip.fclose(file);
    if (closeError != 0) {
        result.error = zipErrorText(zip, closeError);
        return result;
    }
    result.status = ZipEntryResult::Status::Read;
    result.data = std::move(data);
    return result;
}

} // namespace zek
