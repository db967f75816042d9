#include "ShellStyle.h"

#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyleOption>
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

void ShellStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionToolBar*>(option);
    // The style gives its bevel only to the tool bars of a main window.
    if (element != CE_ToolBar || !bar || bar->toolBarArea != Qt::TopToolBarArea || !widget ||
        !qobject_cast<const QMainWindow*>(widget->parentWidget())) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The style's background alone: a tool bar of no area gets no lines.
    QStyleOptionToolBar background = *bar;
    background.toolBarArea = Qt::NoToolBarArea;
    QProxyStyle::drawControl(element, &background, painter, widget);

    const QRect& r = bar->rect;
    const QColor light(255, 255, 255, 90);
    const QColor shadow(0, 0, 0, 60);
    const auto line = [&](int y, const QColor& color) {
        painter->fillRect(r.left(), y, r.width(), 1, color);
    };
    // The last (or only) line of tool bars blends into the window below with a double line.
    if (bar->positionOfLine == QStyleOptionToolBar::End ||
        bar->positionOfLine == QStyleOptionToolBar::OnlyOne) {
        line(r.bottom(), light);
        line(r.bottom() - 1, shadow);
    } else {
        line(r.bottom(), shadow);
    }
    line(r.top(), light);
}

} // namespace zek
