// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the circle window: the steps of a button's formula with the program's pi,
// and the circle drawn to scale with its centre and the radius or diameter the button is
// about. Built only from the values the button computed.

#include "circle_measures.h"
#include "working/working.h"

namespace sb::circle {

// typed: the box's text, so the steps can write the exact value (a typed 1/3 is one third).
working::Working circleWorking(const Circle& answer, const QString& typed = {});
working::Guide circleGuide();

} // namespace sb::circle
