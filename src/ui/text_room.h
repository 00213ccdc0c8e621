// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where a control draws its text and whether all of it shows, worked out the way the control
// itself draws it (its wrapping, alignment and margins), so a translation that does not fit
// its control is found without looking at pixels.

#include <QRect>

#include <optional>

class QWidget;

namespace sb::ui {

struct TextRoom {
    QRect text; // where the text is drawn, in the control's coordinates; may reach beyond it
    bool whole; // every letter within the control's room for text, none elided or cut
};

// The room of a label's, button's or box's text; nothing for a control that shows no text.
std::optional<TextRoom> textRoom(const QWidget* control);

// Makes room, inside their controls, for the translated labels of a window that do not show
// whole: a text whose marks rise above its top (the hamza and vowel signs of Arabic over a
// top-aligned line) is set lower by as much when the room below allows, and a word wider
// than its label is set up to a point smaller. A label that still does not fit is left as it
// was. The English texts are laid out for their controls and never need it.
void makeRoomForTexts(QWidget* window);

} // namespace sb::ui
