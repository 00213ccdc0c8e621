// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// Circle - Areas And Perimeters: from one of radius, diameter, area or perimeter, another.
class Form7 : public ui::Form {
    Q_OBJECT
public:
    Form7();

    // A button of the window: the box it reads, the label it answers in, and its formula.
    struct Command {
        const char* button;
        const char* box;
        const char* output;
        double (*compute)(double);
    };

private:
    void answer(const Command& command);
};

} // namespace sb
