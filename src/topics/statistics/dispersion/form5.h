// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statistics_lists.h"
#include "ui/form.h"

namespace sb {

// Statistics: the mean, variance and standard deviation of a typed list of numbers,
// optionally weighted.
class Form5 : public ui::Form {
    Q_OBJECT
public:
    Form5();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    // The steps all three commands share; which is what the command computes.
    void calculate(statistics::Measure which);
};

} // namespace sb
