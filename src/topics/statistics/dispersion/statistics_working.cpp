// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_working.h"

#include "statistics_exact.h"
#include "topics/statistics/shared_working.h"

#include "entry/conversions.h"
#include "working/exact.h"
#include "working/formula_text.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

namespace {

// the context of the statistics window's working and figure
struct StatisticsWorking {
    Q_DECLARE_TR_FUNCTIONS(StatisticsWorking)
};

} // namespace

namespace sb::statistics {

using working::Figure;
using working::Ink;
using working::Place;
using working::Guide;
using working::Working;

namespace {

QString shown(double value) { return resultText(value); }

// A count as the pupil reads it, grouped: 999,980.
QString counted(std::size_t n) { return QLocale().toString(qulonglong(n)); }

// A count as a translation's plural forms choose by it.
int numerus(std::size_t n) { return int(std::min<std::size_t>(n, INT_MAX)); }

bool finite(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// One bar of the figure: where it stands on the number line and how high it is.
struct Column {
    double left, width, height;
};

struct Chart {
    std::vector<Column> columns;
    double lowest = 0, highest = 0; // the smallest and the largest value
    // the description: what the bars are, with the mean given
    std::function<QString(const QString& mean)> what = [](const QString&) { return QString(); };
};

double weightAt(const Lists& lists, std::size_t i) {
    return lists.weights.empty() ? 1.0 : lists.weights[i];
}

// The distinct values with their total weights, in order; nothing once there are more
// than `most` of them, so a long list of different values costs one early-ended pass.
std::optional<std::vector<std::pair<double, double>>> distinctValues(const Lists& lists,
                                                                     std::size_t most) {
    std::vector<std::pair<double, double>> found;
    found.reserve(most + 1);
    for (std::size_t i = 0; i < lists.numbers.size(); ++i) {
        const double v = lists.numbers[i];
        auto at = std::lower_bound(found.begin(), found.end(), v,
                                   [](const auto& entry, double x) { return entry.first < x; });
        if (at != found.end() && at->first == v) at->second += weightAt(lists, i);
        else if (found.size() == most) return std::nullopt;
        else found.insert(at, {v, weightAt(lists, i)});
    }
    return found;
}

// One bar per distinct value, centred on it, 0.6 of the closest gap wide.
Chart barsByValue(const std::vector<std::pair<double, double>>& values, std::size_t count,
                  bool weighted) {
    double gap = INFINITY;
    for (std::size_t i = 1; i < values.size(); ++i)
        gap = std::min(gap, values[i].first - values[i - 1].first);
    // a single value gets a bar a fifth of its size (a zero, one 0.2 wide)
    if (values.size() == 1) gap = values[0].first == 0 ? 1 : std::abs(values[0].first) / 3;
    Chart chart;
    for (const auto& [value, weight] : values)
        chart.columns.push_back({value - 0.3 * gap, 0.6 * gap, weight});
    chart.lowest = values.front().first;
    chart.highest = values.back().first;
    chart.what = [weighted, n = counted(count), from = shown(chart.lowest),
                  to = shown(chart.highest),
                  different = counted(values.size())](const QString& mean) {
        return (weighted
                    //: %1 is the count of values, %2 the smallest, %3 the largest, %4 the count
                    //: of different values, %5 the mean
                    ? StatisticsWorking::tr("Bar chart of the %1 values from %2 to %3, one bar "
                                            "for each of the %4 different values, as high as its "
                                            "total weight; the mean %5 is marked.")
                    : StatisticsWorking::tr("Bar chart of the %1 values from %2 to %3, one bar "
                                            "for each of the %4 different values, as high as the "
                                            "number of times it occurs; the mean %5 is marked."))
            .arg(n, from, to, different, mean);
    };
    return chart;
}

// The smallest of 1, 2 or 5 times a power of ten that is not below x (x > 0).
double roundWidth(double x) {
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    for (const double step : {1.0, 2.0, 5.0, 10.0})
        if (step * power >= x) return step * power;
    return 10 * power;
}

// A histogram by Sturges' rule: 1 + log2 n bins (log2 n rounded up), the width then rounded
// up to 1, 2 or 5 times a power of ten so the bins start at round numbers.
Chart histogram(const Lists& lists) {
    const auto [low, high] = std::minmax_element(lists.numbers.begin(), lists.numbers.end());
    Chart chart;
    chart.lowest = *low;
    chart.highest = *high;
    const std::size_t n = lists.numbers.size();
    const double bins = std::ceil(std::log2(double(n))) + 1;
    const double width = roundWidth((chart.highest - chart.lowest) / bins);
    double start = std::floor(chart.lowest / width) * width;
    if (start > chart.lowest) start -= width;
    if (!(width > 0) || !finite({width, start})) return chart; // no bars: not drawable
    const auto count =
        std::size_t(std::clamp(std::ceil((chart.highest - start) / width), 1.0, 1000.0));
    std::vector<double> heights(count, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double at = std::floor((lists.numbers[i] - start) / width);
        heights[std::size_t(std::clamp(at, 0.0, double(count - 1)))] += weightAt(lists, i);
    }
    for (std::size_t b = 0; b < count; ++b)
        chart.columns.push_back({start + double(b) * width, width, heights[b]});
    chart.what = [weighted = !lists.weights.empty(), values = counted(n),
                  from = shown(chart.lowest), to = shown(chart.highest), bins = counted(count),
                  wide = shown(width)](const QString& mean) {
        return (weighted
                    //: %1 is the count of values, %2 the smallest, %3 the largest, %4 the count
                    //: of bins, %5 their width, %6 the mean
                    ? StatisticsWorking::tr(
                          "Histogram of the %1 values from %2 to %3 in %4 bins of width %5 "
                          "(Sturges' rule: 1 + log2 of the number of values bins, the width "
                          "rounded up to 1, 2 or 5 times a power of ten), each bar as high as "
                          "the total weight in its bin; the mean %6 is marked.")
                    : StatisticsWorking::tr(
                          "Histogram of the %1 values from %2 to %3 in %4 bins of width %5 "
                          "(Sturges' rule: 1 + log2 of the number of values bins, the width "
                          "rounded up to 1, 2 or 5 times a power of ten), each bar as high as "
                          "the number of values in its bin; the mean %6 is marked."))
            .arg(values, from, to, bins, wide, mean);
    };
    return chart;
}

QString sigmaText(Measure which, double sigma, double variance) {
    return which == Measure::Variance
               ? QStringLiteral("σ² = %1, σ = %2").arg(shown(variance), shown(sigma))
               : QStringLiteral("σ = %1").arg(shown(sigma));
}

} // namespace

Figure statisticsFigure(Measure which, const Lists& lists, const Sums& sums,
                        const FigureLabels& labels) {
    // the axes: the values, and how often each occurs or how much it weighs
    const QString height =
        lists.weights.empty() ? StatisticsWorking::tr("count") : StatisticsWorking::tr("weight");
    Figure f = Figure::chart(StatisticsWorking::tr("value"), height);
    const double mean = sums.mean;
    const QString meanText = shown(labels.mean.value_or(mean));
    //: the label of the mean's line in the figure; %1 is the mean
    const QString meanLabel = StatisticsWorking::tr("mean %1").arg(meanText);

    const auto values = distinctValues(lists, mostBarsByValue);
    const Chart chart = values ? barsByValue(*values, lists.numbers.size(), !lists.weights.empty())
                               : histogram(lists);
    double left = std::min(chart.lowest, mean), right = std::max(chart.highest, mean);
    double top = 0, bottom = 0;
    bool drawable = !chart.columns.empty() && finite({chart.highest - chart.lowest});
    for (const Column& c : chart.columns) {
        left = std::min(left, c.left), right = std::max(right, c.left + c.width);
        top = std::max(top, c.height), bottom = std::min(bottom, c.height);
        drawable = drawable && finite({c.left, c.width, c.left + c.width, c.height});
    }
    // the band from mean - sigma to mean + sigma, where it can be drawn
    const double sigma = which == Measure::Mean ? 0 : sums.deviation.value_or(0);
    const bool banded =
        which != Measure::Mean && sums.deviation && finite({mean - sigma, mean + sigma, 2 * sigma});
    const double sigmaLabel = labels.sigma.value_or(sigma);
    const double varianceLabel = labels.variance.value_or(sums.variance);
    if (banded) left = std::min(left, mean - sigma), right = std::max(right, mean + sigma);
    // room above the bars (below them, when the weights are below 0) for two or three lines
    // of text: the bars' counts, the mean's text and the spread's
    const double margin = (right - left) * 0.05, headroom = (top - bottom) * 0.45;
    drawable = drawable && finite({left - margin, right + margin, top - bottom}) && top > bottom;
    if (!drawable) {
        f.point(QStringLiteral("mean"), mean, 0, meanLabel, working::at(Place::Below, Ink::Second));
        f.note = StatisticsWorking::tr("The values lie too far apart, or weigh too much, to be "
                                       "drawn to scale; only the mean is marked.");
        f.description = StatisticsWorking::tr("The mean %1 on a number line.").arg(meanText);
        return f;
    }
    f.view = working::Box{left - margin, bottom - (bottom < 0 ? headroom : 0), right + margin,
                          top + (top > 0 ? headroom : 0)};
    {
        // The mean's text reads from its line to one side. When the y-axis and the edge leave
        // it too little room on both, the side away from the axis is widened until it holds it.
        working::Box& v = *f.view;
        const double axis = v.yAxisX();
        const double need = working::textShare(meanLabel.size());
        const double width = v.right - v.left;
        const double roomLeft = mean - (axis < mean ? axis : v.left);
        const double roomRight = (axis > mean ? axis : v.right) - mean;
        if (std::max(roomLeft, roomRight) < need * width) {
            if (axis > mean) v.left -= (need * width - roomLeft) / (1 - need);
            else v.right += (need * width - roomRight) / (1 - need);
        }
    }

    const double reach = top > 0 ? top : bottom;
    if (banded) {
        working::Look band = working::ink(Ink::Third);
        band.hatched = true;
        f.bar(QStringLiteral("band"), mean - sigma, 0, 2 * sigma, reach, band);
        working::Look rim = working::ink(Ink::Third);
        rim.heavy = true;
        f.segment(QStringLiteral("sd"), mean - sigma, 0, mean + sigma, 0, rim);
    }
    // heights are written on the bars while there is room for them: a dozen bars at most,
    // each height short (counts, weights such as 2.5); a long decimal weight is read off the
    // axis instead
    const bool labelled =
        chart.columns.size() <= 12 &&
        std::all_of(chart.columns.begin(), chart.columns.end(),
                    [](const Column& c) { return shown(c.height).size() <= 5; });
    working::Look bar = working::filled(Ink::Main);
    bar.place = Place::Above;
    for (const Column& c : chart.columns) {
        f.bar(QStringLiteral("count"), c.left, 0, c.width, c.height, bar);
        if (labelled) f.elements.back().text = shown(c.height);
    }
    f.segment(QStringLiteral("mean-line"), mean, 0, mean, reach, working::dashed(Ink::Second));
    f.point(QStringLiteral("mean"), mean, 0, {}, working::ink(Ink::Second));
    f.label(QStringLiteral("mean-label"), mean, reach, meanLabel,
            working::at(reach > 0 ? Place::Above : Place::Below));
    if (banded) {
        // Above the bars at a corner of the band, reading away from it to the side with the
        // most room before the y-axis or the edge: the variance, and σ beside or above it.
        const working::Box& v = *f.view;
        const double axis = v.left <= 0 && 0 <= v.right ? 0 : v.left; // the painter's y-axis
        const auto roomLeftOf = [&](double x) { return x - (axis < x ? axis : v.left); };
        const auto roomRightOf = [&](double x) { return (axis > x ? axis : v.right) - x; };
        const struct {
            double x, room;
            bool leftward;
        } ways[] = {{mean + sigma, roomRightOf(mean + sigma), false},
                    {mean - sigma, roomLeftOf(mean - sigma), true},
                    {mean + sigma, roomLeftOf(mean + sigma), true},
                    {mean - sigma, roomRightOf(mean - sigma), false}};
        const auto way = *std::max_element(std::begin(ways), std::end(ways),
                                           [](const auto& a, const auto& b) { return a.room < b.room; });
        const Place place = reach > 0 ? (way.leftward ? Place::AboveLeft : Place::AboveRight)
                                      : (way.leftward ? Place::BelowLeft : Place::BelowRight);
        if (which == Measure::Variance)
            f.label(QStringLiteral("variance"), way.x, reach,
                    QStringLiteral("σ² = %1").arg(shown(varianceLabel)), working::at(place));
        f.label(QStringLiteral("sigma"), way.x, reach, QStringLiteral("σ = %1").arg(shown(sigmaLabel)),
                working::at(place));
    }

    f.description = chart.what(meanText);
    if (banded)
        //: %1 is the standard deviation, or the variance and the standard deviation, as
        //: formulas ("σ = 2", "σ² = 4, σ = 2")
        f.description += u' ' + StatisticsWorking::tr("The band from mean - σ to mean + σ is "
                                                      "hatched, %1.")
                                    .arg(sigmaText(which, sigmaLabel, varianceLabel));
    return f;
}

namespace {

using working::Rational;

QString bracketed(const QString& text) {
    return text.startsWith(working::minus) ? u'(' + text + u')' : text;
}

// A value of a step: its exact form, or, where that has no short form, its decimal to 15
// digits, which the step then gives with ≈.
struct Form {
    QString text;
    bool exact = true;
};

std::optional<Form> formOf(const Rational& r) {
    if (!r.known()) return std::nullopt;
    if (const auto text = exactText(r)) return Form{*text, true};
    return Form{working::plain(r.toDouble()), false};
}

// The line that gives the answer: "The mean is 4.5".
QString answerText(Measure which, const QString& answer) {
    switch (which) {
    case Measure::Mean: return StatisticsWorking::tr("The mean is %1").arg(answer);
    case Measure::Variance: return StatisticsWorking::tr("The variance is %1").arg(answer);
    case Measure::Deviation:
        return StatisticsWorking::tr("The standard deviation is %1").arg(answer);
    }
    return QString();
}

} // namespace

Working statisticsWorking(Measure which, const Lists& lists, const Sums& sums) {
    Working w;
    const ExactSums exact = exactSums(lists);
    FigureLabels labels;
    if (exact.mean.known()) labels.mean = exact.mean.toDouble();
    if (exact.variance.known() && exact.variance.sign() >= 0) {
        labels.variance = exact.variance.toDouble();
        labels.sigma = double(std::sqrt(static_cast<long double>(exact.variance.numerator()) /
                                        static_cast<long double>(exact.variance.denominator())));
    }
    w.figure = statisticsFigure(which, lists, sums, labels);
    const bool weighted = !lists.weights.empty();
    const std::size_t n = lists.numbers.size();
    // short lists show every term of their sums; one value is its own sum
    const bool whole = n > 1 && n <= tableRows;
    const QString answer = shown(sums.answer(which));
    auto terms = [&](auto term) {
        QStringList parts;
        for (std::size_t i = 0; i < n; ++i) parts << term(i);
        return parts.join(QStringLiteral(" + "));
    };
    // the typed values and their sums exactly where they have short forms, else the window's
    const auto valueSum = exactText(exact.valueSum), weightSum = exactText(exact.weightSum);
    const auto nice = [](const Rational& v) { return exactText(v).has_value(); };
    const bool exactly = valueSum && weightSum && exact.values.size() == std::min(n, tableRows) &&
                         std::all_of(exact.values.begin(), exact.values.end(), nice) &&
                         std::all_of(exact.weights.begin(), exact.weights.end(), nice);
    auto value = [&](std::size_t i) {
        return exactly ? *exactText(exact.values[i]) : working::plain(lists.numbers[i]);
    };
    auto weight = [&](std::size_t i) {
        return exactly ? *exactText(exact.weights[i]) : working::plain(lists.weights[i]);
    };
    const QString sumText = exactly ? *valueSum : working::plain(sums.valueSum);
    // weights that add up to exactly 0 are told so, whatever their sum in doubles
    const bool noWeight = exact.weightSum.known() && exact.weightSum.sign() == 0;
    const QString weightText = exactly    ? *weightSum
                               : noWeight ? QStringLiteral("0")
                                          : working::plain(sums.weightSum);

    if (weighted) {
        w.say(StatisticsWorking::tr("The mean adds value × weight for every value and divides "
                                    "by the sum of the weights."));
        if (whole)
            w.detail(terms([&](std::size_t i) {
                         return QStringLiteral("%1 × %2").arg(bracketed(value(i)),
                                                              bracketed(weight(i)));
                     }) +
                     QStringLiteral(" = ") + sumText);
        w.say((n == 1
                   //: %1 is 1, the count of values; %2 the sum
                   ? StatisticsWorking::tr("Sum of value × weight over the %1 value: %2")
                   : StatisticsWorking::tr("Sum of value × weight over the %1 values: %2", nullptr,
                                           numerus(n)))
                  .arg(counted(n), sumText));
        if (whole)
            w.detail(terms([&](std::size_t i) { return bracketed(weight(i)); }) +
                     QStringLiteral(" = ") + weightText);
        w.say(StatisticsWorking::tr("Sum of the weights: %1").arg(weightText));
    } else {
        w.say(StatisticsWorking::tr("The mean adds the values and divides by how many there are."));
        if (whole)
            w.detail(terms([&](std::size_t i) { return bracketed(value(i)); }) +
                     QStringLiteral(" = ") + sumText);
        w.say((n == 1
                   //: %1 is 1, the count of values; %2 the sum
                   ? StatisticsWorking::tr("Sum of the %1 value: %2")
                   : StatisticsWorking::tr("Sum of the %1 values: %2", nullptr, numerus(n)))
                  .arg(counted(n), sumText));
        w.say(StatisticsWorking::tr(
                  "With no weights every value counts once, so the total weight is %1")
                  .arg(weightText));
    }
    // weights that add up to 0 but for the rounding of their sum: the window divided by
    // what the rounding left
    if (noWeight) {
        w.say(StatisticsWorking::tr("The weights add up to exactly 0, so the mean has no value: "
                                    "nothing can be divided by 0."));
        //: %1 is the rounded sum of the weights, %2 the window's answer
        w.say(StatisticsWorking::tr("The window adds the weights with rounding, gets %1 and "
                                    "divides by that, so its answer %2 comes from rounding alone.")
                  .arg(working::plain(sums.weightSum), answer));
        return w;
    }

    // what the window shows, and why its last digits differ where they do
    auto answerLine = [&](const std::optional<QString>& exactForm, working::Precise exactValue) {
        w.say(answerText(which, answer));
        if (exactForm && !working::shownRight(exactValue, sums.answer(which))) {
            w.say(working::roundingNote(*exactForm, answer));
        } else if (const auto words = powerOfTen(answer, sums.answer(which))) {
            w.say(*words);
        }
    };

    const auto mean = exactly ? formOf(exact.mean) : std::nullopt;
    //: %1 is the sum, %2 the sum of the weights, %3 "= " and the mean
    w.say(StatisticsWorking::tr("Mean = %1 ÷ %2 %3")
              .arg(bracketed(sumText), bracketed(weightText),
                   mean ? equalsExact(exact.mean, mean->text)
                        : QStringLiteral("= ") + working::plain(sums.mean)));
    if (which == Measure::Mean) {
        if (mean) answerLine(exactForNote(exact.mean), working::valueOf(exact.mean));
        else answerLine(std::nullopt, 0);
        return w;
    }

    w.say(weighted ? StatisticsWorking::tr("The variance is the mean of the squared distances "
                                           "from the mean, each counted by its weight:")
                   : StatisticsWorking::tr("The variance is the mean of the squared distances "
                                           "from the mean:"));
    // the rows: exact where the values allow, else the window's own numbers, a distance
    // below the rounding of the value and the mean it came from written as 0
    const QString meanText = mean ? mean->text : working::plain(sums.mean);
    // the distances, each × its weight, add up to 0 about the mean: the check of a short list
    QStringList checked;
    bool checkable = whole && mean && mean->exact;
    for (std::size_t i = 0; i < sums.firstRows.size(); ++i) {
        const Deviation& row = sums.firstRows[i];
        std::optional<Form> d, t;
        if (mean) {
            const Rational distance = exact.values[i] - exact.mean;
            d = formOf(distance);
            t = formOf(exact.weights[i] * distance * distance);
        }
        QString a, wt;
        bool equal = true;
        if (d && t) {
            a = value(i), wt = weight(i);
            equal = mean->exact && d->exact;
            // a rounded distance makes its square rounded too
            t->exact = t->exact && equal;
        } else {
            const double distance =
                working::tidy(row.distance, std::max(std::fabs(row.value), std::fabs(sums.mean)));
            a = working::plain(row.value), wt = working::plain(row.weight);
            d = Form{working::plain(distance)},
            t = Form{working::plain(distance == 0 ? 0 : row.term)};
        }
        checkable = checkable && equal && mean;
        checked << (weighted ? QStringLiteral("%1 × %2").arg(bracketed(wt), bracketed(d->text))
                             : bracketed(d->text));
        const QString distanceText =
            (equal ? QStringLiteral("%1 - %2 = %3") : QStringLiteral("%1 - %2 ≈ %3"))
                .arg(a, bracketed(meanText), d->text);
        if (weighted)
            w.say((t->exact
                       //: %1 is a distance from the mean ("5 - 3 = 2"), %2 its weight, %3 the
                       //: square of the distance × the weight
                       ? StatisticsWorking::tr("%1; squared × %2: %3")
                       : StatisticsWorking::tr("%1; squared × %2 ≈ %3"))
                      .arg(distanceText, bracketed(wt), t->text));
        else
            w.say((t->exact
                       //: %1 is a distance from the mean ("5 - 3 = 2"), %2 its square
                       ? StatisticsWorking::tr("%1; squared: %2")
                       : StatisticsWorking::tr("%1; squared ≈ %2"))
                      .arg(distanceText, t->text));
    }
    if (checkable)
        w.say((weighted ? StatisticsWorking::tr("Check: the distances from the mean, each × its "
                                                "weight, add up to 0: %1 = 0")
                        : StatisticsWorking::tr("Check: the distances from the mean add up to 0: "
                                                "%1 = 0"))
                  .arg(checked.join(QStringLiteral(" + "))));
    if (n > sums.firstRows.size()) {
        const std::size_t more = n - sums.firstRows.size();
        w.say((more == 1
                   //: the rows of the table left out; %1 is 1
                   ? StatisticsWorking::tr("… %1 more value")
                   : StatisticsWorking::tr("… %1 more values", nullptr, numerus(more)))
                  .arg(counted(more)));
    }

    const auto squares = mean ? formOf(exact.squareSum) : std::nullopt;
    const auto variance = mean ? formOf(exact.variance) : std::nullopt;
    // without exact values: a sum of squares below the rounding of the squares it came from
    // is 0
    double squareScale = 0;
    if (!variance)
        for (std::size_t i = 0; i < n; ++i)
            squareScale += std::fabs(weightAt(lists, i)) * lists.numbers[i] * lists.numbers[i];
    const double roughSquares = working::tidy(sums.squareSum, squareScale);
    const double roughVariance = roughSquares == 0 ? 0 : sums.variance;
    const QString squaresText = squares ? squares->text : working::plain(roughSquares);
    const bool squaresExact = !squares || squares->exact;
    w.say((weighted ? squaresExact ? StatisticsWorking::tr("Sum of the squares × weights: %1")
                                   : StatisticsWorking::tr("Sum of the squares × weights ≈ %1")
           : squaresExact ? StatisticsWorking::tr("Sum of the squares: %1")
                          : StatisticsWorking::tr("Sum of the squares ≈ %1"))
              .arg(squaresText));
    //: %1 is the sum of the squares, %2 the sum of the weights, %3 "= " and the variance
    w.say(StatisticsWorking::tr("Variance = %1 ÷ %2 %3")
              .arg(bracketed(squaresText), bracketed(weightText),
                   variance ? equalsExact(exact.variance, variance->text)
                            : QStringLiteral("= ") + working::plain(roughVariance)));
    // the variance decided: exactly, or within the rounding where the sums are out of reach
    const double varianceValue = variance ? exact.variance.toDouble() : roughVariance;
    if (varianceValue < 0)
        w.say(StatisticsWorking::tr("A negative weight made the variance negative, so it has no "
                                    "square root: there is no standard deviation."));
    if (which == Measure::Variance) {
        if (variance) answerLine(exactForNote(exact.variance), working::valueOf(exact.variance));
        else if (roughVariance == 0) answerLine(QStringLiteral("0"), 0);
        else answerLine(std::nullopt, 0);
        return w;
    }

    // the standard deviation: exact where the variance is the square of a fraction
    const QString root = variance && variance->exact && isFraction(exact.variance)
                             ? u'(' + variance->text + u')'
                         : variance ? variance->text
                                    : working::plain(roughVariance);
    std::optional<Rational> exactRoot;
    if (variance && variance->exact)
        if (const auto surd = working::squareRoot(exact.variance); surd && surd->r == 1)
            exactRoot = surd->q;
    if (!variance && roughVariance == 0) exactRoot = Rational(0);
    if (exactRoot) {
        const Form form = *formOf(*exactRoot);
        //: %1 is the variance, %2 "= " and its root
        w.say(StatisticsWorking::tr("Standard deviation σ = √%1 %2")
                  .arg(root, equalsExact(*exactRoot, form.text)));
        answerLine(exactForNote(*exactRoot), working::valueOf(*exactRoot));
    } else if (variance) {
        // no fraction has this root: it is given to 15 digits
        const working::Precise rootValue = working::rootValue(exact.variance);
        w.say(StatisticsWorking::tr("Standard deviation σ = √%1 ≈ %2")
                  .arg(root, working::plainDigits(rootValue)));
        answerLine(QStringLiteral("√%1 ≈ %2").arg(root, working::plainDigits(rootValue)),
                   rootValue);
    } else {
        w.say(StatisticsWorking::tr("Standard deviation σ = √%1 ≈ %2")
                  .arg(root, working::plain(sums.answer(which))));
        answerLine(QStringLiteral("√%1").arg(root), std::sqrt(roughVariance));
    }
    return w;
}

Guide statisticsGuide() {
    const auto checked =
        checklists(QStringLiteral("2 4 4 4 5 5 7 9"), QString(), NumberMarks(QLocale()));
    const Sums sums = measure(checked.lists, Measure::Deviation);
    return working::guide(
        {
            StatisticsWorking::tr("The numbers box takes the values separated by single blanks, "
                                  "such as 1 4 65 898."),
            //: %1 lists the forms a typed value may take ("a whole number, a decimal, ...")
            StatisticsWorking::tr("Each value may be %1; it counts as its decimal to 15 digits.")
                .arg(working::valueForms()),
            StatisticsWorking::tr("The weights box stays empty (every weight is 1), or takes one "
                                  "weight per value, in the same order."),
            StatisticsWorking::tr("A column or a row copied from a spreadsheet can be pasted "
                                  "into either box: its line breaks and tabs become blanks."),
            StatisticsWorking::tr("A .txt or .csv file dropped on a box gives its values; commas "
                                  "between values count as blanks."),
        },
        //: the example worked out; "Calculate Standard-Deviation" is the button, translated as
        //: on the button
        StatisticsWorking::tr("Numbers 2 4 4 4 5 5 7 9, Calculate Standard-Deviation:"),
        statisticsWorking(Measure::Deviation, checked.lists, sums));
}

} // namespace sb::statistics
