// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Solving Quadratic Equation: A*X^2 + B*X + C = 0 for its real roots.
class Form2 : public ui::Form {
    Q_OBJECT
public:
    Form2();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
};

} // namespace sb
