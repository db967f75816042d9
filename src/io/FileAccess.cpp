#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zek {
namespace {

// Closes a descriptor and removes the temporary file unless it was handed over.
class TempFile {
public:
    explicit TempFile(QByteArray pathTemplate) : m_path(std::move(pathTemplate)) {
        m_fd = ::mkstemp(m_path.data());
    }
    ~TempFile() {
        closeFd();
        if (!m_kept)
            ::unlink(m_path.constData());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int fd() const { return m_fd; }
    const char* path() const { return m_path.constData(); }
    bool closeFd() {
        if (m_fd < 0)
            return true;
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc == 0;
    }
    void keep() { m_kept = true; }

private:
    QByteArray m_path;
    int m_fd = -1;
    bool m_kept = false;
};

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::optional<QByteArray> readAll(const char* path, qint64 maxBytes) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray out;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (out.size() + n > maxBytes) {
            ::close(fd);
            return std::nullopt;
        }
        out.append(buffer, n);
    }
    ::close(fd);
    return out;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes) {
    return readAll(QFile::encodeName(path).constData(), maxBytes);
}

bool isReadOnlyFile(const QString& path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    return (st.st_mode & S_IWUSR) == 0;
}

IoStatus writeFileAtomically(const QString& path, const QByteArray& bytes,
                             const std::function<bool(const QByteArray&)>& check, int* errorCode) {
    int dummy = 0;
    int& err = errorCode ? *errorCode : dummy;
    err = 0;

    // A link keeps pointing at the file it named; the file behind it is replaced.
    QFileInfo info(path);
    const QString target = !info.isSymLink() ? info.absoluteFilePath()
                           : info.exists()   ? info.canonicalFilePath()
                                             : info.symLinkTarget();
    info = QFileInfo(target);
    if (info.isDir()) {
        err = EISDIR;
        return IoStatus::WriteFailed;
    }

    struct stat old {};
    const bool exists = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    const mode_t mode = exists ? (old.st_mode & 07777) : newFileMode();

    // The name of the new file stays within the length a folder entry may have.
    TempFile temp(QFile::encodeName(info.absolutePath() + "/." + info.fileName().left(120) + ".XXXXXX"));
    if (temp.fd() < 0) {
        err = errno;
        return IoStatus::WriteFailed;
    }
    if (!writeAll(temp.fd(), bytes.constData(), static_cast<std::size_t>(bytes.size())) ||
        ::fsync(temp.fd()) != 0) {
        err = errno;
        return IoStatus::WriteFailed;
    }
    if (exists && ::fchown(temp.fd(), old.st_uid, old.st_gid) != 0) {
        // Only the owner's own files or a privileged user can keep the owner; the
        // content matters more than the owner, so the write goes on.
    }
    if (::fchmod(temp.fd(), mode) != 0 || !temp.closeFd()) {
        err = errno;
        return IoStatus::WriteFailed;
    }

    const auto back = readAll(temp.path(), bytes.size() + 1);
    if (!back || *back != bytes || (check && !check(*back)))
        return IoStatus::CheckFailed;

    if (::rename(temp.path(), QFile::encodeName(target).constData()) != 0) {
        err = errno;
        return IoStatus::ReplaceFailed;
    }
    temp.keep();

    // The new name must reach the disk as well as the content.
    const int dir =
        ::open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return IoStatus::Ok;
}

} // namespace zek
