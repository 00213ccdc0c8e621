// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Fraction Conversion: a mixed number to an improper fraction and back, a mixed number to
// a decimal and a decimal to a mixed number, one panel each.
class Form3 : public ui::Form {
    Q_OBJECT
public:
    Form3();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
};

} // namespace sb
