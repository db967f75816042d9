#pragma once

#include <QProxyStyle>

namespace zek {

// The platform's style, except for the arrows of a menu or tool bar that runs out of room:
// the style would read them from image files, and finding the reader of an image file
// loads every image format plugin of the system before the main window can show.
// Drawn here, they need none.
class ShellStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap pixmap, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace zek
