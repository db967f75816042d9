// The yardstick of the command line's start-up: a process that creates a QCoreApplication
// and ends.

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return 0;
}
