// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Operators On Fractions: + - * / < > = on two mixed numbers (upper area), the common
// denominator of two integers and the reduction of a fraction (lower area).
class Form4 : public ui::Form {
    Q_OBJECT
public:
    Form4();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

} // namespace sb
