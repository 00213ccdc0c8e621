// SPDX-License-Identifier: GPL-3.0-or-later
#include "integer_routines.h"

#include "entry/conversions.h"
#include "entry/int32.h"
#include "entry/real.h"

namespace sb::fractions {

namespace {

// Euclid by repeated remainder, telling each division to visit.
template <class Visit> std::int32_t euclidLoop(std::int32_t p, std::int32_t q, Visit visit) {
    while (q != 0) {
        const std::int32_t r = int32::rem(p, q);
        visit(p, q, r);
        p = q;
        q = r;
    }
    return p;
}

} // namespace

std::int32_t gcd(std::int32_t p, std::int32_t q) {
    return euclidLoop(p, q, [](std::int32_t, std::int32_t, std::int32_t) {});
}

std::vector<Division> euclid(std::int32_t p, std::int32_t q) {
    std::vector<Division> divisions;
    euclidLoop(p, q, [&divisions](std::int32_t p, std::int32_t q, std::int32_t r) {
        divisions.push_back({p, q, (std::int64_t(p) - r) / q, r});
    });
    return divisions;
}

std::int32_t common(std::int32_t p, std::int32_t q) {
    const std::int32_t g = gcd(q, p);
    const std::int32_t product = int32::mul(p, q);
    return roundToInt32((Real(product) / Real(g)).value());
}

MixedNumber tomixed(std::int32_t n, std::int32_t d) {
    return {int32::div(n, d), int32::rem(n, d), d};
}

MixedNumber toimproper(std::int32_t w, std::int32_t n, std::int32_t d) {
    return {0, int32::add(int32::mul(w, d), n), d};
}

} // namespace sb::fractions
