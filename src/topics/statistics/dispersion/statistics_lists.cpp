// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_lists.h"

#include "entry/fault.h"
#include "entry/real.h"
#include "entry/value_entry.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace sb::statistics {

namespace {

// A message of the lists in the language of the run.
QString translated(const QString& message) {
    return QCoreApplication::translate("StatisticsLists", message.toUtf8().constData());
}

// An empty text is no list; otherwise every blank ends an element, even an empty one.
qsizetype elementCount(QStringView text) { return text.isEmpty() ? 0 : text.count(u' ') + 1; }

// Hands out the elements of a list text one after another, as views into the text.
class Elements {
public:
    explicit Elements(QStringView text) : text_(text) {}
    QStringView next() {
        const qsizetype blank = text_.indexOf(u' ', from_);
        const qsizetype end = blank < 0 ? text_.size() : blank;
        const QStringView element = text_.sliced(from_, end - from_);
        from_ = end + 1;
        return element;
    }

private:
    QStringView text_;
    qsizetype from_ = 0;
};

// Reads one element with the value entry parser and keeps what its result text reads back
// as; gives the parser's message when the element is refused.
std::optional<QString> readElement(QStringView element, const NumberMarks& marks,
                                   std::vector<double>& read, bool& unreadable) {
    EntryOutcome outcome = readValue(element, entry_rules::statistics, marks);
    if (outcome.refusal) return std::move(outcome.refusal);
    // most typed numbers are plain decimals, whose text need not be written to be read back
    if (readsBackUnchanged(element, marks)) {
        read.push_back(outcome.value);
        return std::nullopt;
    }
    try {
        read.push_back(readBack(outcome.value));
    } catch (const ArithmeticFault&) {
        // the text is written all the same; only reading it back, after the lists, fails
        unreadable = true;
        read.push_back(0);
    }
    return std::nullopt;
}

} // namespace

Checked checklists(const QString& numbers, const QString& weights, const NumberMarks& marks) {
    const qsizetype count = elementCount(numbers);
    const qsizetype weightCount = elementCount(weights);
    Checked checked;
    if (weightCount != 0 && weightCount != count) {
        checked.refusal = translated(messages::lengthsDiffer);
        return checked;
    }
    if (count == 0) {
        checked.refusal = translated(messages::numbersEmpty);
        return checked;
    }

    Lists& lists = checked.lists;
    lists.numbers.reserve(count);
    lists.weights.reserve(weightCount);
    Elements number(numbers), weight(weights);
    for (qsizetype i = 0; i < count; ++i) {
        checked.refusal = readElement(number.next(), marks, lists.numbers, lists.unreadable);
        if (!checked.refusal && weightCount != 0)
            checked.refusal = readElement(weight.next(), marks, lists.weights, lists.unreadable);
        if (checked.refusal) {
            checked.lists = {};
            return checked;
        }
    }
    lists.typedNumbers = numbers;
    lists.typedWeights = weights;
    return checked;
}

double total(std::span<const double> values) {
    Real sum = 0;
    for (const double value : values) sum = Real(value) + sum;
    return sum.value();
}

Sums measure(const Lists& lists, Measure which) {
    if (lists.unreadable) throw ArithmeticFault(ArithmeticFault::Kind::NotNumeric);
    const std::vector<double>& a = lists.numbers;
    const std::vector<double>& w = lists.weights;
    Sums s;
    // without weights the weight list is n ones, whose total is n exactly
    if (w.empty()) {
        s.valueSum = total(a);
        s.weightSum = double(a.size());
    } else {
        Real products = 0;
        for (std::size_t i = 0; i < a.size(); ++i) products = Real(a[i]) * w[i] + products;
        s.valueSum = products.value();
        s.weightSum = total(w);
    }
    const Real m = Real(s.valueSum) / s.weightSum;
    s.mean = m.value();
    if (which == Measure::Mean) return s;

    const std::size_t kept = std::min(a.size(), tableRows);
    s.firstRows.reserve(kept);
    Real sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Real d = Real(a[i]) - m;
        // unweighted d*d; weighted d*(d*w), the inner product first
        const Real term = w.empty() ? d * d : d * (d * w[i]);
        sum = term + sum;
        if (i < kept)
            s.firstRows.push_back({a[i], w.empty() ? 1.0 : w[i], d.value(), term.value()});
    }
    s.squareSum = sum.value();
    s.variance = (sum / s.weightSum).value();
    if (which == Measure::Deviation) s.deviation = sqrt(Real(s.variance)).value();
    else if (s.variance >= 0) s.deviation = std::sqrt(s.variance);
    return s;
}

double Sums::answer(Measure which) const {
    switch (which) {
    case Measure::Mean: return mean;
    case Measure::Variance: return variance;
    case Measure::Deviation: return *deviation;
    }
    return mean;
}

double mean(const Lists& lists) { return measure(lists, Measure::Mean).mean; }

double variance(const Lists& lists) { return measure(lists, Measure::Variance).variance; }

double deviation(const Lists& lists) { return *measure(lists, Measure::Deviation).deviation; }

} // namespace sb::statistics
