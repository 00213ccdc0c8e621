// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Solving Quadratic Equation: A*X^2 + B*X + C = 0 for its real roots.
class Form2 : public ui::Form {
    Q_OBJECT
public:
    Form2();
    // The window's table, read without building the window.
    static ui::FormSpec spec();

private:
    void Command1_Click();
};

} // namespace sb
