// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working pane's actions for sumbrook-random: which panes a script has open as its
// actions leave them, the actions on them, and the queries that follow each action so the
// checks can read the working, the figure and the clipboard.

#include "actions.h"

#include <set>

namespace random_actions {

// The panes open in the windows of one script. A window closed loses its pane; one opened
// again starts with it closed.
class Panes {
public:
    bool open(const QString& form) const { return open_.count(form) > 0; }
    const std::set<QString>& all() const { return open_; }
    // What the action does to the panes; windowsOpen: the windows open before it.
    void apply(const QString& action, const Snapshot& windowsOpen,
               const std::map<QString, Window>& windows);

private:
    std::set<QString> open_;
};

// True when the action opens or closes a pane: a click on "Show Working" or F2.
bool togglesPane(const QString& action);

// An action on the panes of the open topic windows: mostly opening or closing one, and in
// an open one ticking "More detail", copying the working, saving the figure and the
// working into folder (files named after stem), printing it.
QString paneAction(Generator& g, const std::vector<QString>& topics, const Panes& panes,
                   const QString& folder, const QString& stem);

// The queries whose answers the checks of action read, with the panes as they were before it.
QStringList probesAfter(const QString& action, const Panes& before,
                        const std::map<QString, Window>& windows);

} // namespace random_actions
