// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb {

class WindowRegistry;

// What the program does before its event loop runs: the look, the icon, every window
// registered, and the main menu shown. The program and the driver start alike.
void startUp(WindowRegistry& windows);

} // namespace sb
