// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

#include <initializer_list>

namespace sb {

// Arithmetic And Geometric Progression: eleven one-line problems, each reading only the
// boxes of its own row and writing only those boxes and its own answer.
class Form6 : public ui::Form {
    Q_OBJECT
public:
    Form6();

private:
    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Command3_Click();
    void Command6_Click();
    void ans6_Click();
    void command20_Click();
    void command21_Click();
    void command22_Click();
    void Command10_Click();
    void Command4_Click();

    // A fresh reading of all the named boxes, each written back; false when one was bad.
    bool rewriteRow(std::initializer_list<const char*> names);
};

} // namespace sb
