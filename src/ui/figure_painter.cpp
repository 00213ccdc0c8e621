// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_painter.h"

#include "entry/conversions.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSvgGenerator>

#include <cmath>

namespace sb::ui {

using working::Element;
using working::Figure;
using working::Place;
using working::Shape;

namespace {

double luminance(const QColor& c) {
    auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
           0.0722 * channel(c.blueF());
}

// Where the exercise's units land in the area: y up, one scale for both axes when the
// figure asks for true proportions.
struct Mapping {
    working::Box box;
    QRectF plot;
    double sx = 1, sy = 1;

    Mapping(const Figure& figure, const QRectF& area) {
        box = figure.extent();
        double w = box.right - box.left, h = box.top - box.bottom;
        // a figure with no width or height still gets a little room around it; a chart with
        // a scale for each axis (counts over values in the thousands) only where it is flat
        const double least = std::max({std::abs(w), std::abs(h), 1e-300}) * 0.1;
        const double leastW = figure.sameScale || w <= 0 ? least : 0;
        const double leastH = figure.sameScale || h <= 0 ? least : 0;
        if (w < leastW) box.left -= leastW, box.right += leastW, w = box.right - box.left;
        if (h < leastH) box.bottom -= leastH, box.top += leastH, h = box.top - box.bottom;
        if (!figure.view) { // a margin so marks at the edge are whole
            box.left -= w * 0.06, box.right += w * 0.06;
            box.bottom -= h * 0.08, box.top += h * 0.08;
            w = box.right - box.left, h = box.top - box.bottom;
        }
        const double left = figure.axes ? 46 : 14, bottom = figure.axes ? 30 : 14;
        plot = area.adjusted(left, 16, -16, -bottom);
        sx = plot.width() / w;
        sy = plot.height() / h;
        if (figure.sameScale) {
            const double s = std::min(sx, sy);
            // centre the figure in the room the other direction leaves
            const double dx = (w - plot.width() / s) / 2, dy = (h - plot.height() / s) / 2;
            box.left += dx, box.right -= dx, box.bottom += dy, box.top -= dy;
            sx = sy = s;
        }
    }
    QPointF operator()(double x, double y) const {
        return {plot.left() + (x - box.left) * sx, plot.bottom() - (y - box.bottom) * sy};
    }
};

double niceStep(double range) {
    const double raw = range / 6;
    const double magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * magnitude) return m * magnitude;
    return 10 * magnitude;
}

QString tickText(double value) {
    try {
        return resultText(value);
    } catch (...) {
        return {};
    }
}

// The rectangle a text takes when it stands at place from the anchor, kept inside area.
QRectF textRect(const QPainter& p, const QPointF& anchor, const QString& text, Place place,
                const QRectF& area) {
    const QRectF size = p.fontMetrics().boundingRect(text);
    const double w = size.width() + 2, h = size.height(), gap = 6;
    double x = anchor.x() - w / 2, y = anchor.y() - h / 2;
    switch (place) {
    case Place::Centre: break;
    case Place::Above: y = anchor.y() - gap - h; break;
    case Place::Below: y = anchor.y() + gap; break;
    case Place::Left: x = anchor.x() - gap - w; break;
    case Place::Right: x = anchor.x() + gap; break;
    case Place::AboveRight: x = anchor.x() + gap, y = anchor.y() - gap - h; break;
    case Place::AboveLeft: x = anchor.x() - gap - w, y = anchor.y() - gap - h; break;
    case Place::BelowRight: x = anchor.x() + gap, y = anchor.y() + gap; break;
    case Place::BelowLeft: x = anchor.x() - gap - w, y = anchor.y() + gap; break;
    }
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() - w));
    y = std::clamp(y, area.top(), std::max(area.top(), area.bottom() - h));
    return {x, y, w, h};
}

void drawText(QPainter& p, const QPointF& anchor, const QString& text, Place place,
              const QRectF& area, const FigureColours& colours) {
    if (text.isEmpty()) return;
    const QRectF r = textRect(p, anchor, text, place, area);
    // a soft backing keeps a label readable over lines and shading
    QColor backing = colours.paper;
    backing.setAlpha(200);
    p.fillRect(r, backing);
    p.drawText(r, Qt::AlignCenter, text);
}

void drawAxes(QPainter& p, const Mapping& m, const Figure& f, const FigureColours& colours,
              const QRectF& area) {
    const working::Box& b = m.box;
    const double axisY = (b.bottom <= 0 && 0 <= b.top) ? 0 : b.bottom;
    const double axisX = (b.left <= 0 && 0 <= b.right) ? 0 : b.left;
    const double xStep = niceStep(b.right - b.left), yStep = niceStep(b.top - b.bottom);
    // a view far narrower than its distance from 0 has ticks no double can tell apart
    const auto countable = [](double from, double to, double step) {
        return std::isfinite(step) && step > 0 && std::abs(from / step) < 1e12 &&
               std::abs(to / step) < 1e12;
    };
    // a chart of bars set side by side for comparison has no numbers along x
    const bool xTicks = f.xTicks && countable(b.left, b.right, xStep);
    const bool yTicks = countable(b.bottom, b.top, yStep);
    QPen grid(colours.grid, 1);
    QPen axis(colours.text, 1.2);
    for (double k = std::ceil(b.left / xStep); xTicks && k * xStep <= b.right; ++k) {
        const double x = k * xStep;
        const QPointF at = m(x, axisY);
        p.setPen(grid);
        p.drawLine(QPointF(at.x(), m.plot.top()), QPointF(at.x(), m.plot.bottom()));
        p.setPen(axis);
        p.drawLine(at, at + QPointF(0, 4));
        if (k != 0 || axisX != 0)
            drawText(p, at + QPointF(0, 4), tickText(x), Place::Below, area, colours);
    }
    for (double k = std::ceil(b.bottom / yStep); yTicks && k * yStep <= b.top; ++k) {
        const double y = k * yStep;
        const QPointF at = m(axisX, y);
        p.setPen(grid);
        p.drawLine(QPointF(m.plot.left(), at.y()), QPointF(m.plot.right(), at.y()));
        p.setPen(axis);
        p.drawLine(at, at - QPointF(4, 0));
        if (k != 0 || axisY != 0)
            drawText(p, at - QPointF(4, 0), tickText(y), Place::Left, area, colours);
    }
    p.setPen(axis);
    p.drawLine(m(b.left, axisY), m(b.right, axisY));
    p.drawLine(m(axisX, b.bottom), m(axisX, b.top));
    drawText(p, m(b.right, axisY), f.xName, Place::AboveLeft, area, colours);
    drawText(p, m(axisX, b.top), f.yName, Place::Right, area, colours);
}

QPainterPath sampledArc(const Mapping& m, double cx, double cy, double r, double start,
                        double span) {
    QPainterPath path;
    const int n = std::max(8, int(std::abs(span) / 3));
    for (int i = 0; i <= n; ++i) {
        const double a = (start + span * i / n) * M_PI / 180;
        const QPointF at = m(cx + r * std::cos(a), cy + r * std::sin(a));
        if (i == 0) path.moveTo(at);
        else path.lineTo(at);
    }
    return path;
}

QPointF anchorOf(const Mapping& m, const Element& e) {
    const auto& n = e.numbers;
    switch (e.shape) {
    case Shape::Segment:
    case Shape::Arrow: return m((n[0] + n[2]) / 2, (n[1] + n[3]) / 2);
    case Shape::Circle: return m(n[0] + n[2], n[1]);
    case Shape::Arc: {
        const double a = (n[3] + n[4] / 2) * M_PI / 180;
        return m(n[0] + n[2] * std::cos(a), n[1] + n[2] * std::sin(a));
    }
    case Shape::Bar: return m(n[0] + n[2] / 2, n[1] + n[3]);
    case Shape::Polygon:
    case Shape::Curve: return m(n[n.size() - 2], n[n.size() - 1]);
    default: return m(n[0], n[1]);
    }
}

void drawElement(QPainter& p, const Mapping& m, const Element& e, const FigureColours& colours,
                 const QRectF& area) {
    const QColor ink = colours.inks[int(e.look.ink)];
    QPen pen(ink, e.look.heavy ? 3.2 : 1.8);
    if (e.look.dashed) pen.setStyle(Qt::DashLine);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    QColor shade = ink;
    shade.setAlpha(70);
    const QBrush fill = e.look.filled ? QBrush(shade) : QBrush(Qt::NoBrush);
    const auto& n = e.numbers;
    QPainterPath outline;
    switch (e.shape) {
    case Shape::Point:
        p.setBrush(ink);
        p.drawEllipse(m(n[0], n[1]), 4, 4);
        break;
    case Shape::Segment: p.drawLine(m(n[0], n[1]), m(n[2], n[3])); break;
    case Shape::Arrow: {
        const QPointF from = m(n[0], n[1]), to = m(n[2], n[3]);
        p.drawLine(from, to);
        const QPointF d = to - from;
        const double length = std::hypot(d.x(), d.y());
        if (length > 0) {
            const QPointF u = d / length, side(-u.y(), u.x());
            p.setBrush(ink);
            p.setPen(QPen(ink, 1));
            p.drawPolygon(QPolygonF{to, to - u * 10 + side * 4, to - u * 10 - side * 4});
        }
        break;
    }
    case Shape::Polygon:
    case Shape::Curve:
        for (size_t i = 0; i + 1 < n.size(); i += 2)
            if (i == 0) outline.moveTo(m(n[0], n[1]));
            else outline.lineTo(m(n[i], n[i + 1]));
        if (e.shape == Shape::Polygon) outline.closeSubpath();
        break;
    case Shape::Circle: outline = sampledArc(m, n[0], n[1], n[2], 0, 360); break;
    case Shape::Arc: outline = sampledArc(m, n[0], n[1], n[2], n[3], n[4]); break;
    case Shape::Bar: outline.addRect(QRectF(m(n[0], n[1]), m(n[0] + n[2], n[1] + n[3])).normalized()); break;
    case Shape::Label:
        p.setPen(colours.text);
        drawText(p, m(n[0], n[1]), e.text, e.look.place, area, colours);
        return;
    }
    if (!outline.isEmpty()) {
        if (e.shape != Shape::Curve && e.shape != Shape::Arc) {
            p.fillPath(outline, fill);
            if (e.look.hatched) p.fillPath(outline, QBrush(ink, Qt::BDiagPattern));
        }
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
    }
    p.setPen(colours.text);
    drawText(p, anchorOf(m, e), e.text, e.look.place, area, colours);
}

} // namespace

FigureColours FigureColours::from(const QPalette& palette) {
    FigureColours c;
    c.paper = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    const bool dark = luminance(c.paper) < 0.2;
    c.grid = dark ? QColor(0x3c, 0x3c, 0x3c) : QColor(0xe4, 0xe4, 0xe4);
    const QColor light[] = {"#1a56b0", "#b3261e", "#1e7b34", "#666666"};
    const QColor night[] = {"#8ab4f8", "#f28b82", "#81c995", "#a8a8a8"};
    for (int i = 0; i < 4; ++i) {
        c.inks[i] = dark ? night[i] : light[i];
        if (contrast(c.inks[i], c.paper) < 3) c.inks[i] = c.text; // an unusual palette
    }
    return c;
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void paintFigure(QPainter& p, const QRectF& area, const Figure& figure,
                 const FigureColours& colours) {
    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, colours.paper);
    if (!figure.empty()) {
        QFont font = p.font();
        font.setPointSizeF(8.5);
        p.setFont(font);
        const Mapping m(figure, area);
        if (figure.axes) drawAxes(p, m, figure, colours, area);
        // shapes first, then marks and labels on top so they stay readable
        for (int pass = 0; pass < 2; ++pass)
            for (const Element& e : figure.elements) {
                const bool mark = e.shape == Shape::Point || e.shape == Shape::Label;
                if (mark == (pass == 1)) drawElement(p, m, e, colours, area);
            }
    }
    p.restore();
}

bool saveFigure(const Figure& figure, const QString& path, const QPalette& palette,
                qreal pixelRatio) {
    const QSize size(640, 420);
    const FigureColours colours = FigureColours::from(palette);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"svg") {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        // the generator writes both as they are, so a "<" of a comparison would break the file
        svg.setTitle(figure.description.toHtmlEscaped());
        svg.setDescription(figure.description.toHtmlEscaped());
        QPainter p;
        if (!p.begin(&svg)) return false;
        paintFigure(p, QRectF(QPoint(), size), figure, colours);
        return p.end();
    }
    if (suffix != u"png") return false;
    QImage image(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(colours.paper);
    QPainter p(&image);
    paintFigure(p, QRectF(QPoint(), size), figure, colours);
    p.end();
    return image.save(path, "PNG");
}

} // namespace sb::ui
