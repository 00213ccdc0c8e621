// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sb {

// A desktop ending its session sends SIGTERM: the program then closes its windows as their
// close boxes would, so it ends as when a pupil closes the menu (exit status 0). Call once,
// after the QApplication exists.
void closeWindowsOnTerminate();

} // namespace sb
