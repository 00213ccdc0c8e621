// SPDX-License-Identifier: GPL-3.0-or-later
#include "topics/geometry/quadrilaterals/quadrilateral_formulas.h"

#include "entry/conversions.h"
#include "entry/fault.h"

#include "shown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>

namespace {

using namespace sb::quadrilaterals;

// what a command shows: its result text, or "Implausible Data" when it has none
std::string shown(std::optional<double> value) {
    return value ? ::shown(*value) : std::string("Implausible Data");
}

using Command = std::function<std::optional<double>()>;

TEST(QuadrilateralFormulas, WorkedExamples) {
    struct Row {
        const char* what;
        Command command;
        const char* result;
    };
    const Row rows[] = {
        {"square area", [] { return squareArea(3); }, "9"},
        {"square perimeter", [] { return squarePerimeter(3); }, "12"},
        {"square side from area", [] { return squareSideFromArea(2); }, "1.4142135623731"},
        {"square perimeter from area", [] { return squarePerimeterFromArea(2); },
         "5.65685424949238"},
        {"square side from perimeter", [] { return squareSideFromPerimeter(10); }, "2.5"},
        {"square area from perimeter", [] { return squareAreaFromPerimeter(10); }, "6.25"},
        {"trapezium", [] { return trapeziumArea(3, 5, 4); }, "16"},
        {"diagonals", [] { return diagonalsArea(6, 8); }, "24"},
        {"rectangle area", [] { return rectangleArea(4, 2.5); }, "10"},
        {"rectangle perimeter", [] { return rectanglePerimeter(3, 5); }, "16"},
        {"rectangle B from area", [] { return rectangleSideFromArea(4, 10); }, "2.5"},
        {"rectangle perimeter from area", [] { return rectanglePerimeterFromArea(4, 10); }, "13"},
        {"rectangle B from perimeter", [] { return rectangleSideFromPerimeter(3, 10); }, "2"},
        {"rectangle area from perimeter", [] { return rectangleAreaFromPerimeter(3, 10); }, "6"},
        // only B is rounded, to 4 places
        {"B rounded", [] { return rectangleSideFromPerimeter(1, 10.0 / 3); }, "0.6667"},
        {"area not rounded", [] { return rectangleAreaFromPerimeter(1, 10.0 / 3); },
         "0.666666666666667"},
        {"parallelogram area", [] { return parallelogramArea(4, 2.5); }, "10"},
        {"parallelogram height", [] { return parallelogramHeightOrBase(4, 10); }, "2.5"},
        {"parallelogram perimeter", [] { return parallelogramPerimeter(3, 5); }, "16"},
        // a square too small to tell from zero is 0, not a fault
        {"square underflows", [] { return squareArea(1e-200); }, "0"},
        {"exponent form", [] { return rectangleSideFromArea(1e-5, 1e300); }, "1E+305"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(shown(row.command()), row.result);
    }
}

TEST(QuadrilateralFormulas, RectangleFromSideAndPerimeterNeedsRoomForB) {
    struct Row {
        double A, P;
        const char* b;
        const char* area;
    };
    const Row rows[] = {
        {3, 10, "2", "6"},
        {5, 10, "Implausible Data", "Implausible Data"}, // P = 2A: no side left for B
        {6, 10, "Implausible Data", "Implausible Data"},
        {1e-300, 1e-300, "Implausible Data", "Implausible Data"},
        // just enough room: B rounds to 0 but the data are plausible
        {1, 2.0000000001, "0", "5.00000041370185E-11"},
        {2.5, 10, "2.5", "6.25"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.A << ", " << row.P);
        EXPECT_EQ(shown(rectangleSideFromPerimeter(row.A, row.P)), row.b);
        EXPECT_EQ(shown(rectangleAreaFromPerimeter(row.A, row.P)), row.area);
    }
}

// Each row overflows only in the order the formula is written: a reordered formula (halving
// first, or 2 * (A + B) evaluated as 2A + 2B) would give a finite answer.
TEST(QuadrilateralFormulas, OverflowIsAFault) {
    struct Row {
        const char* what;
        Command command;
    };
    const Row rows[] = {
        {"square area", [] { return squareArea(1e200); }},
        {"square perimeter", [] { return squarePerimeter(1e308); }},
        {"square area from perimeter", [] { return squareAreaFromPerimeter(1e200); }},
        {"trapezium (B + A) * H", [] { return trapeziumArea(1e200, 1e200, 1e108); }},
        {"trapezium B + A", [] { return trapeziumArea(1e308, 1e308, 1e-10); }},
        {"diagonals d2 * d1", [] { return diagonalsArea(2e200, 1e108); }},
        {"rectangle area", [] { return rectangleArea(1e200, 1e200); }},
        {"rectangle perimeter", [] { return rectanglePerimeter(9e307, 9e307); }},
        {"rectangle B from area", [] { return rectangleSideFromArea(1e-300, 1e300); }},
        {"rectangle perimeter from area", [] { return rectanglePerimeterFromArea(1, 1e308); }},
        {"A + A before the plausibility test", [] { return rectangleSideFromPerimeter(1e308, 1); }},
        {"A + A for the area", [] { return rectangleAreaFromPerimeter(1e308, 1); }},
        {"area from perimeter times A", [] { return rectangleAreaFromPerimeter(1e200, 1e300); }},
        {"parallelogram area", [] { return parallelogramArea(1e300, 1e10); }},
        {"parallelogram height", [] { return parallelogramHeightOrBase(1e-10, 1e300); }},
        {"parallelogram perimeter", [] { return parallelogramPerimeter(1e308, 1e308); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_THROW(row.command(), sb::ArithmeticFault);
    }
}

// The squares are the power function's, which for these sides is a bit away from s * s.
TEST(QuadrilateralFormulas, SquaresUseThePowerFunction) {
    const auto power = [](double x) {
        volatile double two = 2;
        return std::pow(x, two);
    };
    for (double side : {95.97, 96.03, 141.73, 188.84, 2.759 / 4, 11.036 / 4}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(squareArea(side), power(side));
        EXPECT_EQ(squareAreaFromPerimeter(side * 4), power(side));
    }
}

} // namespace
