// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact numbers as the algebra windows' steps write them: a fraction in lowest terms or a
// decimal that ends, square roots taken out of the root as far as they go (√12 = 2√3), sums
// such as 1 - √3/3, and the decimal each stands for, to set beside the window's own.

#include "working/exact.h"
#include "working/exact_text.h"

#include <QString>

#include <optional>
#include <vector>

namespace sb::algebra {

using working::Rational;
using working::Surd;

using working::exactWritten;

// An exact value as a factor or a base, written by working::exactWritten: in brackets when
// negative or a fraction ("(-1/3)²").
QString exactFactor(const Rational& value);

// The sum of the terms, each a fraction times a root (r = 1: a fraction alone), written
// with its own sign: "4/3 - 2√3/3", "-4 + 2√3 + 6". Zero terms are left out; "0" when all are.
QString termsText(const std::vector<Surd>& terms);
// p + t: "1 - √3/3", "2", "√2".
QString sumText(const Rational& p, const Surd& t);

} // namespace sb::algebra
