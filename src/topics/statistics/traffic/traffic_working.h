// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the traffic and percentage window: the formula solved for the unknown with
// the values put in, a distance-time graph, and the price before and after as bars.

#include "traffic.h"
#include "working/working.h"

namespace sb::traffic {

// A value as typed into its box and as the command read it.
struct Given {
    QString typed;
    double value = 0;
};

enum class Unknown { Time, Speed, Distance };

// distance = speed x time solved for the unknown: s and v for the time, s and t for the
// speed, t and v for the distance; answer is what the window shows.
working::Working motionWorking(Unknown unknown, const Given& first, const Given& second,
                               double answer);

// What a price problem computed: the amount (with its product P x C), the amount as its
// label shows it, which the new price is worked from, and the new price.
struct PriceChange {
    Amount amount;
    double amountShown = 0;
    double newPrice = 0;
};

working::Working priceWorking(bool decrease, const Given& percentage, const Given& cost,
                              const PriceChange& change);

working::Guide trafficGuide();

} // namespace sb::traffic
