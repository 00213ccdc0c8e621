// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/controls.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>

namespace sb {

// One instance per window, created on first use and shown modeless. A closed window is
// discarded, so the next show creates it afresh with its initial texts.
class WindowRegistry {
public:
    using Factory = std::function<QWidget*()>;

    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;
    // Windows still open when the program ends go with it.
    ~WindowRegistry();

    void add(const QString& name, Factory factory);
    bool has(const QString& name) const { return entries_.count(name) > 0; }
    // Shows the named window (creating it when none is open or prepared) and brings it to the
    // front; nullptr for a window the program does not have.
    QWidget* show(const QString& name);
    // Creates the named window, hidden, with its native window and the buffer it is painted
    // into, when none is open or prepared, so that showing it later only shows and paints it.
    // One window at most is kept prepared this way: a window prepared before and still hidden
    // is discarded.
    void prepare(const QString& name);

private:
    struct Entry {
        Factory factory;
        QPointer<QWidget> instance;
    };
    std::map<QString, Entry> entries_;
    QPointer<QWidget> prepared_;
};

// Adds every window of the program; Form1 is the one shown at start-up.
void registerProgramWindows(WindowRegistry& registry);

// The control tables of the windows the main menu opens.
std::vector<ui::ControlTable> topicWindowTables();

} // namespace sb
