// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

namespace sb {

// The donation notice. Its picture button does nothing when pressed.
class Form14 : public ui::Form {
    Q_OBJECT
public:
    Form14();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();
};

} // namespace sb
