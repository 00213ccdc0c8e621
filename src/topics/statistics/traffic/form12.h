// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "traffic_working.h"
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
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command2_Click();
    void Command1_Click();

    // The values of the two boxes, read in order; nothing after the first refused one.
    std::optional<std::array<traffic::Given, 2>> readTwo(const QString& first,
                                                         const QString& second);
    // A row of distance = speed x time: reads its two boxes and shows what solve gives.
    void solveMotion(traffic::Unknown unknown, const QString& first, const QString& second,
                     const QString& output, double (*solve)(double, double));
    // A price problem: reads the percentage and the cost, shows the amount and the new price.
    void solvePrice(bool decrease, const QString& percentage, const QString& cost,
                    const QString& amount, const QString& newPrice);
};

} // namespace sb
