// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the progressions window: one routine per command, each step done in
// the order the window has always done it, on the result of the step before. Nothing is
// rounded and N need not be a whole number. A step that overflows, divides by zero or has
// no real value (a negative number to a broken power) raises ArithmeticFault.

#include <array>

namespace sb::progressions {

// A routine's answer with the values it computed on the way, in the order it computed them
// (each routine below names its own), for the working to show. The answer is the one the
// routine returns, bit for bit.
struct Worked {
    double answer = 0;
    std::array<double, 5> steps{};
};

// Arithmetic progressions: A1 the first element, An the last, D the common difference,
// N the number of elements.

// Sn = N * (2 * A1 + D * (N - 1)) / 2
double ArithSumA1DN(double a1, double d, double n);
// steps: t = N - 1, u = D * t, v = A1 + A1 + u, N * v
Worked ArithSumA1DNWorked(double a1, double d, double n);
// Sn = N * (A1 + An) / 2
double ArithSumA1AnN(double a1, double an, double n);
// steps: s = A1 + An, N * s
Worked ArithSumA1AnNWorked(double a1, double an, double n);
// Sn = N * (2 * An - D * (N - 1)) / 2
double ArithSumDAnN(double d, double an, double n);
// steps: v = An + An, w = N - 1, D * w, b = v - D * w, N * b
Worked ArithSumDAnNWorked(double d, double an, double n);
// An = A1 + D * (N - 1)
double ArithLastA1DN(double a1, double d, double n);
// steps: t = N - 1, u = D * t
Worked ArithLastA1DNWorked(double a1, double d, double n);
// D = (An - A1) / (N - 1)
double ArithDiffA1AnN(double a1, double an, double n);
// steps: t = An - A1, N - 1
Worked ArithDiffA1AnNWorked(double a1, double an, double n);
// N = ((An - A1) + D) / D
double ArithCountA1DAn(double a1, double d, double an);
// steps: t = An - A1, u = t + D
Worked ArithCountA1DAnWorked(double a1, double d, double an);

// Whether x is an odd whole number (1, 3, -5): a negative number has a real root of that
// degree.
bool oddWhole(double x);

// Geometric progressions: Q the common ratio. The window refuses the Q (and A1, N) that
// these formulas cannot take before it calls them.

// Sn = A1 * (Q^N - 1) / (Q - 1)
double GeomSumA1QN(double a1, double q, double n);
// steps: p = Q^N, s = p - 1, m = A1 * s, Q - 1
Worked GeomSumA1QNWorked(double a1, double q, double n);
// Sn = (An * Q - A1) / (Q - 1)
double GeomSumA1QAn(double a1, double q, double an);
// steps: m = An * Q, s = m - A1, Q - 1
Worked GeomSumA1QAnWorked(double a1, double q, double an);
// S = A1 / (1 - Q), the sum of all the elements when -1 < Q < 1
double GeomSumInfinite(double a1, double q);
// steps: d = 1 - Q
Worked GeomSumInfiniteWorked(double a1, double q);
// An = A1 * Q^(N - 1)
double GeomLastA1QN(double a1, double q, double n);
// steps: e = N - 1, p = Q^e
Worked GeomLastA1QNWorked(double a1, double q, double n);
// Q = (An / A1)^(1 / (N - 1)): the positive root when An / A1 is positive; when it is
// negative and N - 1 is an odd whole number, the real root, which is negative (2, -54, 4
// gives -3)
double GeomRatioA1AnN(double a1, double an, double n);
// steps: N - 1, e = 1 / (N - 1), r = An / A1
Worked GeomRatioA1AnNWorked(double a1, double an, double n);

} // namespace sb::progressions
