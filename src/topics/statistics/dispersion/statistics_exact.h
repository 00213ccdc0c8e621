// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The exact values of the statistics of the two lists as they were typed: every element is
// a decimal or a fraction, so the sums, the mean and the variance are fractions too. The
// window computes in doubles from each element rounded to 15 digits; the working states
// what is true of the exact values and says where the window's number differs from them.

#include "statistics_lists.h"
#include "working/exact.h"

#include <vector>

namespace sb::statistics {

struct ExactSums {
    // each unknown where its numbers outgrow 128 bits (long lists of fractions with many
    // different denominators, values typed with large exponents)
    working::Rational weightSum = working::Rational::unknown(); // n without weights
    working::Rational valueSum = working::Rational::unknown();  // the sum of a, or of a × w
    working::Rational mean = working::Rational::unknown();
    working::Rational squareSum = working::Rational::unknown(); // the sum of w × (a - mean)²
    working::Rational variance = working::Rational::unknown();
    // the first tableRows values and weights (1 without weights), exactly
    std::vector<working::Rational> values, weights;
};

// One pass over the typed texts with whole-number sums over common denominators, so a list
// of a million decimals costs a few tens of milliseconds.
ExactSums exactSums(const Lists& lists);

} // namespace sb::statistics
