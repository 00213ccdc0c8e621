// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The statistics window's routines on its two lists: the numbers and, optionally, their
// weights, each typed as one text with the elements separated by single blanks.

#include "entry/conversions.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace sb::statistics {

// The messages in English; checklists gives them in the language of the run.
namespace messages {
inline const QString lengthsDiffer = QStringLiteral(
    QT_TRANSLATE_NOOP("StatisticsLists", "Number Of Elements In Both Fileds Must Be Equals. If "
                                         "There Is No Weight Leave The Weight Filed Empty!"));
inline const QString numbersEmpty = QStringLiteral(
    QT_TRANSLATE_NOOP("StatisticsLists", "Please Fill The Numbers Filed, It Is Empty!!!"));
} // namespace messages

// The lists as the computation reads them: every element is the number that its result
// text reads back as, so each enters rounded to 15 significant digits. No weights: each
// weight is 1.
struct Lists {
    std::vector<double> numbers;
    std::vector<double> weights; // empty, or as many as numbers
    // an element whose result text has no number (it rounds beyond the largest double):
    // the lists pass, and every measure of them raises the NotNumeric fault
    bool unreadable = false;
    // the texts as typed (shared with the boxes, not copied), for the working's exact values
    QString typedNumbers, typedWeights;
};

struct Checked {
    Lists lists;
    std::optional<QString> refusal; // the one message, when the lists are refused
};

// Tests the two texts and reads their elements: different lengths (when weights are given)
// are refused first, then an empty numbers list; then the elements are read number 1,
// weight 1, number 2, weight 2, ... with the value entry parser, and the first refused one
// ends the reading with the parser's message. A text splits at every single blank, keeping
// empty elements; an empty text is an empty list.
Checked checklists(const QString& numbers, const QString& weights, const NumberMarks& marks);

// The sum of the values, first to last, each added as value + sum.
double total(std::span<const double> values);

// What the window's three commands compute.
enum class Measure { Mean, Variance, Deviation };

// One row of the table of deviations: a value, its weight (1 without weights), its distance
// from the mean and what it adds to the sum of squares.
struct Deviation {
    double value, weight, distance, term;
};

// A measure with the sums it was computed from, so that the working shows the very values
// of the answer.
struct Sums {
    double valueSum = 0;  // total(a), or the sum of a*w
    double weightSum = 0; // n, or total(w)
    double mean = 0;
    // the variance and the deviation only
    double squareSum = 0; // the sum of d*d, or of d*(d*w)
    double variance = 0;
    std::optional<double> deviation;  // the root of the variance, when it has one
    std::vector<Deviation> firstRows; // the first tableRows rows of the table, in order

    double answer(Measure which) const;
};

// How many rows of the table of deviations are kept.
inline constexpr std::size_t tableRows = 20;

// The measure and its sums, in one pass for the mean and one more for the squares. For the
// deviation, a negative variance raises the fault; for the variance it is only left
// without a root.
Sums measure(const Lists& lists, Measure which);

// The weighted mean: total(a1*w1 .. an*wn) / total(w1 .. wn); unweighted total(a) / n.
double mean(const Lists& lists);

// The weighted population variance: the sum of d*(d*w) with d = a - mean, over the total of
// the weights; unweighted the sum of d*d over n.
double variance(const Lists& lists);

// The root of the variance.
double deviation(const Lists& lists);

// Arithmetic that leaves the range of a double, a weight sum of 0 and the root of a negative
// variance raise ArithmeticFault.

} // namespace sb::statistics
