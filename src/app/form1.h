// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

class WindowRegistry;

// The main menu: one button per topic, the calculator, a mail to the maker, the donation
// notice, and a line that opens the maker's web site.
class Form1 : public ui::Form {
    Q_OBJECT
public:
    explicit Form1(WindowRegistry& registry);

private:
    void Command11_Click();
    void Command10_Click();
    void Label1_Click();
};

} // namespace sb
