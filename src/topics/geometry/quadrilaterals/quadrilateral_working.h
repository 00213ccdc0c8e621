// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the quadrilateral window: the steps of each command's formula, and the
// shape it is about drawn to scale with its sides, height or diagonals; a rectangle whose
// perimeter is too short for its side shows the perimeter beside the two sides A. Built only
// from the values the command computed.

#include "quadrilateral_formulas.h"
#include "working/working.h"

#include <QStringList>

namespace sb::quadrilaterals {

// message: what the window said when the data were implausible; typed: the boxes' texts in
// the order the command read them, so the steps can write the exact values.
working::Working quadrilateralWorking(const Answer& answer, const QString& message = {},
                                      const QStringList& typed = {});
working::Guide quadrilateralGuide();

} // namespace sb::quadrilaterals
