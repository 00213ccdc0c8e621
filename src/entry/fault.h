// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>

namespace sb {

// An arithmetic fault that a command did not anticipate: overflow, division by zero, an
// invalid operation (0 / 0, the root of a negative number) or a text that has no number.
// Checked operations raise it; every command catches it at its edge (see guardCommand), so
// no fault can crash the program or leave nan or inf on the screen.
class ArithmeticFault : public std::runtime_error {
public:
    enum class Kind { Overflow, DivisionByZero, Invalid, NotNumeric };

    explicit ArithmeticFault(Kind kind) : std::runtime_error(describe(kind)), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    static const char* describe(Kind kind) {
        switch (kind) {
        case Kind::Overflow: return "overflow";
        case Kind::DivisionByZero: return "division by zero";
        case Kind::Invalid: return "invalid operation";
        case Kind::NotNumeric: return "text has no number";
        }
        return "arithmetic fault";
    }
    Kind kind_;
};

} // namespace sb
