// SPDX-License-Identifier: GPL-3.0-or-later
// find_picture SCREEN PICTURE: prints "X Y", where PICTURE stands pixel for pixel in SCREEN
// (the top-left one when it stands in several places), and exits 0; exits 1 when it stands
// nowhere, 2 when a file cannot be read. Both are read as opaque RGB (0xffRRGGBB): a screen
// has no alpha to show, so rows compare as bytes.

#include <QImage>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

bool standsAt(const QImage& screen, const QImage& picture, int x, int y) {
    const auto rowBytes = static_cast<size_t>(picture.width()) * sizeof(QRgb);
    for (int row = 0; row < picture.height(); ++row)
        if (std::memcmp(picture.constScanLine(row), screen.constScanLine(y + row) + x * sizeof(QRgb),
                        rowBytes) != 0)
            return false;
    return true;
}

std::optional<QPoint> find(const QImage& screen, const QImage& picture) {
    for (int y = 0; y + picture.height() <= screen.height(); ++y)
        for (int x = 0; x + picture.width() <= screen.width(); ++x)
            if (standsAt(screen, picture, x, y)) return QPoint(x, y);
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: find_picture SCREEN PICTURE\n");
        return 2;
    }
    const QImage screen = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (screen.isNull() || picture.isNull()) {
        std::fprintf(stderr, "find_picture: cannot read %s or %s\n", argv[1], argv[2]);
        return 2;
    }
    const auto at = find(screen, picture);
    if (!at) return 1;
    std::printf("%d %d\n", at->x(), at->y());
    return 0;
}
