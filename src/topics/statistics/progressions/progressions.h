// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the progressions window: one routine per command, each step done in
// the order the window has always done it, on the result of the step before. Nothing is
// rounded and N need not be a whole number. A step that overflows, divides by zero or has
// no real value (a negative number to a broken power) raises ArithmeticFault.

namespace sb::progressions {

// Arithmetic progressions: A1 the first element, An the last, D the common difference,
// N the number of elements.

// Sn = N * (2 * A1 + D * (N - 1)) / 2
double ArithSumA1DN(double a1, double d, double n);
// Sn = N * (A1 + An) / 2
double ArithSumA1AnN(double a1, double an, double n);
// Sn = N * (2 * An - D * (N - 1)) / 2
double ArithSumDAnN(double d, double an, double n);
// An = A1 + D * (N - 1)
double ArithLastA1DN(double a1, double d, double n);
// D = (An - A1) / (N - 1)
double ArithDiffA1AnN(double a1, double an, double n);
// N = ((An - A1) + D) / D
double ArithCountA1DAn(double a1, double d, double an);

// Geometric progressions: Q the common ratio. The window refuses the Q (and A1, N) that
// these formulas cannot take before it calls them.

// Sn = A1 * (Q^N - 1) / (Q - 1)
double GeomSumA1QN(double a1, double q, double n);
// Sn = (An * Q - A1) / (Q - 1)
double GeomSumA1QAn(double a1, double q, double an);
// S = A1 / (1 - Q), the sum of all the elements when -1 < Q < 1
double GeomSumInfinite(double a1, double q);
// An = A1 * Q^(N - 1)
double GeomLastA1QN(double a1, double q, double n);
// Q = (An / A1)^(1 / (N - 1)): the positive root when An / A1 is positive
double GeomRatioA1AnN(double a1, double an, double n);

} // namespace sb::progressions
