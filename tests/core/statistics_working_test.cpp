// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/dispersion/statistics_exact.h"
#include "topics/statistics/dispersion/statistics_working.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "working/exact.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <cmath>
#include <random>
#include <set>

namespace {

namespace st = sb::statistics;
using sb::working::Shape;
using st::Measure;

using StatisticsWorking = EnglishDefault;

struct Built {
    st::Lists lists;
    st::Sums sums;
    sb::working::Working working;
};

Built build(const QString& numbers, const QString& weights, Measure which) {
    auto checked = st::checklists(numbers, weights, sb::NumberMarks(QLocale()));
    EXPECT_FALSE(checked.refusal) << numbers.toStdString();
    Built b{std::move(checked.lists), {}, {}};
    b.sums = st::measure(b.lists, which);
    b.working = st::statisticsWorking(which, b.lists, b.sums);
    return b;
}

TEST_F(StatisticsWorking, StepsOfEachCommand) {
    struct Row {
        const char *numbers, *weights;
        Measure which;
        QStringList lines; // with the detail lines
    };
    const Row rows[] = {
        {"1 2 3 4",
         "",
         Measure::Mean,
         {"The mean adds the values and divides by how many there are.", "1 + 2 + 3 + 4 = 10",
          "Sum of the 4 values: 10",
          "With no weights every value counts once, so the total weight is 4",
          "Mean = 10 ÷ 4 = 2.5", "The mean is 2.5"}},
        {"1 2 3",
         "1 1 2",
         Measure::Deviation,
         {"The mean adds value × weight for every value and divides by the sum of the weights.",
          "1 × 1 + 2 × 1 + 3 × 2 = 9", "Sum of value × weight over the 3 values: 9",
          "1 + 1 + 2 = 4", "Sum of the weights: 4", "Mean = 9 ÷ 4 = 2.25",
          "The variance is the mean of the squared distances from the mean, each counted by its "
          "weight:",
          "1 - 2.25 = -1.25; squared × 1: 1.5625", "2 - 2.25 = -0.25; squared × 1: 0.0625",
          "3 - 2.25 = 0.75; squared × 2: 1.125",
          "Check: the distances from the mean, each × its weight, add up to 0: 1 × (-1.25) + 1 × "
          "(-0.25) + 2 × 0.75 = 0",
          "Sum of the squares × weights: 2.75", "Variance = 2.75 ÷ 4 = 0.6875",
          "Standard deviation σ = √0.6875 ≈ 0.82915619758885",
          "The standard deviation is 0.82915619758885"}},
        // a negative weight can make the variance negative: no root, and the window says -2
        {"1 2",
         "-1 2",
         Measure::Variance,
         {"The mean adds value × weight for every value and divides by the sum of the weights.",
          "1 × (-1) + 2 × 2 = 3", "Sum of value × weight over the 2 values: 3", "(-1) + 2 = 1",
          "Sum of the weights: 1", "Mean = 3 ÷ 1 = 3",
          "The variance is the mean of the squared distances from the mean, each counted by its "
          "weight:",
          "1 - 3 = -2; squared × (-1): -4", "2 - 3 = -1; squared × 2: 2",
          "Check: the distances from the mean, each × its weight, add up to 0: (-1) × (-2) + 2 × "
          "(-1) = 0",
          "Sum of the squares × weights: -2", "Variance = (-2) ÷ 1 = -2",
          "A negative weight made the variance negative, so it has no square root: there is no "
          "standard deviation.",
          "The variance is -2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.numbers);
        const Built b = build(row.numbers, row.weights, row.which);
        EXPECT_EQ(b.working.lines(true).join(u'\n').toStdString(),
                  row.lines.join(u'\n').toStdString());
    }
}

// Lists whose exact values differ from the window's doubles: the steps work with the exact
// values, in the order a textbook takes them, and say once why the window's last digits
// differ where they do. Each row's lines must stand in the working in the order given. The
// figure's texts write the exact mean and spread to 15 digits, not the window's rounding; the
// variance and σ each in a text of its own.
TEST_F(StatisticsWorking, ExactValuesInTextbookOrder) {
    struct Row {
        const char *numbers, *weights;
        Measure which;
        QStringList inOrder;
        QStringList absent = {};
        QStringList figure = {}; // the texts "mean-label", "variance", "sigma"; "" for none
    };
    const QString note = QStringLiteral(": the computer keeps about 16 digits and rounds at every "
                                        "step, so the last digits it shows carry that rounding.");
    const Row rows[] = {
        // a distance below the rounding of the values is 0; no E-notation
        {"0.1 0.2 0.3",
         "",
         Measure::Variance,
         {"Mean = 0.6 ÷ 3 = 0.2", "0.1 - 0.2 = -0.1; squared: 0.01", "0.2 - 0.2 = 0; squared: 0",
          "Sum of the squares: 0.02", "Variance = 0.02 ÷ 3 = 1/150 ≈ 0.00666666666666667",
          "The variance is 0.00666666666666667"},
         {"E-", "The exact value"}},
        // the variance's command ends with the variance, no root before it
        {"2 4 4 4 5 5 7 9",
         "",
         Measure::Variance,
         {"Mean = 40 ÷ 8 = 5", "Sum of the squares: 32", "Variance = 32 ÷ 8 = 4",
          "The variance is 4"},
         {"σ", " / "}},
        {"1 3 6",
         "",
         Measure::Deviation,
         {"1 - 10/3 = -7/3; squared: 49/9", "3 - 10/3 = -1/3; squared: 1/9",
          "6 - 10/3 = 8/3; squared: 64/9", "Sum of the squares: 38/3",
          "Variance = 38/3 ÷ 3 = 38/9 ≈ 4.22222222222222",
          "Standard deviation σ = √(38/9) ≈ 2.05480466765633"}},
        // typed fractions count exactly in the steps
        {"1/3 2/3", "", Measure::Mean, {"1/3 + 2/3 = 1", "Mean = 1 ÷ 2 = 0.5", "The mean is 0.5"}},
        {"-1/2 2/1/4 -0.75",
         "",
         Measure::Mean,
         {"(-0.5) + 2.25 + (-0.75) = 1", "Mean = 1 ÷ 3 = 1/3 ≈ 0.333333333333333"}},
        // the window's number carries rounding: the exact value, and why, once (1.4 11/8 is
        // printed whole by the window script)
        {"12/7 0.03",
         "",
         Measure::Mean,
         {"12/7 + 0.03 = 1221/700", "Mean = 1221/700 ÷ 2 = 1221/1400 ≈ 0.872142857142857",
          "The mean is 0.872142857142855",
          "The exact value is 1221/1400 ≈ 0.872142857142857. The window shows "
          "0.872142857142855" +
              note},
         {},
         {"mean 0.872142857142857", "", ""}},
        // the figure's texts alone
        {"1.4 11/8",
         "",
         Measure::Variance,
         {},
         {},
         {"mean 1.3875", "σ² = 0.00015625", "σ = 0.0125"}},
        {"2 4 4 4 5 5 7 9", "", Measure::Deviation, {}, {}, {"mean 5", "", "σ = 2"}},
        // weights that add up to exactly 0: the window divided by its rounding
        {"1 2 3",
         "0.1 0.2 -0.3",
         Measure::Mean,
         {"0.1 + 0.2 + (-0.3) = 0", "Sum of the weights: 0",
          "The weights add up to exactly 0, so the mean has no value: nothing can be divided by 0.",
          "The window adds the weights with rounding, gets 5.55111512312578 × 10⁻¹⁷ and "
          "divides by that, so its answer -7.20575940379279E+15 comes from rounding alone."}},
        {"1 2 3 4",
         "1/3 1/3 1/3 1/7",
         Measure::Deviation,
         {"1 × 1/3 + 2 × 1/3 + 3 × 1/3 + 4 × 1/7 = 18/7", "Mean = 18/7 ÷ 8/7 = 2.25",
          "1 - 2.25 = -1.25; squared × 1/3: 25/48", "Sum of the squares × weights: 7/6",
          "Variance = 7/6 ÷ 8/7 = 49/48 ≈ 1.02083333333333",
          "Standard deviation σ = √(49/48) ≈ 1.01036297108185"}},
        // the window's power-of-ten form said in words
        {"0.001 0.002 0.003",
         "",
         Measure::Variance,
         {"Variance = 0.000002 ÷ 3 ≈ 0.000000666666666666667",
          "The variance is 6.66666666666667E-07",
          "The window writes this as 6.66666666666667E-07: E-07 means × 10⁻⁷, so "
          "6.66666666666667E-07 is 0.000000666666666666667."}},
        {"2.5 3.5",
         "",
         Measure::Deviation,
         {"Variance = 0.5 ÷ 2 = 0.25", "Standard deviation σ = √0.25 = 0.5"}},
        // one value is its own sum
        {"5",
         "",
         Measure::Deviation,
         {"Sum of the 1 value: 5", "Standard deviation σ = √0 = 0"},
         {"5 = 5"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.numbers) + " | " + row.weights);
        const Built b = build(row.numbers, row.weights, row.which);
        const QStringList lines = b.working.lines(true);
        qsizetype from = 0;
        for (const QString& line : row.inOrder) {
            const qsizetype at = lines.indexOf(line, from);
            EXPECT_GE(at, 0) << "missing or out of order: " << line.toStdString() << "\n"
                             << lines.join(u'\n').toStdString();
            if (at >= 0) from = at + 1;
        }
        for (const QString& text : row.absent)
            EXPECT_FALSE(lines.join(u'\n').contains(text)) << text.toStdString();
        if (row.figure.isEmpty()) continue;
        QStringList texts;
        for (const char* name : {"mean-label", "variance", "sigma"}) {
            const auto* e = b.working.figure.find(QString::fromUtf8(name));
            texts << (e ? e->text : QString());
        }
        EXPECT_EQ(texts, row.figure);
    }
}

// A random value as typed into a list, in the default locale: a whole number from -most to
// most, an eighth, a fraction, a mixed number (signed only when withSign) or, when withSign,
// a hundredth; denominators from 1 to denominators.
QString typedValue(std::mt19937& random, int most, int denominators, bool withSign) {
    std::uniform_int_distribution<int> kind(0, withSign ? 4 : 3), small(-most, most),
        positive(1, denominators);
    switch (kind(random)) {
    case 0: return QString::number(small(random));
    case 1: return QLocale().toString(small(random) / 8.0);
    case 2: return QStringLiteral("%1/%2").arg(small(random)).arg(positive(random));
    case 3: {
        const int whole = withSign ? small(random) : positive(random);
        const int top = withSign ? small(random) : positive(random);
        return QStringLiteral("%1/%2/%3").arg(whole).arg(top).arg(positive(random));
    }
    default: return QLocale().toString(small(random) / 100.0);
    }
}

// Over random lists of decimals, fractions and mixed numbers, with weights or not: every
// step that states an exact result ("=", or "squared: ") holds in exact arithmetic, and a
// rounding note stands exactly when the window's answer differs from the exact value shown
// to 15 digits.
TEST_F(StatisticsWorking, EveryExactStepHolds) {
    using sb::working::Rational;
    const auto exact = [](QString text) {
        text.remove(u'(').remove(u')');
        return Rational::ofText(text, QLocale());
    };
    static const QRegularExpression rowPattern(
        QStringLiteral(R"(^(\S+) - (\S+) = (\S+); squared(?: × (\S+))?: (\S+)$)"));
    static const QRegularExpression quotient(
        QStringLiteral(R"(^(?:Mean|Variance) = (\S+) ÷ (\S+) = ([^ ≈]+)(?: ≈ .*)?$)"));
    std::mt19937 random(11);
    const auto element = [&] { return typedValue(random, 40, 12, false); };
    std::uniform_int_distribution<int> positive(1, 12);
    int rowsChecked = 0, quotientsChecked = 0, checksChecked = 0;
    for (int round = 0; round < 400; ++round) {
        const int n = std::uniform_int_distribution<int>(1, 25)(random);
        QStringList numbers, weights;
        for (int i = 0; i < n; ++i) numbers << element();
        if (round % 2)
            for (int i = 0; i < n; ++i) weights << QString::number(positive(random));
        for (const Measure which : {Measure::Mean, Measure::Variance, Measure::Deviation}) {
            const Built b = build(numbers.join(u' '), weights.join(u' '), which);
            const QStringList lines = b.working.lines(true);
            SCOPED_TRACE(lines.join(u'\n').toStdString());
            for (const QString& line : lines) {
                if (const auto m = rowPattern.match(line); m.hasMatch()) {
                    const Rational d = exact(m.captured(3));
                    EXPECT_EQ(exact(m.captured(1)) - exact(m.captured(2)), d) << line.toStdString();
                    const Rational w = m.captured(4).isEmpty() ? Rational(1) : exact(m.captured(4));
                    EXPECT_EQ(w * d * d, exact(m.captured(5))) << line.toStdString();
                    ++rowsChecked;
                }
                if (const auto m = quotient.match(line); m.hasMatch()) {
                    EXPECT_EQ(exact(m.captured(1)) / exact(m.captured(2)), exact(m.captured(3)))
                        << line.toStdString();
                    ++quotientsChecked;
                }
                if (line.startsWith(u"Check: ")) {
                    Rational sum = 0;
                    const QString terms = line.sliced(line.indexOf(u':', 6) + 2).chopped(4);
                    for (const QString& term : terms.split(QStringLiteral(" + "))) {
                        const QStringList factors = term.split(QStringLiteral(" × "));
                        sum = sum + (factors.size() == 2 ? exact(factors[0]) * exact(factors[1])
                                                         : exact(factors[0]));
                    }
                    EXPECT_EQ(sum, Rational(0)) << line.toStdString();
                    ++checksChecked;
                }
                // E-notation only where the window's answer is quoted
                if (line.contains(u'E')) {
                    EXPECT_TRUE(line.contains(sb::resultText(b.sums.answer(which))))
                        << line.toStdString();
                }
            }
            const auto notes = std::count_if(lines.begin(), lines.end(), [](const QString& l) {
                return l.startsWith(u"The exact value is ");
            });
            EXPECT_LE(notes, 1);
        }
    }
    EXPECT_GT(rowsChecked, 1000);
    EXPECT_GT(quotientsChecked, 500);
    EXPECT_GT(checksChecked, 100);
}

// Beyond 20 values the table shows the first 20 rows and how many more there are; the
// sums are written out term by term only for a short list.
TEST_F(StatisticsWorking, LongListsCutTheTable) {
    const struct {
        int count;
        const char* more;
    } rows[] = {{20, nullptr},
                {21, "… 1 more value"},
                {1000, "… 980 more values"},
                {1'000'000, "… 999,980 more values"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.count);
        QString numbers;
        for (int i = 1; i <= row.count; ++i) numbers += QString::number(i % 97) + u' ';
        numbers.chop(1);
        const Built b = build(numbers, {}, Measure::Variance);
        const QStringList lines = b.working.lines(true);
        const auto tableRows = std::count_if(lines.begin(), lines.end(), [](const QString& l) {
            return l.contains(QStringLiteral("; squared"));
        });
        EXPECT_EQ(tableRows, std::min(row.count, 20));
        if (row.more) EXPECT_TRUE(lines.contains(QString::fromUtf8(row.more)));
        else EXPECT_FALSE(lines.join(u'\n').contains(u"more value"));
        EXPECT_EQ(b.working.hasDetail(), row.count <= 20); // no sum written out term by term
        EXPECT_LT(lines.size(), 40);
    }
}

// Every number of a figure is finite, so the driver never prints nan or inf.
void expectFinite(const sb::working::Figure& f) {
    for (const auto& e : f.elements)
        for (double n : e.numbers) EXPECT_TRUE(std::isfinite(n)) << e.name.toStdString();
}

double barTotal(const sb::working::Figure& f) {
    double sum = 0;
    for (const auto& e : f.elements)
        if (e.name == u"count") {
            EXPECT_EQ(e.numbers[1], 0); // standing on the axis
            sum += e.numbers[3];
        }
    return sum;
}

// The exact sums of a list worked the plain way, one fraction added to the next.
struct PlainSums {
    sb::working::Rational weightSum, valueSum, squareSum;
};
PlainSums plainSums(const QString& numbers, const QString& weights) {
    using sb::working::Rational;
    const QStringList a = numbers.split(u' '), w = weights.split(u' ', Qt::SkipEmptyParts);
    PlainSums s;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const Rational weight = w.isEmpty() ? Rational(1) : Rational::ofText(w[i]);
        s.weightSum = s.weightSum + weight;
        s.valueSum = s.valueSum + weight * Rational::ofText(a[i]);
    }
    const Rational mean = s.valueSum / s.weightSum;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const Rational d = Rational::ofText(a[i]) - mean;
        s.squareSum = s.squareSum + (w.isEmpty() ? Rational(1) : Rational::ofText(w[i])) * d * d;
    }
    return s;
}

// The exact sums over common denominators agree with the plain way, for decimals, fractions
// and mixed numbers with and without weights, in a locale with a decimal comma too; a list
// whose sums outgrow 128 bits has none.
TEST_F(StatisticsWorking, ExactSumsOfTheTypedLists) {
    using sb::working::Rational;
    std::mt19937 random(13);
    std::uniform_int_distribution<int> positive(1, 16);
    int compared = 0;
    for (const char* locale : {"en_US", "de_DE"}) {
        QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
        const auto element = [&] { return typedValue(random, 99, 16, true); };
        for (int round = 0; round < 300; ++round) {
            QStringList numbers, weights;
            const int n = std::uniform_int_distribution<int>(1, 40)(random);
            for (int i = 0; i < n; ++i) numbers << element();
            if (round % 2)
                for (int i = 0; i < n; ++i)
                    weights << QString::number(positive(random)) + u'/' +
                                   QString::number(positive(random));
            const QString a = numbers.join(u' '), w = weights.join(u' ');
            SCOPED_TRACE((a + u'|' + w).toStdString());
            const auto checked = st::checklists(a, w, sb::NumberMarks(QLocale()));
            ASSERT_FALSE(checked.refusal);
            const st::ExactSums exact = st::exactSums(checked.lists);
            const PlainSums plain = plainSums(a, w);
            if (!plain.squareSum.known()) continue; // beyond 128 bits the plain way too
            ++compared;
            EXPECT_EQ(exact.weightSum, plain.weightSum);
            EXPECT_EQ(exact.valueSum, plain.valueSum);
            EXPECT_EQ(exact.mean, plain.valueSum / plain.weightSum);
            EXPECT_EQ(exact.squareSum, plain.squareSum);
            EXPECT_EQ(exact.variance, plain.squareSum / plain.weightSum);
            ASSERT_EQ(exact.values.size(), std::size_t(std::min(n, 20)));
            for (std::size_t i = 0; i < exact.values.size(); ++i)
                EXPECT_EQ(exact.values[i], Rational::ofText(numbers[qsizetype(i)]));
        }
    }
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_GT(compared, 500);
    // a thousand different prime denominators: no common denominator fits in 128 bits
    QString primes;
    for (int p = 3, found = 0; found < 1000; p += 2) {
        bool prime = true;
        for (int q = 3; q * q <= p && prime; q += 2) prime = p % q != 0;
        if (prime) primes += QStringLiteral("1/%1 ").arg(p), ++found;
    }
    primes.chop(1);
    const auto checked = st::checklists(primes, {}, sb::NumberMarks(QLocale()));
    EXPECT_FALSE(st::exactSums(checked.lists).mean.known());
}

// Over random lists: the bars add up to the total weight, the mean is marked where the
// answer is, and the band reaches from mean - sigma to mean + sigma.
TEST_F(StatisticsWorking, FiguresOverRandomLists) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> length(1, 300), spread(1, 4), weightKind(0, 2);
    for (int round = 0; round < 300; ++round) {
        const int n = length(random);
        const double scale = std::pow(10.0, spread(random) * 2 - 4);
        const bool weighted = weightKind(random) == 0;
        std::uniform_int_distribution<int> value(-400, 400), weight(1, 9);
        QString numbers, weights;
        for (int i = 0; i < n; ++i) {
            numbers += sb::resultText(value(random) * scale) + u' ';
            weights += QString::number(weight(random)) + u' ';
        }
        numbers.chop(1), weights.chop(1);
        for (const Measure which : {Measure::Mean, Measure::Variance, Measure::Deviation}) {
            const Built b = build(numbers, weighted ? weights : QString(), which);
            const auto& f = b.working.figure;
            SCOPED_TRACE(numbers.left(200).toStdString());
            expectFinite(f);
            EXPECT_NEAR(barTotal(f), b.sums.weightSum, 1e-9 * b.sums.weightSum);
            ASSERT_TRUE(f.find("mean"));
            EXPECT_EQ(f.find("mean")->numbers, (std::vector<double>{b.sums.mean, 0}));
            // the label writes the exact mean to 15 digits, never the window's rounding
            const PlainSums plain = plainSums(numbers, weighted ? weights : QString());
            EXPECT_EQ(f.find("mean-label")->text,
                      "mean " + sb::resultText((plain.valueSum / plain.weightSum).toDouble()));
            const auto* sd = f.find("sd");
            ASSERT_EQ(sd != nullptr, which != Measure::Mean);
            if (sd) {
                const double sigma = *b.sums.deviation;
                EXPECT_EQ(sd->numbers,
                          (std::vector<double>{b.sums.mean - sigma, 0, b.sums.mean + sigma, 0}));
            }
            const auto bars = std::count_if(f.elements.begin(), f.elements.end(),
                                            [](const auto& e) { return e.name == u"count"; });
            const std::set<double> different(b.lists.numbers.begin(), b.lists.numbers.end());
            if (different.size() <= 50) {
                EXPECT_EQ(std::size_t(bars), different.size());
            }
            EXPECT_EQ(f.description.startsWith(u"Histogram"), different.size() > 50);
        }
    }
}

// One bar for each different value up to 50 of them; beyond, a histogram whose rule the
// description names.
TEST_F(StatisticsWorking, BarsByValueOrHistogram) {
    const Built dice = build("1 6 6 3 3 3", {}, Measure::Mean);
    std::vector<std::pair<double, double>> bars;
    for (const auto& e : dice.working.figure.elements)
        if (e.name == u"count") bars.push_back({e.numbers[0] + e.numbers[2] / 2, e.numbers[3]});
    EXPECT_EQ(bars, (std::vector<std::pair<double, double>>{{1, 1}, {3, 3}, {6, 2}}));

    QString to7000;
    for (int i = 1; i <= 7000; ++i) to7000 += QString::number(i) + u' ';
    to7000.chop(1);
    const Built wide = build(to7000, {}, Measure::Deviation);
    const auto& f = wide.working.figure;
    EXPECT_TRUE(f.description.startsWith(
        u"Histogram of the 7,000 values from 1 to 7000 in 14 bins of width 500 (Sturges' rule"))
        << f.description.toStdString();
    EXPECT_EQ(barTotal(f), 7000);
    EXPECT_EQ(f.elements.front().name, "band");
}

// Values too far apart for one number line: the mean alone and a note, nothing infinite.
TEST_F(StatisticsWorking, ExtremeValuesDrawNoInfinity) {
    for (const char* numbers : {"1e308 -1e308", "-1.7e308 1.7e308 0", "1e-300 2e-300"}) {
        SCOPED_TRACE(numbers);
        const Built b = build(numbers, {}, Measure::Mean);
        expectFinite(b.working.figure);
        ASSERT_TRUE(b.working.figure.find("mean"));
    }
    EXPECT_FALSE(build("1e308 -1e308", {}, Measure::Mean).working.figure.note.isEmpty());
}

TEST_F(StatisticsWorking, TheGuideWorksItsExample) {
    const auto guide = st::statisticsGuide();
    EXPECT_EQ(guide.boxes.size(), 5); // the boxes, then pasting and dropping lists
    EXPECT_EQ(guide.example.steps.back().text, "The standard deviation is 2");
}

} // namespace
