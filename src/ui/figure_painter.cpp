// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure_painter.h"

#include "entry/conversions.h"
#include "whole_file.h"
#include "working/bidi.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <tuple>

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

// The rectangle a text takes when it stands at place from the anchor, kept inside area;
// further out than the usual gap by further, slid along by along (a share of its width above
// or below its anchor, of its height beside it).
QRectF textRect(const QSizeF& size, const QPointF& anchor, Place place, const QRectF& area,
                double further = 0, double along = 0) {
    const double w = size.width(), h = size.height(), gap = 6 + further;
    double x = anchor.x() - w / 2, y = anchor.y() - h / 2;
    if (place == Place::Left || place == Place::Right) y += along * h;
    else x += along * w;
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

// The room a text takes: its bounding rectangle and a pixel to spare across.
QSizeF textSize(const QFontMetrics& metrics, const QString& text) {
    const QRectF size = metrics.boundingRect(text);
    return {size.width() + 2, size.height()};
}

QRectF textRect(const QFontMetrics& metrics, const QPointF& anchor, const QString& text,
                Place place, const QRectF& area) {
    return textRect(textSize(metrics, text), anchor, place, area);
}

void drawTextIn(QPainter& p, const QRectF& r, const QString& text, const FigureColours& colours) {
    if (text.isEmpty()) return;
    // a soft backing keeps a label readable over lines and shading
    QColor backing = colours.paper;
    backing.setAlpha(200);
    p.fillRect(r, backing);
    // a label in Arabic words keeps its numbers and formulas left to right among them
    p.drawText(r, Qt::AlignCenter,
               working::hasRightToLeftLetter(text) ? working::isolateFormulas(text) : text);
}

void drawText(QPainter& p, const QPointF& anchor, const QString& text, Place place,
              const QRectF& area, const FigureColours& colours) {
    if (text.isEmpty()) return;
    drawTextIn(p, textRect(p.fontMetrics(), anchor, text, place, area), text, colours);
}

// The axes of a chart: a grid line, a tick and maybe a number at each step, and the two axes.
struct AxisTick {
    QLineF grid, mark;
    QPointF anchor;
    QString text; // empty at the corner where the axes cross
    Place place;
};
struct Axes {
    std::vector<AxisTick> ticks; // along x, then up y
    QLineF x, y;
    QPointF xNameAt, yNameAt;

    Axes(const Mapping& m, const Figure& f) {
        const working::Box& b = m.box;
        const double axisY = b.xAxisY();
        const double axisX = b.yAxisX();
        const double xStep = niceStep(b.right - b.left), yStep = niceStep(b.top - b.bottom);
        // a view far narrower than its distance from 0 has ticks no double can tell apart
        const auto countable = [](double from, double to, double step) {
            return std::isfinite(step) && step > 0 && std::abs(from / step) < 1e12 &&
                   std::abs(to / step) < 1e12;
        };
        // a chart of bars set side by side for comparison has no numbers along x
        const bool xTicks = f.xTicks && countable(b.left, b.right, xStep);
        const bool yTicks = countable(b.bottom, b.top, yStep);
        for (double k = std::ceil(b.left / xStep); xTicks && k * xStep <= b.right; ++k) {
            const double v = k * xStep;
            const QPointF at = m(v, axisY);
            ticks.push_back({QLineF(at.x(), m.plot.top(), at.x(), m.plot.bottom()),
                             QLineF(at, at + QPointF(0, 4)), at + QPointF(0, 4),
                             k != 0 || axisX != 0 ? tickText(v) : QString(), Place::Below});
        }
        for (double k = std::ceil(b.bottom / yStep); yTicks && k * yStep <= b.top; ++k) {
            const double v = k * yStep;
            const QPointF at = m(axisX, v);
            ticks.push_back({QLineF(m.plot.left(), at.y(), m.plot.right(), at.y()),
                             QLineF(at, at - QPointF(4, 0)), at - QPointF(4, 0),
                             k != 0 || axisY != 0 ? tickText(v) : QString(), Place::Left});
        }
        x = QLineF(m(b.left, axisY), m(b.right, axisY));
        y = QLineF(m(axisX, b.bottom), m(axisX, b.top));
        xNameAt = m(b.right, axisY);
        yNameAt = m(axisX, b.top);
    }
};

void drawAxes(QPainter& p, const Axes& axes, const Figure& f, const FigureColours& colours,
              const QRectF& area) {
    QPen grid(colours.grid, 1);
    QPen axis(colours.text, 1.2);
    for (const AxisTick& t : axes.ticks) {
        p.setPen(grid);
        p.drawLine(t.grid);
        p.setPen(axis);
        p.drawLine(t.mark);
        drawText(p, t.anchor, t.text, t.place, area, colours);
    }
    p.setPen(axis);
    p.drawLine(axes.x);
    p.drawLine(axes.y);
    drawText(p, axes.xNameAt, f.xName, Place::AboveLeft, area, colours);
    drawText(p, axes.yNameAt, f.yName, Place::Right, area, colours);
}

std::vector<QPointF> sampledArcPoints(const Mapping& m, double cx, double cy, double r,
                                      double start, double span) {
    const int n = std::max(8, int(std::abs(span) / 3));
    std::vector<QPointF> points;
    points.reserve(size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const double a = (start + span * i / n) * M_PI / 180;
        points.push_back(m(cx + r * std::cos(a), cy + r * std::sin(a)));
    }
    return points;
}

QPainterPath sampledArc(const Mapping& m, double cx, double cy, double r, double start,
                        double span) {
    QPainterPath path;
    const std::vector<QPointF> points = sampledArcPoints(m, cx, cy, r, start, span);
    for (size_t i = 0; i < points.size(); ++i)
        if (i == 0) path.moveTo(points[i]);
        else path.lineTo(points[i]);
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

// The straight pieces an element draws, in the area's pixels.
void linesOf(const Mapping& m, const Element& e, int index, std::vector<FigureLine>& lines) {
    const auto& n = e.numbers;
    const auto join = [&](const std::vector<QPointF>& points, bool closed) {
        for (size_t i = 0; i + 1 < points.size(); ++i)
            lines.push_back({QLineF(points[i], points[i + 1]), index});
        if (closed && points.size() > 2)
            lines.push_back({QLineF(points.back(), points.front()), index});
    };
    switch (e.shape) {
    case Shape::Segment:
    case Shape::Arrow: lines.push_back({QLineF(m(n[0], n[1]), m(n[2], n[3])), index}); break;
    case Shape::Polygon:
    case Shape::Curve: {
        std::vector<QPointF> points;
        for (size_t i = 0; i + 1 < n.size(); i += 2) points.push_back(m(n[i], n[i + 1]));
        join(points, e.shape == Shape::Polygon);
        break;
    }
    case Shape::Circle: join(sampledArcPoints(m, n[0], n[1], n[2], 0, 360), false); break;
    case Shape::Arc: join(sampledArcPoints(m, n[0], n[1], n[2], n[3], n[4]), false); break;
    case Shape::Bar: {
        const QRectF r = QRectF(m(n[0], n[1]), m(n[0] + n[2], n[1] + n[3])).normalized();
        join({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}, true);
        break;
    }
    case Shape::Point:
    case Shape::Label: break;
    }
}

// True when the line crosses the inside of the rectangle (clipped as by Liang and Barsky).
bool crosses(const QRectF& r, const QLineF& l) {
    const double x0 = l.x1(), y0 = l.y1(), dx = l.dx(), dy = l.dy();
    double t0 = 0, t1 = 1;
    const auto clip = [&](double p, double q) {
        if (p == 0) return q > 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    return clip(-dx, x0 - r.left()) && clip(dx, r.right() - x0) && clip(-dy, y0 - r.top()) &&
           clip(dy, r.bottom() - y0) && t0 < t1;
}

double distance(const QPointF& p, const QLineF& l) {
    const double dx = l.dx(), dy = l.dy(), length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x() - l.x1()) * dx + (p.y() - l.y1()) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x() - (l.x1() + t * dx), p.y() - (l.y1() + t * dy));
}

// True when the line runs through the point, within a pixel.
bool through(const QPointF& p, const QLineF& l) { return distance(p, l) <= 1; }

bool overlap(const QRectF& a, const QRectF& b) {
    return a.left() < b.right() && b.left() < a.right() && a.top() < b.bottom() &&
           b.top() < a.bottom();
}

// A place a text may take: where from its anchor, how much further out than the usual gap,
// and how far slid along the anchor's side, in widths of the text (above, below or centred)
// or heights (left or right).
struct Candidate {
    Place place;
    double further, along;
};

// The places a text tries when the one it asks for is taken: the others around its anchor,
// the nearest directions first, each also slid along a little, then all of them again up to
// four lines of text further out.
std::vector<Candidate> candidates(Place asked, double step) {
    static const Place around[] = {Place::Right,     Place::AboveRight, Place::Above,
                                   Place::AboveLeft, Place::Left,       Place::BelowLeft,
                                   Place::Below,     Place::BelowRight};
    static const Place fromCentre[] = {Place::Centre,    Place::Above,      Place::Below,
                                       Place::Right,     Place::Left,       Place::AboveRight,
                                       Place::AboveLeft, Place::BelowRight, Place::BelowLeft};
    const auto at = std::find(std::begin(around), std::end(around), asked);
    std::vector<Place> order;
    if (at == std::end(around)) {
        order.assign(std::begin(fromCentre), std::end(fromCentre));
    } else {
        const int k = int(at - std::begin(around));
        order.push_back(asked);
        for (int d = 1; d <= 4; ++d) {
            order.push_back(around[(k + d) % 8]);
            if (d < 4) order.push_back(around[(k + 8 - d) % 8]);
        }
    }
    std::vector<Candidate> out;
    for (double further : {0.0, step, 2 * step, 3 * step, 4 * step})
        for (Place p : order) {
            const bool across = p == Place::Above || p == Place::Below || p == Place::Centre;
            const bool upDown = p == Place::Left || p == Place::Right;
            for (double along : {0.0, -0.25, 0.25, -0.5, 0.5}) {
                if (along != 0 && !across && !(upDown && std::abs(along) == 0.5)) continue;
                if (p == Place::Centre && further > 0) continue;
                if (p == asked && further == 0 && along == 0) continue; // tried first
                out.push_back({p, further, along});
            }
        }
    return out;
}

// The lines of one element and the rectangle around them, so a text far from an element
// skips its lines at once.
struct LineGroup {
    int element;
    size_t from, to;
    QRectF bounds;
};

FigureLayout layOut(const QFontMetrics& metrics, const QRectF& area, const Figure& figure,
                    const Mapping& m) {
    FigureLayout out;
    std::vector<LineGroup> groups;
    const auto group = [&](int element, size_t from) {
        if (from == out.lines.size()) return;
        QRectF bounds = QRectF(out.lines[from].line.p1(), out.lines[from].line.p2()).normalized();
        for (size_t i = from; i < out.lines.size(); ++i)
            bounds |= QRectF(out.lines[i].line.p1(), out.lines[i].line.p2()).normalized();
        groups.push_back({element, from, out.lines.size(), bounds.adjusted(-1, -1, 1, 1)});
    };
    if (figure.axes) {
        const Axes axes(m, figure);
        out.lines.push_back({axes.x, -1});
        out.lines.push_back({axes.y, -1});
        group(-1, 0);
        for (const AxisTick& t : axes.ticks)
            if (!t.text.isEmpty())
                out.labels.push_back(
                    {textRect(metrics, t.anchor, t.text, t.place, area), t.anchor, -1, t.text});
        for (const auto& [at, text, place] :
             {std::tuple{axes.xNameAt, figure.xName, Place::AboveLeft},
              std::tuple{axes.yNameAt, figure.yName, Place::Right}})
            if (!text.isEmpty())
                out.labels.push_back({textRect(metrics, at, text, place, area), at, -1, text});
    }
    for (size_t i = 0; i < figure.elements.size(); ++i) {
        const size_t from = out.lines.size();
        linesOf(m, figure.elements[i], int(i), out.lines);
        group(int(i), from);
    }

    const double step = metrics.height();
    // shapes' captions first, then the marks' texts, in the order they are painted
    for (int pass = 0; pass < 2; ++pass)
        for (size_t i = 0; i < figure.elements.size(); ++i) {
            const Element& e = figure.elements[i];
            const bool mark = e.shape == Shape::Point || e.shape == Shape::Label;
            if (mark != (pass == 1) || e.text.isEmpty()) continue;
            PlacedLabel label{{}, anchorOf(m, e), int(i), e.text};
            // the lines of the elements it names by name, which it may cross anywhere
            std::vector<bool> own(groups.size());
            for (size_t g = 0; g < groups.size(); ++g)
                own[g] = groups[g].element == label.element ||
                         (groups[g].element >= 0 &&
                          working::names(e.name, figure.elements[size_t(groups[g].element)].name));
            // strictly clear: off the lines through the anchor too, so a text that moves
            // does not come to stand on the line it is set at
            const auto clear = [&](const QRectF& r, bool strictly) {
                // touching is not overlapping: a hair inside the rectangle
                const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
                for (const PlacedLabel& other : out.labels)
                    if (overlap(inner, other.rect)) return false;
                for (size_t g = 0; g < groups.size(); ++g) {
                    if (own[g] || !overlap(inner, groups[g].bounds)) continue;
                    for (size_t k = groups[g].from; k < groups[g].to; ++k)
                        if (crosses(inner, out.lines[k].line) &&
                            (strictly || !through(label.anchor, out.lines[k].line)))
                            return false;
                }
                return true;
            };
            const QSizeF size = textSize(metrics, e.text);
            label.rect = textRect(size, label.anchor, e.look.place, area);
            if (!clear(label.rect, false)) {
                const std::vector<Candidate> others = candidates(e.look.place, step);
                [&] {
                    for (bool strictly : {true, false})
                        for (const Candidate& c : others) {
                            const QRectF r =
                                textRect(size, label.anchor, c.place, area, c.further, c.along);
                            if (clear(r, strictly)) return void(label.rect = r);
                        }
                }();
            }
            out.labels.push_back(label);
        }
    return out;
}

void drawElement(QPainter& p, const Mapping& m, const Element& e, const FigureColours& colours,
                 const QRectF* textAt) {
    const QColor ink = colours.inks[int(e.look.ink)];
    QPen pen = figurePen(e.look, colours);
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
    case Shape::Label: break;
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
    if (textAt) drawTextIn(p, *textAt, e.text, colours);
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

QPen figurePen(const working::Look& look, const FigureColours& colours) {
    using working::Ink;
    QPen pen(colours.inks[int(look.ink)], look.heavy ? 3.2 : 1.8);
    if (look.dashed) pen.setStyle(Qt::DashLine);
    // on paper: Main solid, Second dash-dot, Third dotted, Faint thin; dashed, Second
    // dash-dot-dot, Third heavier and Faint thin
    if (colours.strokesByInk && !look.heavy) {
        if (look.ink == Ink::Faint) pen.setWidthF(1.0);
        if (look.ink == Ink::Second)
            pen.setStyle(look.dashed ? Qt::DashDotDotLine : Qt::DashDotLine);
        if (look.ink == Ink::Third) {
            if (look.dashed) pen.setWidthF(2.6);
            else pen.setStyle(Qt::DotLine);
        }
    }
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

FigureColours FigureColours::forPaper() {
    QPalette white;
    white.setColor(QPalette::Base, Qt::white);
    white.setColor(QPalette::Text, Qt::black);
    FigureColours c = from(white);
    c.strokesByInk = true;
    return c;
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool FigureLayout::names(const Figure& figure, const PlacedLabel& label,
                         const FigureLine& line) const {
    if (line.element == label.element) return true;
    if (line.element >= 0 && label.element >= 0 &&
        working::names(figure.elements[size_t(label.element)].name,
                       figure.elements[size_t(line.element)].name))
        return true;
    return through(label.anchor, line.line);
}

QFont figureFont(QFont base) {
    base.setPointSizeF(8.5);
    return base;
}

FigureLayout layOutFigure(const QFontMetrics& metrics, const QRectF& area, const Figure& figure) {
    if (figure.empty()) return {};
    return layOut(metrics, area, figure, Mapping(figure, area));
}

void paintFigure(QPainter& p, const QRectF& area, const Figure& figure,
                 const FigureColours& colours) {
    p.save();
    p.setLayoutDirection(Qt::LeftToRight); // mathematics reads left to right in every language
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, colours.paper);
    if (!figure.empty()) {
        p.setFont(figureFont(p.font()));
        const Mapping m(figure, area);
        const FigureLayout layout = layOut(p.fontMetrics(), area, figure, m);
        std::vector<const QRectF*> textAt(figure.elements.size(), nullptr);
        for (const PlacedLabel& label : layout.labels)
            if (label.element >= 0) textAt[size_t(label.element)] = &label.rect;
        if (figure.axes) drawAxes(p, Axes(m, figure), figure, colours, area);
        // shapes first, then marks and labels on top so they stay readable
        for (int pass = 0; pass < 2; ++pass)
            for (size_t i = 0; i < figure.elements.size(); ++i) {
                const Element& e = figure.elements[i];
                const bool mark = e.shape == Shape::Point || e.shape == Shape::Label;
                if (mark == (pass == 1)) drawElement(p, m, e, colours, textAt[i]);
            }
    }
    p.restore();
}

QImage figureImage(const Figure& figure, const FigureColours& colours, qreal pixelRatio) {
    QImage image(figureFileSize * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(colours.paper);
    QPainter p(&image);
    paintFigure(p, QRectF(QPoint(), figureFileSize), figure, colours);
    p.end();
    return image;
}

bool saveFigure(const Figure& figure, const QString& path, const QPalette& palette,
                qreal pixelRatio) {
    const QSize size = figureFileSize;
    const FigureColours colours = FigureColours::from(palette);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != u"svg" && suffix != u"png") return false;
    // made in memory, then written whole or not at all
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (suffix == u"svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(), size));
        // the generator writes both as they are, so a "<" of a comparison would break the file
        svg.setTitle(figure.description.toHtmlEscaped());
        svg.setDescription(figure.description.toHtmlEscaped());
        QPainter p;
        if (!p.begin(&svg)) return false;
        paintFigure(p, QRectF(QPoint(), size), figure, colours);
        return p.end() && writeWholeFile(path, file.data());
    }
    return figureImage(figure, colours, pixelRatio).save(&file, "PNG") &&
           writeWholeFile(path, file.data());
}

} // namespace sb::ui
