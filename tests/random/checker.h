// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What must hold after every step of a script, on any window, without a model of it.

#include "actions.h"

#include <optional>
#include <set>

namespace random_actions {

class Checker {
public:
    explicit Checker(const std::map<QString, Window>& windows) : windows_(windows) {}

    // A new script: a new program, nothing answered yet.
    void start() { answers_.clear(), looked_.clear(), typed_.clear(); }
    // The fault of one step, or nothing.
    std::optional<QString> check(const Snapshot& before, const Step& step);

private:
    std::optional<QString> checkControls(const Snapshot& before, const Step& step);
    std::optional<QString> checkPane(const Snapshot& before, const Step& step);
    std::optional<QString> checkSaved(const Step& step);
    bool onlyTypedNotANumber(const QString& line) const;

    const std::map<QString, Window>& windows_;
    // The answers of each window's last command, as it wrote them; the working must show
    // each while the window still shows it.
    std::map<QString, std::map<QString, QString>> answers_;
    // Every text typed into a box: a refused one is quoted by the message, and so by the
    // working, nan and inf too.
    QStringList typed_;
    std::set<QString> looked_; // the windows whose working was built since their last command
};

} // namespace random_actions
