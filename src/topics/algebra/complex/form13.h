// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Complex Numbers: the four operations on two numbers <R, Im>, the powers of i, and the
// polar representation of one number.
class Form13 : public ui::Form {
    Q_OBJECT
public:
    Form13();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

} // namespace sb
