// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

#include <array>
#include <optional>

namespace sb {

// Traffic And Percentage Problems: distance, speed and time, and a price decreased or
// increased by a percentage.
class Form12 : public ui::Form {
    Q_OBJECT
public:
    Form12();

private:
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command2_Click();
    void Command1_Click();

    // The values of the two boxes, read in order; nothing after the first refused one.
    std::optional<std::array<double, 2>> readTwo(const QString& first, const QString& second);
};

} // namespace sb
