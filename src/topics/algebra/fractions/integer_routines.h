// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The fractions window's integer routines, on 32-bit integers: a sum or product outside
// -2,147,483,648 .. 2,147,483,647 is the overflow fault, a division by zero its own fault.

#include <cstdint>
#include <vector>

namespace sb::fractions {

// whole + numerator / denominator, each part with its own sign: { -1, -2, 4 } is -1.5.
struct MixedNumber {
    std::int32_t whole;
    std::int32_t numerator;
    std::int32_t denominator;
    friend bool operator==(const MixedNumber&, const MixedNumber&) = default;
};

// Euclid by repeated remainder (remainders take the sign of the dividend); the result
// keeps the sign of the last non-zero remainder: gcd(4, -6) = -2, gcd(p, 0) = p.
std::int32_t gcd(std::int32_t p, std::int32_t q);

// One division of Euclid's algorithm: dividend = quotient x divisor + remainder.
struct Division {
    std::int32_t dividend, divisor;
    std::int64_t quotient; // 64 bits: -2,147,483,648 / -1 leaves the 32-bit range
    std::int32_t remainder;
};

// The divisions gcd(p, q) makes, in order: the gcd is the divisor of the last one, or p
// when there is none (q = 0).
std::vector<Division> euclid(std::int32_t p, std::int32_t q);

// p x q / gcd(q, p), the division in doubles rounded back to an integer; common(0, 0) is
// the invalid-operation fault.
std::int32_t common(std::int32_t p, std::int32_t q);

// n / d as { n div d, n rem d, d }, quotient truncated toward zero.
MixedNumber tomixed(std::int32_t n, std::int32_t d);

// w, n / d as { 0, w x d + n, d }: a negative whole part is added, not subtracted.
MixedNumber toimproper(std::int32_t w, std::int32_t n, std::int32_t d);

} // namespace sb::fractions
