// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>

namespace sb::ui {

// The palette a dark desktop theme gives the program: light text on dark grey. The driver
// and the tests apply it to check that every window stays readable on such a desktop.
QPalette darkPalette();

} // namespace sb::ui
