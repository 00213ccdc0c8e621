// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working of the progressions window: each row's formula with its values put in, the
// values it computed on the way, and the progression's terms drawn as bars.

#include "progressions.h"
#include "working/working.h"

#include <vector>

namespace sb::progressions {

// The window's eleven rows, by what they find from what.
enum class Row {
    ArithSumA1DN,
    ArithSumA1AnN,
    ArithSumDAnN,
    ArithLastA1DN,
    ArithDiffA1AnN,
    ArithCountA1DAn,
    GeomSumA1QN,
    GeomSumA1QAn,
    GeomSumInfinite,
    GeomLastA1QN,
    GeomRatioA1AnN,
};

// A box as its command read it.
struct Box {
    QString letter; // A1, An, D, N or Q
    QString typed;
    // A box written back: the whole result text of its number, which the box may have cut
    // to its 8 characters. Empty for a box used as typed.
    QString written;
    QString shown;    // what the box shows after the command
    double value = 0; // what the computation took: the number of shown, or the typed value
};

// The box of the letter among boxes, which must hold it.
const Box& boxOf(const std::vector<Box>& boxes, QStringView letter);

// Above this many terms only the first and the last 20 are drawn.
inline constexpr double mostTermsDrawn = 100;

// The steps and figure of a row that answered: boxes as read (in any order), and the
// routine's values.
working::Working progressionWorking(Row row, const std::vector<Box>& boxes, const Worked& worked);

// The working of a row that gave no answer: the window's messages, then why there is none
// (Q = 1 and the sum that N terms of A1 make, a ratio of a negative number with no real
// root, a division by 0, an overflow). boxes as read, each with the value the row took.
working::Working unansweredWorking(Row row, const std::vector<Box>& boxes, const QStringList& said);

working::Guide progressionsGuide();

} // namespace sb::progressions
