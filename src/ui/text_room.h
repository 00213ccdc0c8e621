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
    QRect text;  // where the text is drawn, in the control's coordinates; may reach beyond it
    bool whole;  // every letter within the control's room for text, none elided or cut
};

// The room of a label's, button's or box's text; nothing for a control that shows no text.
std::optional<TextRoom> textRoom(const QWidget* control);

} // namespace sb::ui
