// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the complex numbers window: the rule of each command with the values it
// computed, and the numbers as arrows on an Argand diagram.

#include "complex_numbers.h"
#include "working/working.h"

namespace sb::complex {

working::Working operationWorking(Pair first, const QString& op, Pair second,
                                  const Operated& outcome);
working::Working powerWorking(double n, const Power& power);
working::Working polarWorking(double x, double y, const Polar& polar);

working::Guide complexGuide();

} // namespace sb::complex
