// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the law of cosines window: the steps of each panel's solve from the values
// the solve computed, and the solved triangle drawn to scale.

#include "cosine_rule.h"
#include "working/working.h"

namespace sb::law_of_cosines {

// Panels 1 to 3: the sides a and b and the angle z between them, and what they gave. typed
// holds the texts of the boxes a, z and b, which the steps take exactly.
working::Working twoSidesWorking(int panel, double a, double z, double b, const FromSides& solved,
                                 const QStringList& typed = {});

// Panel 4: the three sides and the angles they gave (typed: the boxes a, b and c).
working::Working threeSidesWorking(double a, double b, double c, const Angles& solved,
                                   const QStringList& typed = {});

// Panel 4 when the solve failed with message: the sides laid end to end, which side is too
// long, and how much the two others lack to close a triangle.
working::Working threeSidesRefused(double a, double b, double c, const QString& message,
                                   const QStringList& typed = {});

working::Guide cosinesGuide();

} // namespace sb::law_of_cosines
