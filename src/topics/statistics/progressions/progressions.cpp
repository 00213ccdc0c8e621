// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressions.h"

#include "entry/real.h"

#include <cmath>

namespace sb::progressions {

namespace {
Worked worked(Real answer, std::initializer_list<Real> steps) {
    Worked w{answer.value()};
    std::size_t i = 0;
    for (const Real s : steps) w.steps[i++] = s.value();
    return w;
}
} // namespace

bool oddWhole(double x) { return x == std::floor(x) && std::fmod(x, 2.0) != 0; }

Worked ArithSumA1DNWorked(double a1, double d, double n) {
    const Real A1 = a1, D = d, N = n;
    const Real t = N - 1;
    const Real u = D * t;
    const Real v = A1 + A1 + u;
    const Real nv = N * v;
    return worked(nv / 2, {t, u, v, nv});
}

Worked ArithSumA1AnNWorked(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real s = A1 + An;
    const Real ns = N * s;
    return worked(ns / 2, {s, ns});
}

Worked ArithSumDAnNWorked(double d, double an, double n) {
    const Real D = d, An = an, N = n;
    const Real v = An + An;
    const Real w = N - 1;
    const Real dw = D * w;
    const Real b = v - dw;
    const Real nb = N * b;
    return worked(nb / 2, {v, w, dw, b, nb});
}

Worked ArithLastA1DNWorked(double a1, double d, double n) {
    const Real A1 = a1, D = d, N = n;
    const Real t = N - 1;
    const Real u = D * t;
    return worked(A1 + u, {t, u});
}

Worked ArithDiffA1AnNWorked(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real t = An - A1;
    const Real n1 = N - 1;
    return worked(t / n1, {t, n1});
}

Worked ArithCountA1DAnWorked(double a1, double d, double an) {
    const Real A1 = a1, D = d, An = an;
    const Real t = An - A1;
    const Real u = t + D;
    return worked(u / D, {t, u});
}

Worked GeomSumA1QNWorked(double a1, double q, double n) {
    const Real A1 = a1, Q = q, N = n;
    const Real p = pow(Q, N);
    const Real s = p - 1;
    const Real m = A1 * s;
    const Real q1 = Q - 1;
    return worked(m / q1, {p, s, m, q1});
}

Worked GeomSumA1QAnWorked(double a1, double q, double an) {
    const Real A1 = a1, Q = q, An = an;
    const Real m = An * Q;
    const Real s = m - A1;
    const Real q1 = Q - 1;
    return worked(s / q1, {m, s, q1});
}

Worked GeomSumInfiniteWorked(double a1, double q) {
    const Real A1 = a1, Q = q;
    const Real d = 1 - Q;
    return worked(A1 / d, {d});
}

Worked GeomLastA1QNWorked(double a1, double q, double n) {
    const Real A1 = a1, Q = q, N = n;
    const Real e = N - 1;
    const Real p = pow(Q, e);
    return worked(A1 * p, {e, p});
}

Worked GeomRatioA1AnNWorked(double a1, double an, double n) {
    const Real A1 = a1, An = an, N = n;
    const Real n1 = N - 1;
    const Real e = 1 / n1;
    const Real r = An / A1;
    // a negative ratio has a real root of odd degree, the negative root of its size: the
    // power of a negative number to 1 / 3 has no real value, so the root is taken of -r
    if (r < 0 && oddWhole(n1.value())) return worked(-pow(-r, e), {n1, e, r});
    return worked(pow(r, e), {n1, e, r});
}

double ArithSumA1DN(double a1, double d, double n) { return ArithSumA1DNWorked(a1, d, n).answer; }

double ArithSumA1AnN(double a1, double an, double n) {
    return ArithSumA1AnNWorked(a1, an, n).answer;
}

double ArithSumDAnN(double d, double an, double n) { return ArithSumDAnNWorked(d, an, n).answer; }

double ArithLastA1DN(double a1, double d, double n) { return ArithLastA1DNWorked(a1, d, n).answer; }

double ArithDiffA1AnN(double a1, double an, double n) {
    return ArithDiffA1AnNWorked(a1, an, n).answer;
}

double ArithCountA1DAn(double a1, double d, double an) {
    return ArithCountA1DAnWorked(a1, d, an).answer;
}

double GeomSumA1QN(double a1, double q, double n) { return GeomSumA1QNWorked(a1, q, n).answer; }

double GeomSumA1QAn(double a1, double q, double an) { return GeomSumA1QAnWorked(a1, q, an).answer; }

double GeomSumInfinite(double a1, double q) { return GeomSumInfiniteWorked(a1, q).answer; }

double GeomLastA1QN(double a1, double q, double n) { return GeomLastA1QNWorked(a1, q, n).answer; }

double GeomRatioA1AnN(double a1, double an, double n) {
    return GeomRatioA1AnNWorked(a1, an, n).answer;
}

} // namespace sb::progressions
