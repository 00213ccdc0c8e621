#include "round_half_even.h"

#include <cmath>

namespace sb {

double roundHalfEven(double value, int places) {
    if (!std::isfinite(value) || value == 0) return value;
    const double scale = std::pow(10.0, places); // exact for 0 to 22 places
    const double magnitude = std::fabs(value);
    // from 2^53 / scale on, a double's spacing is wider than a step of the last place, so
    // the rounded decimal lies nearer to the value itself than to any other double
    if (magnitude >= 0x1p53 / scale) return value;

    // magnitude * scale exactly is scaled + error: the product rounded, and what the
    // rounding lost (fma computes it without rounding)
    const double scaled = magnitude * scale;
    const double error = std::fma(magnitude, scale, -scaled);
    const double whole = std::floor(scaled);
    // the fraction scaled - whole is exact, and so is its distance from a half unless
    // that distance is far greater than the error; so this compares exactly
    const double aboveHalf = (scaled - whole) - 0.5;
    double rounded = whole;
    if (aboveHalf > -error) rounded = whole + 1;
    else if (aboveHalf == -error && std::fmod(whole, 2) != 0) rounded = whole + 1;
    return std::copysign(rounded / scale, value);
}

} // namespace sb
