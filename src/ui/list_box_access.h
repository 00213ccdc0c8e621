// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;

namespace sb::ui {

class ListBox;

// A list box as screen readers meet a line edit: an editable text named by its heading, whose
// text they read and set through the text interfaces.
QAccessibleInterface* accessibleListBox(ListBox* box);

} // namespace sb::ui
