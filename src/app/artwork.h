// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCursor>
#include <QIcon>
#include <QSize>

// Pictures the program draws itself rather than ships as bitmaps. Each is drawn afresh at
// the size and device pixel ratio it is shown at, so it stays sharp on high-density screens.
namespace sb::artwork {

QIcon donationButton();                      // a "Donate" button
inline constexpr QSize donationSize{93, 31}; // its size in device-independent pixels
QCursor linkPointer();                       // 32 x 32, a pointing hand
QIcon programIcon();                         // the program's icon, drawn from sumbrook.svg

} // namespace sb::artwork
