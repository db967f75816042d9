#include "ui/Resources.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QResource>

static void initShellIcons() {
    Q_INIT_RESOURCE(shell_icons);
}

namespace zek {

void InitShellResources() {
    initShellIcons();
}

QIcon ShellIcon(const char* name) {
    // One resource per icon holds its sizes one after the other (see src/ui/CMakeLists.txt).
    static constexpr int kSizes[] = {16, 22, 32, 44};
    const QResource bits(QStringLiteral(":/zek/icons/") + QLatin1String(name) + QStringLiteral(".argb"));
    QIcon icon;
    if (bits.compressionAlgorithm() != QResource::NoCompression)
        return icon;
    qint64 at = 0;
    for (const int size : kSizes) {
        const qint64 bytes = qint64(size) * size * 4;
        if (at + bytes > bits.size())
            break;
        icon.addPixmap(QPixmap::fromImage(
            QImage(bits.data() + at, size, size, size * 4, QImage::Format_ARGB32_Premultiplied)));
        at += bytes;
    }
    return icon;
}

void SetApplicationIdentity(const QString& version) {
    QGuiApplication::setApplicationName(QStringLiteral("ZEK"));
    QGuiApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(QStringLiteral("zek"));
    InitShellResources();
    QGuiApplication::setWindowIcon(ShellIcon("zek"));
}

} // namespace zek
