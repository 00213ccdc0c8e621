// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb::drive {

// Whether the platform has a keyboard for the typed keys to come from. Only a Wayland
// compositor can lack one: it may offer no seat with a keyboard (weston's headless back end
// offers no seat at all), and Qt's Wayland client then crashes on the first key event sent
// to a text box. Every other platform has one. Call after the QApplication exists.
bool platformHasKeyboard();

} // namespace sb::drive
