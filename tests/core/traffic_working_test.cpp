// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/traffic/traffic_working.h"

#include "entry/conversions.h"
#include "entry/value_entry.h"
#include "working/exact.h"

#include "english_default.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <random>

namespace {

using namespace sb::traffic;

using TrafficWorking = EnglishDefault;

Given given(double value) { return {sb::resultText(value), value}; }

// A price problem worked as the window works it: the new price from the amount as shown.
sb::working::Working price(bool decrease, const Given& p, const Given& c) {
    PriceChange change{PercentageAmountWorked(p.value, c.value)};
    change.amountShown = sb::readBack(change.amount.amount);
    change.newPrice = decrease ? DecreasedPrice(c.value, change.amountShown)
                               : IncreasedPrice(change.amountShown, c.value);
    return priceWorking(decrease, p, c, change);
}

// A command worked from the texts typed, read as the window reads them, all three one space
// apart as in "T 100 40": "T", "V" and "S" for the three rows of distance = speed × time, "-"
// and "+" for a price decreased or increased (first the percentage, then the cost).
sb::working::Working worked(const QString& typed) {
    const QStringList texts = typed.split(u' ');
    const auto read = [&](int i) {
        return Given{texts[i], sb::readValue(texts[i], sb::entry_rules::traffic).value};
    };
    const Given a = read(1), b = read(2);
    const QChar command = texts[0][0];
    switch (command.toLatin1()) {
    case 'T': return motionWorking(Unknown::Time, a, b, FindT(a.value, b.value));
    case 'V': return motionWorking(Unknown::Speed, a, b, FindV(a.value, b.value));
    case 'S': return motionWorking(Unknown::Distance, a, b, FindS(a.value, b.value));
    default: return price(command == u'-', a, b);
    }
}

TEST_F(TrafficWorking, StepsOfEachCommand) {
    struct Case {
        sb::working::Working working;
        QStringList lines; // detail lines included
    };
    const Case cases[] = {
        {worked("T 100 40"),
         {"Distance = speed × time, so the time is T = S ÷ V.", "S = 100", "V = 40",
          "T = 100 ÷ 40 = 2.5", "With S in km and V in km per hour, T is in hours: T = 2 h 30 min.",
          "Check: V × T = 40 × 2.5 = 100, which is S."}},
        {worked("V 1 7"),
         {"Distance = speed × time, so the speed is V = S ÷ T.", "S = 1", "T = 7",
          "V = 1 ÷ 7 = 1/7 ≈ 0.142857142857143", "Check: V × T = 1/7 × 7 = 1, which is S."}},
        {worked("S 3/2 60"),
         {"Distance = speed × time: S = V × T.", "T = 3/2 = 1.5", "V = 60", "S = 60 × 1.5 = 90",
          "Check: S ÷ T = 90 ÷ 1.5 = 60, which is V."}},
        {worked("- 25 80"),
         {"The decrease is P percent of the price C: P × C ÷ 100.", "P = 25", "C = 80",
          "P × C = 25 × 80 = 2000", "The decrease is 25 × 80 ÷ 100 = 20",
          "The new price is C - decrease = 80 - 20 = 60",
          "Check: new price + decrease = 60 + 20 = 80, which is C."}},
        // 7 × 0.1 / 100 is a hair above 0.007, which the label shows
        {worked("+ 7 0.1"),
         {"The increase is P percent of the price C: P × C ÷ 100.", "P = 7", "C = 0.1",
          "P × C = 7 × 0.1 = 0.7", "The increase is 7 × 0.1 ÷ 100 = 0.007",
          "To the cent the increase is 0.01 $.",
          "The window works the new price from the increase as it shows it, 0.007.",
          "The new price is increase + C = 0.007 + 0.1 = 0.107",
          "To the cent the new price is 0.11 $.",
          "The window does not round to the cent: it shows the numbers it computed.",
          "Check: new price - increase = 0.107 - 0.007 = 0.1, which is C."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lines.first().toStdString());
        EXPECT_EQ(c.working.lines(true).join(u'\n').toStdString(),
                  c.lines.join(u'\n').toStdString());
    }
}

// Exact values beside the window's: fractions in lowest terms, hours as hours and minutes,
// money to the cent, the rounding of the window's last digits explained, and the conditions
// that bite. Each row's lines must stand in the working in the order given.
TEST_F(TrafficWorking, ExactValuesBesideTheWindows) {
    struct Row {
        const char* typed;
        QStringList inOrder;
        const char* absent = nullptr;
    };
    const Row rows[] = {
        {"T 1 7",
         {"T = 1 ÷ 7 = 1/7 ≈ 0.142857142857143",
          "With S in km and V in km per hour, T is in hours: T ≈ 8 min 34 s."}},
        {"T 5 4", {"T = 5 ÷ 4 = 1.25", "T is in hours: T = 1 h 15 min."}},
        // 12/17 = 0.70588235294117647...: the double of it rounds up at the 15th digit, the
        // exact value down, so the window's last digit is rounding and the steps say so
        {"T 12 17",
         {"T = 12 ÷ 17 = 12/17 ≈ 0.705882352941176",
          "The exact value is 12/17 ≈ 0.705882352941176. The window shows 0.705882352941177: "
          "the computer keeps about 16 digits and rounds at every step, so the last digits it "
          "shows carry that rounding."}},
        {"T 1 40", {"T = 1 ÷ 40 = 0.025", "T = 1 min 30 s."}},
        // whole hours, and less than a minute, need no clock time
        {"T 160 80", {"T = 160 ÷ 80 = 2"}, "T is in hours"},
        {"T 7 3600", {"T = 7 ÷ 3600 = 7/3600 ≈ 0.00194444444444444"}, "T is in hours"},
        // the window's power-of-ten form said in words
        {"T 0.001 500",
         {"T = 0.001 ÷ 500 = 0.000002",
          "The window writes this as 2E-06: E-06 means × 10⁻⁶, so 2E-06 is 0.000002."}},
        {"V 1/3 2", {"S = 1/3 ≈ 0.333333333333333", "V = 1/3 ÷ 2 = 1/6 ≈ 0.166666666666667"}},
        {"V 3/6 2", {"S = 3/6 = 0.5", "V = 0.5 ÷ 2 = 0.25"}},
        {"S 2/1/4 60", {"T = 2/1/4, that is 2 1/4 = 2.25", "S = 60 × 2.25 = 135"}},
        {"S 1/3 3", {"S = 3 × 1/3 = 1"}, "The exact value"},
        // money to the cent, and the window's own numbers
        {"- 12.5 19.99",
         {"The decrease is 12.5 × 19.99 ÷ 100 = 2.49875", "To the cent the decrease is 2.50 $.",
          "The new price is C - decrease = 19.99 - 2.49875 = 17.49125",
          "To the cent the new price is 17.49 $.",
          "The window does not round to the cent: it shows the numbers it computed."}},
        {"+ 150 80", {"The new price is increase + C = 120 + 80 = 200"}, "To the cent"},
        // a decrease of 100 percent leaves nothing to pay
        {"- 100 80",
         {"The new price is C - decrease = 80 - 80 = 0",
          "A decrease of 100 percent takes the whole price off: nothing is left to pay."}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        const QStringList lines = worked(row.typed).lines(true);
        qsizetype from = 0;
        for (const QString& line : row.inOrder) {
            qsizetype at = -1;
            for (qsizetype i = from; i < lines.size() && at < 0; ++i)
                if (lines[i] == line || lines[i].endsWith(line)) at = i;
            EXPECT_GE(at, 0) << "missing or out of order: " << line.toStdString() << "\n"
                             << lines.join(u'\n').toStdString();
            if (at >= 0) from = at + 1;
        }
        if (row.absent) EXPECT_FALSE(lines.join(u'\n').contains(row.absent)) << row.absent;
    }
}

// The figure's labels write the exact new price and change, not the window's rounding: the
// prices on the bars, the change beside its arrow in two lines.
TEST_F(TrafficWorking, FigureLabelsWriteExactValues) {
    const struct {
        const char *typed, *after, *change, *percent;
    } rows[] = {
        {"- 99 0.8", "0.008 $", "0.792 $ less", "(99 %)"},
        {"+ 12.5 19.99", "22.48875 $", "2.49875 $ more", "(12.5 %)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.after);
        const auto f = worked(row.typed).figure;
        EXPECT_EQ(f.find("after")->text, QString::fromUtf8(row.after));
        EXPECT_EQ(f.find("change")->text, QString::fromUtf8(row.change));
        EXPECT_EQ(f.find("change-label")->text, QString::fromUtf8(row.percent));
        EXPECT_EQ(f.find("before-name")->text, QStringLiteral("before"));
        EXPECT_EQ(f.find("after-name")->text, QStringLiteral("after"));
    }
}

// Over random typed values: every computation a step states with "=" holds in exact
// arithmetic, a clock time given with "=" is the exact time, and money to the cent lies
// within half a cent of the exact amount.
TEST_F(TrafficWorking, EveryExactStepHolds) {
    using sb::working::Rational;
    const auto exact = [](const QString& text) { return Rational::ofText(text, QLocale()); };
    static const QRegularExpression computed(QStringLiteral(
        R"((\S+) ([÷×+-]) (\S+)( ÷ 100)? = ([^ ≈,]+)(?: ≈ \S+)?(?:, which is [SVC])?\.?$)"));
    static const QRegularExpression clock(
        QStringLiteral(R"(T = (?:(\d+) h)? ?(?:(\d+) min)? ?(?:(\d+) s)?\.$)"));
    static const QRegularExpression cent(
        QStringLiteral(R"(^To the cent the (\S+ ?\S*) is (\S+) \$\.$)"));
    std::mt19937 random(23);
    std::uniform_int_distribution<int> kind(0, 3), whole(1, 400), small(1, 12);
    const auto value = [&] {
        switch (kind(random)) {
        case 0: return QString::number(whole(random));
        case 1: return QString::number(whole(random) / 4.0);
        case 2: return QStringLiteral("%1/%2").arg(whole(random)).arg(small(random));
        default: return QString::number(whole(random) / 100.0);
        }
    };
    int checked = 0, clocks = 0, cents = 0;
    for (int round = 0; round < 300; ++round) {
        for (const char command : {'T', 'V', 'S', '-', '+'}) {
            QString a = value(), b = value();
            if (command == '-') a = QString::number(small(random) * 8);
            const auto lines =
                worked(QStringLiteral("%1 %2 %3").arg(command).arg(a, b)).lines(true);
            SCOPED_TRACE(lines.join(u'\n').toStdString());
            const Rational hours = exact(a) / exact(b);
            for (const QString& line : lines) {
                if (const auto m = computed.match(line); m.hasMatch()) {
                    const Rational x = exact(m.captured(1)), y = exact(m.captured(3));
                    const QString op = m.captured(2);
                    Rational r = op == u"÷"   ? x / y
                                 : op == u"×" ? x * y
                                 : op == u"+" ? x + y
                                              : x - y;
                    if (!m.captured(4).isEmpty()) r = r / Rational(100);
                    EXPECT_EQ(r, exact(m.captured(5))) << line.toStdString();
                    ++checked;
                }
                if (const auto m = clock.match(line); m.hasMatch() && command == 'T') {
                    const Rational seconds =
                        Rational(m.captured(1).toLongLong() * 3600 +
                                 m.captured(2).toLongLong() * 60 + m.captured(3).toLongLong());
                    EXPECT_EQ(seconds, hours * Rational(3600)) << line.toStdString();
                    ++clocks;
                }
                if (const auto m = cent.match(line); m.hasMatch()) {
                    const Rational shown = exact(m.captured(2));
                    const QString& what = m.captured(1);
                    const Rational amount = exact(a) * exact(b) / Rational(100);
                    const Rational meant =
                        what == u"new price"
                            ? (command == '-' ? exact(b) - amount : exact(b) + amount)
                            : amount;
                    const Rational off = shown > meant ? shown - meant : meant - shown;
                    EXPECT_LE(off, Rational::of(1, 200)) << line.toStdString();
                    ++cents;
                }
            }
        }
    }
    EXPECT_GT(checked, 1000);
    EXPECT_GT(clocks, 20);
    EXPECT_GT(cents, 50);
}

// Over random values: the line of the motion runs from the origin to (T, S) with the slope
// V; the bars stand on the axis as high as the price and the new price, and the change's
// arrow runs from one to the other.
TEST_F(TrafficWorking, FiguresAreTheValuesShown) {
    std::mt19937 random(9);
    std::uniform_real_distribution<double> any(0.01, 500);
    for (int round = 0; round < 300; ++round) {
        const double a = any(random), b = any(random);
        const double t = FindT(a, b);
        const auto motion = motionWorking(Unknown::Time, given(a), given(b), t).figure;
        EXPECT_EQ(motion.find("motion")->numbers, (std::vector<double>{0, 0, t, a}));
        EXPECT_NEAR(a / t, b, 1e-12 * b);
        const double s = FindS(a, b);
        EXPECT_EQ(
            motionWorking(Unknown::Distance, given(a), given(b), s).figure.find("motion")->numbers,
            (std::vector<double>{0, 0, a, s}));

        const double p = std::min(a, 100.0);
        for (const bool decrease : {true, false}) {
            const auto w = price(decrease, given(p), given(b));
            const auto& f = w.figure;
            const double amount = sb::readBack(PercentageAmount(p, b));
            const double after = decrease ? DecreasedPrice(b, amount) : IncreasedPrice(amount, b);
            EXPECT_EQ(f.find("before")->numbers, (std::vector<double>{0.8, 0, 0.6, b}));
            EXPECT_EQ(f.find("after")->numbers, (std::vector<double>{2.3, 0, 0.6, after}));
            const auto& arrow = f.find("change")->numbers;
            EXPECT_EQ(arrow[1], b);
            EXPECT_EQ(arrow[3], after);
            // the new price as the window shows it: the step's result, or the rounding note's
            EXPECT_TRUE(w.lines(false).join(u'\n').contains(sb::resultText(after)));
        }
    }
}

} // namespace
