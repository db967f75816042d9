#include "ShellStyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

namespace zek {
namespace {

// Two chevrons pointing right (a horizontal bar) or down (a vertical one).
QIcon extensionArrows(bool horizontal, const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 1.5));
    if (!horizontal) {
        painter.translate(16, 0);
        painter.rotate(90);
    }
    for (const int x : {4, 9}) {
        QPainterPath chevron;
        chevron.moveTo(x, 4);
        chevron.lineTo(x + 3.5, 8);
        chevron.lineTo(x, 12);
        painter.drawPath(chevron);
    }
    return QIcon(pixmap);
}

} // namespace

QIcon ShellStyle::standardIcon(StandardPixmap pixmap, const QStyleOption* option,
                               const QWidget* widget) const {
    if (pixmap == SP_ToolBarHorizontalExtensionButton || pixmap == SP_ToolBarVerticalExtensionButton) {
        const QColor color = widget ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black);
        return extensionArrows(pixmap == SP_ToolBarHorizontalExtensionButton, color);
    }
    return QProxyStyle::standardIcon(pixmap, option, widget);
}

} // namespace zek
