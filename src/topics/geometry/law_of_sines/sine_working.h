// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the law of sines window: the steps of each panel's solve from the values
// the solve computed, the solved triangle drawn to scale and, where two triangles fit the
// values, the second one too.

#include "sine_rule.h"
#include "working/working.h"

namespace sb::law_of_sines {

// Panels 1 and 4: two angles and a side. told is the window's message when it found no
// triangle; typed the texts of the given boxes in the order the panel reads them (the two
// angles, then the side), which the steps take exactly.
working::Working twoAnglesWorking(int panel, const Solution& solved, const QString& told = {},
                                  const QStringList& typed = {});

// Panels 2 and 3: the angle y, the side a opposite it and the side c (typed in that order).
working::Working twoSidesWorking(int panel, const Solution& solved, const QString& told = {},
                                 const QStringList& typed = {});

working::Guide sinesGuide();

} // namespace sb::law_of_sines
