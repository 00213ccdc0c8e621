// SPDX-License-Identifier: GPL-3.0-or-later
#include "fraction_bars.h"

#include "entry/conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace sb::fractions {

using working::Figure;

namespace {

struct FractionsWorking {
    Q_DECLARE_TR_FUNCTIONS(FractionsWorking)
};

// A row keeps its cuts while it has at most this many parts: in the pane's 400 pixels that
// leaves about 8 pixels a part, still easy to count.
constexpr double mostParts = 48;
// Whole bars drawn one by one; a longer row is one bar of the value's length.
constexpr double mostBars = 10;
// Beyond this the layout's arithmetic (the span, its ticks) would leave the doubles.
constexpr double largestDrawn = 1e300;
constexpr double barHeight = 0.5;

double tickStep(double span) {
    if (span <= 12) return 1; // a tick for every whole
    const double raw = span / 6, magnitude = std::pow(10, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0})
        if (raw <= m * magnitude) return m * magnitude;
    return 10 * magnitude;
}

// Where a row's bars lie: bar k (from 0) of a negative value lies left of 0.
struct RowShape {
    double size, bars, wholes;
    bool negative;
    explicit RowShape(double value)
        : size(std::abs(value)), bars(std::max(1.0, std::ceil(size))), wholes(std::floor(size)),
          negative(value < 0) {}
    double barAt(double k) const { return negative ? -(k + 1) : k; }
    double leftEnd() const { return negative ? -bars : 0; }
    bool oneByOne() const { return bars <= mostBars; }
};

// Cuts the row's bars into its parts; returns why they are left uncut, if they are.
QString cutRow(Figure& f, const BarRow& row, const RowShape& r, double y, double height) {
    const double parts = std::abs(row.parts);
    if (parts == 0 || parts == 1) return {};
    if (parts != std::floor(parts))
        //: %1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into
        return FractionsWorking::tr("The bars of %1 are not cut: %2 is not a whole number of parts")
            .arg(row.caption, resultText(parts));
    // a mixed number cuts only the bar of its fraction part, when it has one
    const double first = row.cutWholes ? 0 : r.wholes;
    const double last = row.cutWholes || r.wholes < r.size ? r.bars : r.wholes;
    if (last == first) return {};
    if (!r.oneByOne())
        //: %1 is how many bars there are, %2 what they show (a fraction)
        return FractionsWorking::tr("The %1 bars of %2 are drawn as one length, without their "
                                    "parts: too many to tell apart")
            .arg(resultText(r.bars), row.caption);
    if ((last - first) * parts > mostParts)
        //: %1 is what the bars show (a fraction), %2 how many equal pieces a bar is cut into
        return FractionsWorking::tr("The bars of %1 are not cut into their %2 parts: too many to "
                                    "tell apart")
            .arg(row.caption, resultText(parts));
    for (double k = first; k < last; ++k)
        for (double j = 1; j < parts; ++j) {
            const double x = r.barAt(k) + j / parts;
            f.segment(row.name + QStringLiteral("Cut"), x, y, x, y + height, working::ink(row.ink));
        }
    return {};
}

// Draws one row at height y; returns why it is uncut when its cuts were left out.
QString drawRow(Figure& f, const BarRow& row, double y, double up) {
    const RowShape r(row.value);
    const double height = barHeight * up;
    const working::Look outline = working::ink(row.ink);
    if (r.oneByOne())
        for (double k = 0; k < r.bars; ++k) f.bar(row.name, r.barAt(k), y, 1, height, outline);
    else f.bar(row.name, r.leftEnd(), y, r.bars, height, outline);
    if (row.value != 0)
        f.bar(row.name + QStringLiteral("Shade"), std::min(0.0, row.value), y, r.size, height,
              working::filled(row.ink));
    f.label(row.name + QStringLiteral("Caption"), r.leftEnd(), y + height, row.caption,
            working::at(working::Place::AboveRight));
    return cutRow(f, row, r, y, height);
}

} // namespace

std::optional<Span> spanOf(const std::vector<double>& values) {
    Span s{0, 0};
    for (double v : values) {
        if (!(std::abs(v) <= largestDrawn)) return std::nullopt; // nan fails this too
        s.from = std::min(s.from, std::floor(v));
        s.to = std::max(s.to, std::ceil(v));
    }
    if (s.to == s.from) s.to = s.from + 1;
    return s;
}

double Span::up() const { return std::max(1.0, (to - from) / 8); }

void numberLine(Figure& f, const Span& span) {
    f.segment(QStringLiteral("numberLine"), span.from, 0, span.to, 0);
    const double tick = 0.1 * span.up();
    const double step = tickStep(span.to - span.from);
    for (double k = std::ceil(span.from / step); k * step <= span.to; ++k) {
        const double x = k * step;
        f.segment(QStringLiteral("tick"), x, -tick, x, tick, working::ink(working::Ink::Faint));
        f.label(QStringLiteral("tick"), x, -tick, resultText(x),
                working::at(working::Place::Below));
    }
}

Figure barsAndNumberLine(const std::vector<BarRow>& rows, const std::vector<Mark>& marks,
                         const QString& description) {
    std::vector<double> values;
    for (const BarRow& r : rows) values.push_back(r.value);
    for (const Mark& m : marks) values.push_back(m.value);
    const auto span = spanOf(values);
    if (!span) return tooLargeToDraw(description);

    Figure f;
    f.sameScale = false; // across, the number line's units; up, only rows
    QStringList uncut;
    const double count = double(rows.size()), up = span->up();
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString why = drawRow(f, rows[i], (0.6 + (count - 1 - double(i))) * up, up);
        if (!why.isEmpty()) uncut << why;
    }
    numberLine(f, *span);
    for (const Mark& m : marks) f.point(m.name, m.value, 0, m.text, working::at(m.place, m.ink));
    const double pad = (span->to - span->from) * 0.04;
    f.view = working::Box{span->from - pad, -0.7 * up, span->to + pad, (count + 0.5) * up};
    if (!uncut.isEmpty()) f.note = uncut.join(QStringLiteral(". ")) + u'.';
    f.description = f.note.isEmpty() ? description : description + u' ' + f.note;
    return f;
}

Figure tooLargeToDraw(const QString& description) {
    Figure f;
    f.note = FractionsWorking::tr("The numbers are too large to draw.");
    f.description = description + u' ' + f.note;
    return f;
}

} // namespace sb::fractions
