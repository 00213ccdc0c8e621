// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fault.h"

#include <cstdint>
#include <limits>

// 32-bit integer arithmetic whose results must stay in -2,147,483,648 .. 2,147,483,647:
// leaving the range is the overflow fault, dividing by zero the division-by-zero fault.
namespace sb::int32 {

// A result computed in 64 bits, where no sum or product of two 32-bit values overflows.
inline std::int32_t inRange(std::int64_t wide) {
    if (wide < std::numeric_limits<std::int32_t>::min() ||
        wide > std::numeric_limits<std::int32_t>::max())
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return static_cast<std::int32_t>(wide);
}

inline std::int32_t add(std::int32_t a, std::int32_t b) { return inRange(std::int64_t(a) + b); }
inline std::int32_t mul(std::int32_t a, std::int32_t b) { return inRange(std::int64_t(a) * b); }

// Quotient truncated toward zero.
inline std::int32_t div(std::int32_t a, std::int32_t b) {
    if (b == 0) throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1)
        throw ArithmeticFault(ArithmeticFault::Kind::Overflow);
    return a / b;
}

// Remainder with the sign of a (7 rem -2 is 1, -7 rem 2 is -1).
inline std::int32_t rem(std::int32_t a, std::int32_t b) {
    if (b == 0) throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero);
    if (b == -1) return 0; // also where min / -1 would overflow the quotient
    return a % b;
}

} // namespace sb::int32
