// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/statistics/dispersion/statistics_lists.h"

#include "entry/conversions.h"
#include "entry/fault.h"
#include "entry/value_entry.h"

#include "number_locales.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <string>

namespace {

namespace st = sb::statistics;
namespace messages = st::messages;

const char* const lengthsDiffer = "Number Of Elements In Both Fileds Must Be Equals. If There Is "
                                  "No Weight Leave The Weight Filed Empty!";
const char* const numbersEmpty = "Please Fill The Numbers Filed, It Is Empty!!!";
const char* const mustEnterNumeric = "Must enter a numeric value";
const char* const fault = "fault";

// What a command shows: the result text of its measure, the message of a refusal, or
// "fault" for an arithmetic fault.
std::string shown(const QString& numbers, const QString& weights,
                  double (*measure)(const st::Lists&), const char* locale = "en_US") {
    const QLocale l{QString::fromLatin1(locale)};
    try {
        const auto checked = st::checklists(numbers, weights, sb::NumberMarks(l));
        if (checked.refusal) return checked.refusal->toStdString();
        return sb::resultText(measure(checked.lists), l).toStdString();
    } catch (const sb::ArithmeticFault&) {
        return fault;
    }
}

struct Row {
    const char* numbers;
    const char* weights;
    std::string mean, variance, deviation;
};

void expectRows(const std::vector<Row>& rows, const char* locale = "en_US") {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("numbers \"") + row.numbers + "\" weights \"" + row.weights +
                     "\"");
        const QString n = QString::fromUtf8(row.numbers), w = QString::fromUtf8(row.weights);
        EXPECT_EQ(shown(n, w, st::mean, locale), row.mean);
        EXPECT_EQ(shown(n, w, st::variance, locale), row.variance);
        EXPECT_EQ(shown(n, w, st::deviation, locale), row.deviation);
    }
}

TEST(Statistics, MeanVarianceAndDeviation) {
    expectRows({
        {"1 2 3 4", "", "2.5", "1.25", "1.11803398874989"},
        {"1 4 65 898 5 2 6 88", "", "133.625", "84451.234375", "290.604945544635"},
        {"2 4 4 4 5 5 7 9", "", "5", "4", "2"},
        {"5", "", "5", "0", "0"},
        {"1 2 3", "1 1 2", "2.25", "0.6875", "0.82915619758885"},
        {"1 2", "3 1", "1.25", "0.1875", "0.433012701892219"},
        {"1/2 3/4", "", "0.625", "0.015625", "0.125"},
        {"2/1/4 -2/1/2", "", "0.375", "3.515625", "1.875"},
        {"1.5 2.5", "0.5 1/2", "2", "0.25", "0.5"},
        // each element enters as its 15-digit text reads back: 4/3 is 1.33333333333333
        {"4/3 1/2", "", "0.916666666666665", "0.17361111111111", "0.416666666666665"},
        {"2/3 -0.666666666666667", "", "0", "0.444444444444445", "0.666666666666667"},
        // the weighted square as d * (d * w), not (d * d) * w
        {"7.8 2", "1.5 3", "3.93333333333333", "7.47555555555555", "2.73414622058798"},
        {"4.1 5.6", "5/7 6/7", "4.91818181818182", "0.557851239669422", "0.746894396597954"},
        // other white space stays inside an element, only the blank separates
        {"1\t2", "", "1\t2 Is not a numeric value", "1\t2 Is not a numeric value",
         "1\t2 Is not a numeric value"},
    });
}

TEST(Statistics, RefusalsInTheirOrder) {
    const auto refused = [](const char* message) { return Row{"", "", message, message, message}; };
    std::vector<Row> rows;
    const auto add = [&](const char* n, const char* w, const char* message) {
        Row row = refused(message);
        row.numbers = n;
        row.weights = w;
        rows.push_back(row);
    };
    add("1 2 3", "1 1", lengthsDiffer);
    add("", "1", lengthsDiffer); // lengths are compared before the numbers are missed
    add("", "", numbersEmpty);
    add("1  2", "", mustEnterNumeric); // a doubled blank leaves an empty element
    add(" 1", "", mustEnterNumeric);
    add("1 ", "", mustEnterNumeric);
    add("1 2 3", "1 1 ", mustEnterNumeric); // three weights, the last one empty
    add("1 2/x 3", "", "x Is not a numeric value");
    add("1 x y", "", "x Is not a numeric value"); // only the first bad element speaks
    // numbers and weights are read in turns: number 1, weight 1, number 2, ...
    add("1 x", "w 1", "w Is not a numeric value");
    add("1 2 x", "1 w 1", "w Is not a numeric value");
    add("1 x", "1 w", "x Is not a numeric value");
    add("1 2", "1 1/0", "Denominator Cant Be Zero!!!");
    add("1 1/2/3/4", "", mustEnterNumeric);
    expectRows(rows);
}

TEST(Statistics, FaultsLeaveNoAnswer) {
    expectRows({
        // the weights add up to 0
        {"1 2", "1 -1", fault, fault, fault},
        {"1 2", "0 0", fault, fault, fault},
        // a negative weight can make the variance negative, which has no root
        {"1 2", "-1 2", "3", "-2", fault},
        // a negative weight with a positive sum is taken as it is
        {"1 2 3", "2 -1 1", "1.5", "1.25", "1.11803398874989"},
        // sums beyond the range of a double
        {"1e308 1e308", "", fault, fault, fault},
        {"1e200 2", "", "5E+199", fault, fault},
        {"1e300 1", "1e10 1", fault, fault, fault},
        // the largest double is written 1.79769313486232E+308, which has no number; that
        // is found when the texts are read back, after every element passed the parser
        {"1.7976931348623157e308", "", fault, fault, fault},
        {"1 2", "1 1.7976931348623157e308", fault, fault, fault},
        {"1.7976931348623157e308 x", "", "x Is not a numeric value", "x Is not a numeric value",
         "x Is not a numeric value"},
        {"1 2", "-1.7976931348623157e308 1/0", "Denominator Cant Be Zero!!!",
         "Denominator Cant Be Zero!!!", "Denominator Cant Be Zero!!!"},
    });
}

TEST(Statistics, ReadsInTheLocale) {
    expectRows(
        {
            {"1,5 2,5", "", "2", "0,25", "0,5"},
            {"1/4 0,5", "1 1", "0,375", "0,015625", "0,125"},
            {"1.5", "", "1.5 Is not a numeric value", "1.5 Is not a numeric value",
             "1.5 Is not a numeric value"},
        },
        "de_DE");
}

TEST(Statistics, TotalAddsFirstToLast) {
    const struct {
        std::vector<double> values;
        double sum;
    } rows[] = {
        {{}, 0},
        {{1, 2, 3}, 6},
        // value + sum in order: 1 is lost against 1e16 one at a time
        {{1e16, 1, 1, 1, 1}, 1e16},
        {{1, 1, 1, 1, 1e16}, 1e16 + 4},
    };
    for (const auto& row : rows) EXPECT_EQ(st::total(row.values), row.sum);
    EXPECT_THROW(st::total(std::vector<double>{1e308, 1e308}), sb::ArithmeticFault);
}

// The lists read as the window would read them one element at a time: the text split at
// every blank, each element parsed on its own and replaced by its result text; then, once
// every element passed, the texts read back.
st::Checked readOneByOne(const QString& numbers, const QString& weights, const QLocale& locale) {
    const auto split = [](const QString& text) {
        return text.isEmpty() ? QStringList() : text.split(u' ');
    };
    QStringList n = split(numbers), w = split(weights);
    st::Checked checked;
    if (!w.isEmpty() && w.size() != n.size()) checked.refusal = messages::lengthsDiffer;
    else if (n.isEmpty()) checked.refusal = messages::numbersEmpty;
    for (qsizetype i = 0; !checked.refusal && i < n.size(); ++i) {
        for (QStringList* list : {&n, &w}) {
            if (list->isEmpty() || checked.refusal) continue;
            const auto outcome = sb::readValue((*list)[i], sb::entry_rules::statistics, locale);
            if (outcome.refusal) checked.refusal = outcome.refusal;
            else (*list)[i] = sb::resultText(outcome.value, locale);
        }
    }
    if (checked.refusal) return checked;
    for (const auto& [list, read] :
         {std::pair{&n, &checked.lists.numbers}, std::pair{&w, &checked.lists.weights}}) {
        for (const QString& text : *list) {
            const auto number = sb::parseNumber(text, locale);
            checked.lists.unreadable = checked.lists.unreadable || !number;
            read->push_back(number.value_or(0));
        }
    }
    return checked;
}

// Reading a list in one go takes every element exactly as reading it alone, written out
// and read back, would: in every way of writing numbers, with plain decimals (which need no
// writing out), long ones, exponents, fractions, mixed numbers and values whose text has no
// number.
TEST(Statistics, ListsReadAsElementsOneByOne) {
    std::mt19937 random(17);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (const QLocale& locale : numberLocales()) {
        const sb::NumberMarks marks(locale);
        const auto element = [&] {
            QString text;
            const auto digits = [&](int count) {
                for (int d = 0; d < count; ++d) text += QChar(u'0' + pick(10));
            };
            const auto decimal = [&] {
                const int sign = pick(4);
                if (sign == 1) text += u'-';
                if (sign == 2) text += marks.negativeSign;
                if (pick(40) == 0) { // written 1.79769313486232E+308, beyond the largest double
                    text += u'1' + marks.decimalPoint + QStringLiteral("7976931348623157e308");
                    return;
                }
                digits(pick(9));
                if (pick(2)) text += marks.decimalPoint;
                digits(1 + pick(12));
                if (pick(6) == 0)
                    text += (pick(2) ? QStringLiteral("e-") : QStringLiteral("E")) +
                            QString::number(pick(330));
            };
            decimal();
            for (int part = pick(6) < 4 ? 0 : pick(3); part > 0; --part) {
                text += u'/';
                decimal();
            }
            return text;
        };
        for (int round = 0; round < 30; ++round) {
            QStringList numbers, weights;
            const int count = 1 + pick(30);
            for (int i = 0; i < count; ++i) numbers << element();
            if (pick(2))
                for (int i = 0; i < count; ++i) weights << element();
            const QString n = numbers.join(u' '), w = weights.join(u' ');
            SCOPED_TRACE(
                (locale.name() + QStringLiteral(" \"") + n + QStringLiteral("\" \"") + w + u'"')
                    .toStdString());
            const st::Checked expected = readOneByOne(n, w, locale);
            const st::Checked actual = st::checklists(n, w, marks);
            EXPECT_EQ(actual.refusal, expected.refusal);
            EXPECT_EQ(actual.lists.unreadable, expected.lists.unreadable);
            const auto bits = [](const std::vector<double>& values) {
                std::vector<std::uint64_t> b;
                for (const double v : values) b.push_back(std::bit_cast<std::uint64_t>(v));
                return b;
            };
            EXPECT_EQ(bits(actual.lists.numbers), bits(expected.lists.numbers));
            EXPECT_EQ(bits(actual.lists.weights), bits(expected.lists.weights));
        }
    }
}

// A long list read in one go gives the same as the same list short: nothing is cut, and
// the elements at either end are read.
TEST(Statistics, LongList) {
    QString numbers;
    for (int i = 1; i <= 200000; ++i) numbers += QString::number(i) + u' ';
    numbers.chop(1);
    const QLocale english(QStringLiteral("en_US"));
    const auto checked = st::checklists(numbers, QString(), sb::NumberMarks(english));
    ASSERT_FALSE(checked.refusal);
    ASSERT_EQ(checked.lists.numbers.size(), 200000u);
    EXPECT_EQ(checked.lists.numbers.back(), 200000);
    EXPECT_EQ(st::mean(checked.lists), 100000.5);
}

} // namespace
