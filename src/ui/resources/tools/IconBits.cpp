// Draws a shell icon from its SVG into the pixels the program shows, so that showing an
// icon needs neither the SVG library nor an image decoder.
//
//   zek-iconbits SVG OUT SIZE...
//
// OUT holds the icon at each SIZE in turn, SIZE × SIZE pixels of
// QImage::Format_ARGB32_Premultiplied row after row, in the byte order of the machine
// that builds (and runs) the program.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fputs("usage: zek-iconbits SVG OUT SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!svg.isValid() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "zek-iconbits: cannot draw %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0) {
            std::fprintf(stderr, "zek-iconbits: %s is no size\n", argv[i]);
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
        painter.end();
        const auto bytes = static_cast<qint64>(image.sizeInBytes());
        if (out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
            std::fprintf(stderr, "zek-iconbits: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    return out.flush() ? 0 : 1;
}
