#pragma once

#include <QProxyStyle>

namespace zek {

// The platform's style, with two things drawn here so that the main window shows sooner:
// - the arrows of a menu or tool bar that runs out of room: the style would read them from
//   image files, and finding the reader of an image file loads every image format plugin
//   of the system;
// - the light and dark lines of a tool bar at the top: the style draws them as lines, whose
//   pixels each count as a span, and so many spans make the raster engine start threads
//   to blend them. One-pixel rectangles give the same pixels in one span a row.
class ShellStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace zek
