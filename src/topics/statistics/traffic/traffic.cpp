// SPDX-License-Identifier: GPL-3.0-or-later
#include "traffic.h"

#include "entry/real.h"

namespace sb::traffic {

double FindT(double s, double v) { return (Real(s) / v).value(); }

double FindV(double s, double t) { return (Real(s) / t).value(); }

double FindS(double t, double v) { return (Real(v) * t).value(); }

Amount PercentageAmountWorked(double p, double c) {
    const Real product = Real(p) * c;
    return {product.value(), (product / 100).value()};
}

double PercentageAmount(double p, double c) { return PercentageAmountWorked(p, c).amount; }

double DecreasedPrice(double c, double amountShown) { return (Real(c) - amountShown).value(); }

double IncreasedPrice(double amountShown, double c) { return (Real(amountShown) + c).value(); }

} // namespace sb::traffic
