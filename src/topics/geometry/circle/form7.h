// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circle_measures.h"
#include "ui/form.h"

namespace sb {

// Circle - Areas And Perimeters: from one of radius, diameter, area or perimeter, another.
class Form7 : public ui::Form {
    Q_OBJECT
public:
    Form7();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

    // A button of the window: the box it reads, the label it answers in, and what it finds
    // from what.
    struct Command {
        const char* button;
        const char* box;
        const char* output;
        circle::Measure given, found;
    };

private:
    void answer(const Command& command);
};

} // namespace sb
