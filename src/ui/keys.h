// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeyEvent>

namespace sb::ui {

// Return, or Enter on the keypad, pressed afresh: a key held down does not repeat a command
inline bool isEnter(const QKeyEvent* event) {
    return !event->isAutoRepeat() &&
           (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter);
}

} // namespace sb::ui
