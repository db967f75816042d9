#include "ui/Resources.h"

#include <QGuiApplication>
#include <QIcon>
#include <QtGlobal>

static void initShellQrc() {
    Q_INIT_RESOURCE(shell);
}

namespace zek {

void InitShellResources() {
    initShellQrc();
}

void SetApplicationIdentity(const QString& version) {
    QGuiApplication::setApplicationName(QStringLiteral("ZEK"));
    QGuiApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(QStringLiteral("zek"));
    InitShellResources();
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/zek/zek.svg")));
}

} // namespace zek
