// The yardstick of the start-up benchmark: a Qt Widgets program that shows one empty
// window and quits as soon as it is shown.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(636, 450);
    window.show();
    QTimer::singleShot(0, &app, [&app] { app.exit(0); });
    return QApplication::exec();
}
