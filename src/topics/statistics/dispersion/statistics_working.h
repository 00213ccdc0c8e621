// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the statistics window: the sums, the mean and the table of deviations, and
// the list drawn on a number line, built from the sums the answer was computed from.

#include "statistics_lists.h"
#include "working/working.h"

#include <optional>

namespace sb::statistics {

// Up to this many distinct values the figure has one bar per value; beyond, a histogram.
inline constexpr std::size_t mostBarsByValue = 50;

// The steps and the figure of a command that answered with sums (of measure(lists, which)).
working::Working statisticsWorking(Measure which, const Lists& lists, const Sums& sums);

// The numbers the figure's labels write where they are not the window's: the exact values,
// so a label never shows the rounding of the window's last digits.
struct FigureLabels {
    std::optional<double> mean, variance, sigma;
};

// The figure alone: the list on a number line, with the mean and, for the variance and the
// deviation, the band from mean - sigma to mean + sigma.
working::Figure statisticsFigure(Measure which, const Lists& lists, const Sums& sums,
                                 const FigureLabels& labels = {});

working::Guide statisticsGuide();

} // namespace sb::statistics
