// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a screen reader is told about the program's windows, beyond what Qt tells of its own
// widgets:
// - a window is a frame named by its caption;
// - an answer label is named by its heading and holds the answer as its description and
//   value; a clickable label is a link that can be pressed;
// - drawings are not read: lines, frames, and labels of characters without a letter or digit
//   (a fraction bar of underscores), nor the pieces of a formula that another control reads
//   out whole (see keepFromScreenReaders);
// - the working pane is a panel, its figure an image described by the figure's description.

#include <QString>

class QWidget;

namespace sb::ui {

// Installs the interfaces above, once; every class named above calls it when made.
void offerAccessibleInterfaces();

// A text with no letter and no digit: a drawing made of characters (a fraction bar of
// underscores, a rule of dashes).
bool isDrawingOfCharacters(const QString& text);

// The control is part of a drawing or formula that another control reads out whole: a screen
// reader does not see it.
void keepFromScreenReaders(QWidget* control);
// Whether a screen reader sees nothing of the control (see the list above).
bool hiddenFromScreenReaders(const QWidget* control);

} // namespace sb::ui
