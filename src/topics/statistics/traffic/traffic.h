// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The arithmetic of the traffic and percentage window, in double precision. A result
// beyond the range of a double raises ArithmeticFault.

namespace sb::traffic {

// distance = speed x time, solved for each of the three
double FindT(double s, double v); // T = S / V
double FindV(double s, double t); // V = S / T
double FindS(double t, double v); // S = V x T

// The amount a cost C changes by at P percent: P x C / 100, the product first.
double PercentageAmount(double p, double c);
// The same with the product it came from.
struct Amount {
    double product, amount;
};
Amount PercentageAmountWorked(double p, double c);
// The new prices, from the amount as the window shows it (15 significant digits), not
// from the unrounded product.
double DecreasedPrice(double c, double amountShown); // C - amount
double IncreasedPrice(double amountShown, double c); // amount + C

} // namespace sb::traffic
