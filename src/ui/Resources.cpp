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
    QIcon icon;
    for (const int size : {16, 22, 32, 44}) {
        const QResource bits(QStringLiteral(":/zek/icons/%1-%2.argb").arg(QLatin1String(name)).arg(size));
        if (bits.compressionAlgorithm() != QResource::NoCompression || bits.size() != qint64(size) * size * 4)
            continue;
        icon.addPixmap(QPixmap::fromImage(
            QImage(bits.data(), size, size, size * 4, QImage::Format_ARGB32_Premultiplied)));
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
