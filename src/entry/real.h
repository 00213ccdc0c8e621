// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fault.h"

#include <cmath>

namespace sb {

// A double whose every operation is checked: a result that overflows, a division by zero
// and an invalid operation raise ArithmeticFault instead of producing inf or nan. Cores
// write their formulas with it in the order the program evaluates them; each operator is
// one IEEE double operation, so results match plain double arithmetic to the last bit.
class Real {
public:
    constexpr Real() = default;
    constexpr Real(double v) : v_(v) {} // NOLINT: implicit on purpose, formulas mix in literals
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_); }
    friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_); }
    friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_); }
    friend Real operator/(Real a, Real b) {
        if (b.v_ == 0)
            throw ArithmeticFault(a.v_ == 0 || std::isnan(a.v_)
                                      ? ArithmeticFault::Kind::Invalid
                                      : ArithmeticFault::Kind::DivisionByZero);
        return checked(a.v_ / b.v_);
    }
    friend Real operator-(Real a) { return Real(-a.v_); }

    friend bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

    friend Real sqrt(Real a) {
        if (a.v_ < 0) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
        return Real(std::sqrt(a.v_));
    }
    // a raised to the real power b; a negative a needs a whole b to have a real value. It is
    // the platform's power function even for a constant 2: the compiler would make that the
    // product a * a, which differs from it in the last bit for some a, so b goes through a
    // volatile.
    friend Real pow(Real a, Real b) {
        if (a.v_ == 0 && b.v_ < 0) throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
        volatile double exponent = b.v_;
        return checked(std::pow(a.v_, exponent));
    }

private:
    static Real checked(double r) {
        if (std::isnan(r)) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
        if (std::isinf(r)) throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
        return Real(r);
    }
    double v_ = 0;
};

} // namespace sb
