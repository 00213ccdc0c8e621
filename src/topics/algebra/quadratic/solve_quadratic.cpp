// SPDX-License-Identifier: GPL-3.0-or-later
#include "solve_quadratic.h"

#include "entry/real.h"

#include <cmath>

namespace sb::quadratic {

Solution Solve(double a, double b, double c) {
    Solution s{a, b, c};
    if (a == 0) return s;
    const Real A = a, B = b, C = c;
    const Real bSquared = B * B, fourA = A * 4, fourAC = C * fourA;
    const Real d = bSquared - fourAC;
    s.bSquared = bSquared.value(), s.fourA = fourA.value(), s.fourAC = fourAC.value();
    s.d = d.value();
    s.twoA = a + a;
    if (d < 0) {
        s.rootOfD = std::sqrt(-s.d);
        s.outcome = NoRealRoot{-b / s.twoA, s.rootOfD / std::abs(s.twoA)};
        return s;
    }
    const Real root = sqrt(d);
    s.rootOfD = root.value();
    s.outcome = Roots{((-B + root) / (A + A)).value(), ((-B - root) / (A + A)).value()};
    return s;
}

} // namespace sb::quadratic
