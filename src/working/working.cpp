// SPDX-License-Identifier: GPL-3.0-or-later
#include "working.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace sb::working {

namespace {
struct SharedWorking {
    Q_DECLARE_TR_FUNCTIONS(SharedWorking)
};
} // namespace

Figure Figure::chart(const QString& xName, const QString& yName, bool sameScale) {
    Figure f;
    f.axes = true;
    f.sameScale = sameScale;
    f.xName = xName;
    f.yName = yName;
    return f;
}

const Element* Figure::find(const QString& name) const {
    for (const Element& e : elements)
        if (e.name == name) return &e;
    return nullptr;
}

Box Figure::extent() const {
    if (view) return *view;
    Box b{INFINITY, INFINITY, -INFINITY, -INFINITY};
    auto take = [&b](double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) return;
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.bottom = std::min(b.bottom, y), b.top = std::max(b.top, y);
    };
    for (const Element& e : elements) {
        const auto& n = e.numbers;
        switch (e.shape) {
        case Shape::Circle:
        case Shape::Arc:
            take(n[0] - n[2], n[1] - n[2]);
            take(n[0] + n[2], n[1] + n[2]);
            break;
        case Shape::Bar:
            take(n[0], n[1]);
            take(n[0] + n[2], n[1] + n[3]);
            break;
        default:
            for (size_t i = 0; i + 1 < n.size(); i += 2) take(n[i], n[i + 1]);
        }
    }
    if (axes) take(0, 0);
    if (b.left > b.right) return {-1, -1, 1, 1}; // nothing to show: a unit square
    return b;
}

QString stem(const QString& name) {
    QStringView s(name);
    for (const char* front : {"side-", "angle-", "arc-", "leader-", "corner-"})
        if (s.startsWith(QLatin1StringView(front)) && s.size() > qsizetype(std::strlen(front))) {
            s = s.mid(qsizetype(std::strlen(front)));
            break;
        }
    for (const char* back : {"-label", "-name", "-leader", "-end", "Caption", "Mark"})
        if (s.endsWith(QLatin1StringView(back)) && s.size() > qsizetype(std::strlen(back))) {
            s.chop(qsizetype(std::strlen(back)));
            break;
        }
    return s.toString();
}

bool names(const QString& label, const QString& element) {
    return !label.isEmpty() && stem(label) == stem(element);
}

namespace {
Figure& add(Figure& f, Shape shape, const QString& name, std::vector<double> numbers,
            Look look, const QString& text = {}) {
    f.elements.push_back({shape, name, std::move(numbers), text, look});
    return f;
}
} // namespace

Figure& Figure::point(const QString& name, double x, double y, const QString& text, Look look) {
    return add(*this, Shape::Point, name, {x, y}, look, text);
}
Figure& Figure::segment(const QString& name, double x1, double y1, double x2, double y2,
                        Look look) {
    return add(*this, Shape::Segment, name, {x1, y1, x2, y2}, look);
}
Figure& Figure::arrow(const QString& name, double x1, double y1, double x2, double y2,
                      Look look) {
    return add(*this, Shape::Arrow, name, {x1, y1, x2, y2}, look);
}
Figure& Figure::polygon(const QString& name, std::vector<double> xy, Look look) {
    return add(*this, Shape::Polygon, name, std::move(xy), look);
}
Figure& Figure::circle(const QString& name, double cx, double cy, double r, Look look) {
    return add(*this, Shape::Circle, name, {cx, cy, r}, look);
}
Figure& Figure::arc(const QString& name, double cx, double cy, double r, double startDegrees,
                    double spanDegrees, Look look) {
    return add(*this, Shape::Arc, name, {cx, cy, r, startDegrees, spanDegrees}, look);
}
Figure& Figure::curve(const QString& name, std::vector<double> xy, Look look) {
    return add(*this, Shape::Curve, name, std::move(xy), look);
}
Figure& Figure::bar(const QString& name, double x, double y, double w, double h, Look look) {
    return add(*this, Shape::Bar, name, {x, y, w, h}, look);
}
Figure& Figure::label(const QString& name, double x, double y, const QString& text, Look look) {
    return add(*this, Shape::Label, name, {x, y}, look, text);
}

bool Working::hasDetail() const {
    return std::any_of(steps.begin(), steps.end(), [](const Step& s) { return s.detail; });
}

QStringList Working::lines(bool withDetail) const {
    QStringList shown;
    for (const Step& s : steps)
        if (withDetail || !s.detail) shown << s.text;
    return shown;
}

Guide guide(QStringList boxes, const QString& exercise, Working example) {
    example.steps.insert(example.steps.begin(), Step{exercise, false});
    return {std::move(boxes), std::move(example)};
}

Working introduction(const Guide& guide) {
    Working w;
    w.say(SharedWorking::tr("Type the numbers of your exercise, then press a button."));
    for (const QString& line : guide.boxes) w.say(line);
    w.say(SharedWorking::tr("An example:"));
    w.steps.insert(w.steps.end(), guide.example.steps.begin(), guide.example.steps.end());
    w.figure = guide.example.figure;
    return w;
}

Working refusal(const QStringList& messages, const Guide& guide) {
    Working w;
    for (const QString& m : messages)
        //: %1 is the window's message, word for word
        w.say(SharedWorking::tr("The window said: \"%1\"").arg(m));
    w.say(SharedWorking::tr("So there is no answer to work out. What the boxes take:"));
    for (const QString& line : guide.boxes) w.say(line);
    return w;
}

QString exact(double value) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value,
                                   std::chars_format::general, 17).ptr;
    std::string text(buffer, end);
    // %g drops trailing zeros and the point; put them back up to 17 significant digits
    const size_t e = text.find('e');
    std::string mantissa = text.substr(0, e), exponent = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') == std::string::npos) mantissa += '.';
    const auto digits = std::count_if(mantissa.begin(), mantissa.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    const size_t firstSignificant = mantissa.find_first_of("123456789");
    const auto leadingZeros = firstSignificant == std::string::npos
                                  ? digits - 1
                                  : std::count(mantissa.begin(),
                                               mantissa.begin() + long(firstSignificant), '0');
    mantissa.append(size_t(std::max<long>(0, 17 - (digits - leadingZeros))), '0');
    return QString::fromStdString(mantissa + exponent);
}

QStringList elementLines(const Figure& figure,
                         const std::function<QString(const QString&)>& quote) {
    static const char* const kinds[] = {"point", "segment", "arrow", "polygon", "circle",
                                        "arc",   "curve",   "bar",   "label"};
    QStringList lines;
    for (const Element& e : figure.elements) {
        QString line = QString::fromLatin1(kinds[int(e.shape)]) + u' ' + e.name;
        for (double n : e.numbers) line += u' ' + exact(n);
        if (e.shape == Shape::Label) line += u' ' + quote(e.text);
        lines << line;
    }
    return lines;
}

std::vector<double> sample(double x0, double x1, int n,
                           const std::function<double(double)>& f) {
    std::vector<double> xy;
    xy.reserve(size_t(2 * n));
    for (int i = 0; i < n; ++i) {
        const double x = i == n - 1 ? x1 : x0 + (x1 - x0) * i / (n - 1);
        xy.push_back(x);
        xy.push_back(f(x));
    }
    return xy;
}

} // namespace sb::working
