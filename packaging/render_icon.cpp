// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon drawing to a square PNG at build time:
//     render_icon DRAWING.svg OUT.png SIZE

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon DRAWING.svg OUT.png SIZE\n");
        return 2;
    }
    const QString drawing = QString::fromLocal8Bit(argv[1]), out = QString::fromLocal8Bit(argv[2]);
    const int size = QByteArray(argv[3]).toInt();
    QSvgRenderer svg(drawing);
    if (!svg.isValid() || size < 1 || size > 4096) {
        std::fprintf(stderr, "render_icon: cannot draw %s at %s pixels\n", argv[1], argv[3]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    if (!image.save(out, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
