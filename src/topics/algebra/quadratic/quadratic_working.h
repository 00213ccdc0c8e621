// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the quadratic equation window: the steps of the formula with the values
// the window solved with, and the parabola drawn to scale.

#include "solve_quadratic.h"
#include "working/working.h"

#include <array>

namespace sb::quadratic {

// A coefficient as its box gave it: the text typed, the whole result text of the number it
// was read as, and what the box kept of that (5 characters), which is the value solved with.
// Empty texts when the values did not come from the boxes (the guide's example).
struct BoxText {
    QString typed, whole, shown;
};

working::Working quadraticWorking(const Solution& solution,
                                  const std::array<BoxText, 3>& boxes = {});

// y = a*x^2 + b*x + c over a range that shows the roots and the lowest or highest point.
working::Figure parabolaFigure(const Solution& solution);

// A = 0: no quadratic equation. The window gives its message and no roots; the working gives
// the root of the linear equation Bx + C = 0 that is left, and the line y = Bx + C.
working::Working linearWorking(const QString& message, double b, double c,
                               const std::array<BoxText, 3>& boxes = {});
working::Figure lineFigure(double b, double c);

working::Guide quadraticGuide();

} // namespace sb::quadratic
