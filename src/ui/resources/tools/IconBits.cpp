// Draws a shell icon from its SVG into the pixels the program shows, so that showing an
// icon needs neither the SVG library nor an image decoder.
//
//   zek-iconbits SVG SIZE OUT
//
// OUT holds SIZE × SIZE pixels of QImage::Format_ARGB32_Premultiplied, row after row, in
// the byte order of the machine that builds (and runs) the program.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("usage: zek-iconbits SVG SIZE OUT\n", stderr);
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!svg.isValid() || size <= 0) {
        std::fprintf(stderr, "zek-iconbits: cannot draw %s at %s pixels\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();

    QFile out(QString::fromLocal8Bit(argv[3]));
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes || !out.flush()) {
        std::fprintf(stderr, "zek-iconbits: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
