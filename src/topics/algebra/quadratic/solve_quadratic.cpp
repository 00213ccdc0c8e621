// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve_quadratic.h"

#include "entry/real.h"

namespace sb::quadratic {

Outcome SolveQuadratic(double a, double b, double c) {
    if (a == 0) return AIsZero{};
    const Real A = a, B = b, C = c;
    const Real d = B * B - C * (A * 4);
    if (d < 0) return NoRealRoot{};
    const Real s = sqrt(d);
    return Roots{((-B + s) / (A + A)).value(), ((-B - s) / (A + A)).value()};
}

} // namespace sb::quadratic
