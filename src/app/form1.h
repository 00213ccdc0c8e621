// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

#include <QMap>
#include <QTimer>

namespace sb {

class WindowRegistry;

// The main menu: one button per topic, the calculator, a mail to the maker, the donation
// notice, and a line that opens the maker's web site.
class Form1 : public ui::Form {
    Q_OBJECT
public:
    explicit Form1(WindowRegistry& registry);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Builds a topic's window, hidden, once the pointer rests on its button or the keyboard
    // brings the focus to it.
    void watchForATopic(QObject* button, QEvent* event);

    void Command11_Click();
    void Command10_Click();
    void Label1_Click();

    WindowRegistry& registry_;
    QMap<QObject*, QString> topicOf_; // the window each topic button shows
    QTimer rest_;                     // how long the pointer or the focus has stayed
    QString resting_;                 // the window of the button it stays on
};

} // namespace sb
