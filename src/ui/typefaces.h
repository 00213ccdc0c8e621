// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"

#include <QFont>
#include <QString>

#include <vector>

namespace sb::ui {

// A typeface the windows show, and every letter they show in it.
struct Typeface {
    QFont font;
    QString letters; // each once, in the order first met
};

// The typefaces of the tables' controls with the letters each shows: a label's or button's
// caption, and for a box or an answer the letters of a typed or computed number.
std::vector<Typeface> typefacesOf(const std::vector<ControlTable>& tables);

// Loads each typeface and draws its letters (if any) off the screen, at each of the quarter-pixel
// offsets the text engine places letters at. Both are kept, so a window showing them later
// finds them ready.
void prepare(const std::vector<Typeface>& typefaces);

} // namespace sb::ui
