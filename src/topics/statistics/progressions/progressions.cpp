// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressions.h"

#include "entry/real.h"

namespace sb::progressions {

double ArithSumA1DN(double a1, double d, double n) {
    const Real A1 = a1, D = d, N = n;
    const Real t = N - 1;
    const Real u = D * t;
    const Real v = A1 + A1 + u;
    return (N * v / 2).value();
}

double ArithSumA1AnN(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real s = A1 + An;
    return (N * s / 2).value();
}

double ArithSumDAnN(double d, double an, double n) {
    const Real D = d, An = an, N = n;
    const Real v = An + An;
    const Real w = N - 1;
    const Real b = v - D * w;
    return (N * b / 2).value();
}

double ArithLastA1DN(double a1, double d, double n) {
    const Real A1 = a1, D = d, N = n;
    const Real t = N - 1;
    const Real u = D * t;
    return (A1 + u).value();
}

double ArithDiffA1AnN(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real t = An - A1;
    return (t / (N - 1)).value();
}

double ArithCountA1DAn(double a1, double d, double an) {
    const Real A1 = a1, D = d, An = an;
    const Real t = An - A1;
    const Real u = t + D;
    return (u / D).value();
}

double GeomSumA1QN(double a1, double q, double n) {
    const Real A1 = a1, Q = q, N = n;
    const Real p = pow(Q, N);
    const Real s = p - 1;
    const Real m = A1 * s;
    return (m / (Q - 1)).value();
}

double GeomSumA1QAn(double a1, double q, double an) {
    const Real A1 = a1, Q = q, An = an;
    const Real m = An * Q;
    const Real s = m - A1;
    return (s / (Q - 1)).value();
}

double GeomSumInfinite(double a1, double q) {
    const Real A1 = a1, Q = q;
    const Real d = 1 - Q;
    return (A1 / d).value();
}

double GeomLastA1QN(double a1, double q, double n) {
    const Real A1 = a1, Q = q, N = n;
    const Real e = N - 1;
    const Real p = pow(Q, e);
    return (A1 * p).value();
}

double GeomRatioA1AnN(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real e = 1 / (N - 1);
    const Real r = An / A1;
    return pow(r, e).value();
}

} // namespace sb::progressions
