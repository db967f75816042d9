#pragma once

#include <QGuiApplication>

namespace zek::bench {

// Drawing text needs fonts and so a GUI application, on the offscreen platform unless
// another one is asked for. Created on first use, once per benchmark program.
inline QGuiApplication& guiApp() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication instance(argc, argv);
    return instance;
}

} // namespace zek::bench
