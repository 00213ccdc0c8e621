// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics_lists.h"

#include "entry/fault.h"
#include "entry/real.h"
#include "entry/value_entry.h"

namespace sb::statistics {

namespace {

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

Checked checklists(QStringView numbers, QStringView weights, const NumberMarks& marks) {
    const qsizetype count = elementCount(numbers);
    const qsizetype weightCount = elementCount(weights);
    Checked checked;
    if (weightCount != 0 && weightCount != count) {
        checked.refusal = messages::lengthsDiffer;
        return checked;
    }
    if (count == 0) {
        checked.refusal = messages::numbersEmpty;
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
    return checked;
}

double total(std::span<const double> values) {
    Real sum = 0;
    for (const double value : values) sum = Real(value) + sum;
    return sum.value();
}

double mean(const Lists& lists) {
    if (lists.unreadable) throw ArithmeticFault(ArithmeticFault::Kind::NotNumeric);
    const std::vector<double>& a = lists.numbers;
    const std::vector<double>& w = lists.weights;
    // without weights the weight list is n ones, whose total is n exactly
    if (w.empty()) return (Real(total(a)) / Real(double(a.size()))).value();
    Real products = 0;
    for (std::size_t i = 0; i < a.size(); ++i) products = Real(a[i]) * w[i] + products;
    return (products / total(w)).value();
}

double variance(const Lists& lists) {
    const std::vector<double>& a = lists.numbers;
    const std::vector<double>& w = lists.weights;
    const Real m = mean(lists);
    Real sum = 0;
    if (w.empty()) {
        for (const double value : a) {
            const Real d = Real(value) - m;
            sum = d * d + sum;
        }
        return (sum / double(a.size())).value();
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const Real d = Real(a[i]) - m;
        sum = d * (d * w[i]) + sum;
    }
    return (sum / total(w)).value();
}

double deviation(const Lists& lists) { return sqrt(Real(variance(lists))).value(); }

} // namespace sb::statistics
