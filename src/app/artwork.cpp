// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "working/bidi.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QResource>
#include <QSvgRenderer>

#include <functional>
#include <map>
#include <memory>

namespace sb::artwork {

namespace {

// Draws a picture in its own coordinates, 0 .. width and 0 .. height.
using Drawing = std::function<void(QPainter&)>;

// An icon drawn at whatever size it is asked for: Qt asks for the size in device pixels.
class DrawnIcon : public QIconEngine {
public:
    DrawnIcon(QSizeF canvas, Drawing draw) : canvas_(canvas), draw_(std::move(draw)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        painter->scale(rect.width() / canvas_.width(), rect.height() / canvas_.height());
        draw_(*painter);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        return pixmap;
    }
    QIconEngine* clone() const override { return new DrawnIcon(*this); }

private:
    QSizeF canvas_;
    Drawing draw_;
};

// An icon drawn once for each size it is asked for, and kept; every window hands the
// program's icon to the desktop. The sizes the build renders (the icon_pixels resource) are
// taken from there and not drawn at all, and the drawing is read only when another size is
// first asked for.
class KeptIcon : public QIconEngine {
public:
    explicit KeptIcon(std::function<QIcon()> drawing) : kept_(std::make_shared<Kept>()) {
        kept_->read = std::move(drawing);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap& kept = kept_->pixmaps[{size.width(), size.height()}];
        if (kept.isNull()) kept = builtPixels(size);
        if (kept.isNull()) kept = drawn().pixmap(size, 1.0, mode, state);
        return kept;
    }
    QIconEngine* clone() const override { return new KeptIcon(*this); }

private:
    static QPixmap builtPixels(const QSize& size) {
        const QResource pixels(QStringLiteral(":/icon/%1.rgba").arg(size.width()));
        if (size.width() != size.height() || !pixels.isValid() ||
            pixels.compressionAlgorithm() != QResource::NoCompression ||
            pixels.size() != qint64(size.width()) * size.height() * 4)
            return {};
        return QPixmap::fromImage(QImage(pixels.data(), size.width(), size.height(),
                                         QImage::Format_RGBA8888_Premultiplied));
    }
    const QIcon& drawn() {
        if (kept_->drawn.isNull()) kept_->drawn = kept_->read();
        return kept_->drawn;
    }

    struct Kept { // shared by the copies Qt makes of the icon
        std::function<QIcon()> read;
        QIcon drawn;
        std::map<std::pair<int, int>, QPixmap> pixmaps;
    };
    std::shared_ptr<Kept> kept_;
};

// Bold text centred in the area.
void caption(QPainter& p, const QRectF& area, const QString& family, int pixels, bool italic,
             QColor colour, const QString& text) {
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
}

void drawDonationButton(QPainter& p) {
    QLinearGradient gold(0, 0, 0, 31);
    gold.setColorAt(0, QColor(255, 236, 170));
    gold.setColorAt(1, QColor(247, 181, 41));
    p.setBrush(gold);
    p.setPen(QPen(QColor(191, 127, 20), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 92, 30), 14, 14);
    // the word the donation window's button is called by (its spoken name); never slanted in
    // Arabic, as the windows' texts are not (see fontOf)
    const QString word = QCoreApplication::translate("Form14", "Donate");
    caption(p, QRectF(0, 0, 93, 31), "Arial", 15, !working::hasRightToLeftLetter(word),
            QColor(0, 48, 135), word);
}

} // namespace

QIcon donationButton() { return QIcon(new DrawnIcon(donationSize, drawDonationButton)); }

QCursor linkPointer() {
    // drawn at the screen's pixel density; the hot spot stays in device-independent pixels
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(32, 32) * ratio);
    pixmap.setDevicePixelRatio(ratio);
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
    return QIcon(new KeptIcon([] {
        // the same drawing the installed icons are made from at build time
        auto svg = std::make_shared<QSvgRenderer>(QStringLiteral(":/sumbrook.svg"));
        return QIcon(new DrawnIcon(svg->viewBoxF().size(), [svg](QPainter& p) {
            svg->render(&p, QRectF(QPointF(), svg->viewBoxF().size()));
        }));
    }));
}

} // namespace sb::artwork
