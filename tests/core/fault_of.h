// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/fault.h"

#include <optional>

// The kind of arithmetic fault a call raises, or nothing when it raises none.
template <class F> std::optional<sb::ArithmeticFault::Kind> faultOf(F&& call) {
    try {
        call();
    } catch (const sb::ArithmeticFault& fault) {
        return fault.kind();
    }
    return std::nullopt;
}
