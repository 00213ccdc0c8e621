// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the triangle areas window: the steps of each button (Heron's with s and
// every factor), and the triangle drawn to scale, or three sides that do not close laid end
// to end. Built only from the values the button computed.

#include "triangle_measures.h"
#include "working/working.h"

#include <QStringList>

namespace sb::triangle_areas {

// message: what the window said when Heron's product had no square root; typed: the boxes'
// texts in the order the button read them, so the steps can write the exact values (a
// typed 1/3 is one third, not 0.333333333333333).
working::Working triangleWorking(const Answer& answer, const QString& message = {},
                                 const QStringList& typed = {});
working::Guide triangleGuide();

} // namespace sb::triangle_areas
