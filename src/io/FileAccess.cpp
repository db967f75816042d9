#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
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

// Reads at most maxBytes; a longer file is refused unless only its start is wanted.
// Only regular files are read: a FIFO or a device could block or never end.
std::optional<QByteArray> readAll(const char* path, qint64 maxBytes, bool startOnly, int& err) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        err = errno;
        return std::nullopt;
    }
    const auto fail = [fd, &err](int code) {
        err = code;
        ::close(fd);
        return std::nullopt;
    };
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return fail(errno);
    if (S_ISDIR(st.st_mode))
        return fail(EISDIR);
    if (!S_ISREG(st.st_mode))
        return fail(ENODEV);
    QByteArray out;
    char buffer[65536];
    for (;;) {
        const qint64 room = startOnly ? std::min<qint64>(qint64(sizeof buffer), maxBytes - out.size())
                                      : qint64(sizeof buffer);
        if (room == 0)
            break;
        const ssize_t n = ::read(fd, buffer, std::size_t(room));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            break;
        if (out.size() + n > maxBytes)
            return fail(EFBIG);
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

std::optional<QByteArray> readFileBytes(const QString& path, qint64 maxBytes, int* errorCode) {
    int err = 0;
    auto bytes = readAll(QFile::encodeName(path).constData(), maxBytes, false, err);
    if (errorCode)
        *errorCode = err;
    return bytes;
}

std::optional<QByteArray> readFileStart(const QString& path, qint64 count, int* errorCode) {
    int err = 0;
    auto bytes = readAll(QFile::encodeName(path).constData(), count, true, err);
    if (errorCode)
        *errorCode = err;
    return bytes;
}

bool sameFile(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

bool isSpecialFile(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && !S_ISREG(st.st_mode) &&
           !S_ISDIR(st.st_mode);
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
    // A FIFO or a device node is never replaced by a file of ours.
    if (exists && !S_ISREG(old.st_mode)) {
        err = ENODEV;
        return IoStatus::WriteFailed;
    }
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

    int readError = 0;
    const auto back = readAll(temp.path(), bytes.size() + 1, false, readError);
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
