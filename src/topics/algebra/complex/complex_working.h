// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the complex numbers window: the rule of each command with the values it
// computed, and the numbers as arrows on an Argand diagram.

#include "complex_numbers.h"
#include "working/working.h"

#include <array>

namespace sb::complex {

// typed: the texts of the boxes, so the steps can work with the numbers exactly as typed
// (1/3 is a third, not the decimal the window works with); empty where not known
working::Working operationWorking(Pair first, const QString& op, Pair second,
                                  const Operated& outcome, const std::array<QString, 4>& typed = {});
working::Working powerWorking(double n, const Power& power, const QString& typed = {});
working::Working polarWorking(double x, double y, const Polar& polar,
                              const std::array<QString, 2>& typed = {});

working::Guide complexGuide();

} // namespace sb::complex
