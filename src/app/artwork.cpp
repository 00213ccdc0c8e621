#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sb::artwork {

namespace {

// Bold text centred in the picture.
void caption(QPainter& p, const QPixmap& on, const QString& family, int pixels, bool italic,
             QColor colour, const QString& text) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(on.rect(), Qt::AlignCenter, text);
}

} // namespace

QPixmap donationButton() {
    QPixmap pixmap(93, 31);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gold(0, 0, 0, 31);
    gold.setColorAt(0, QColor(255, 236, 170));
    gold.setColorAt(1, QColor(247, 181, 41));
    p.setBrush(gold);
    p.setPen(QPen(QColor(191, 127, 20), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 92, 30), 14, 14);
    caption(p, pixmap, "Arial", 15, true, QColor(0, 48, 135), "Donate");
    return pixmap;
}

QCursor linkPointer() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // a hand with its index finger raised; the finger tip is the hot spot
    QPainterPath hand;
    hand.addRoundedRect(QRectF(9, 1, 5, 16), 2.5, 2.5);  // index finger
    hand.addRoundedRect(QRectF(14, 9, 4.5, 9), 2, 2);    // middle finger
    hand.addRoundedRect(QRectF(18.5, 10, 4.5, 8), 2, 2); // ring finger
    hand.addRoundedRect(QRectF(23, 11, 4, 7), 2, 2);     // little finger
    hand.addRoundedRect(QRectF(4, 13, 7, 5), 2.5, 2.5);  // thumb
    hand.addRoundedRect(QRectF(8, 14, 19, 14), 5, 5);    // palm
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(hand.simplified());
    return QCursor(pixmap, 11, 1);
}

QIcon programIcon() {
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(192, 192, 255));
    p.setPen(QPen(QColor(10, 36, 106), 3));
    p.drawRoundedRect(QRectF(3, 3, 58, 58), 10, 10);
    caption(p, pixmap, "Serif", 34, false, QColor(10, 36, 106), QString(QChar(0x03a3))); // sigma
    return QIcon(pixmap);
}

} // namespace sb::artwork
