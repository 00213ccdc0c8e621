// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The quadrilateral window's formulas, one per command, each evaluated in the order written
// beside it. Parameters come in the order the command reads its boxes. Every value the
// window passes is positive; a result beyond the range of a double raises ArithmeticFault.

#include <optional>
#include <vector>

namespace sb::quadrilaterals {

// The window's questions, one per formula below.
enum class Question {
    SquareArea,
    SquarePerimeter,
    SquareSideFromArea,
    SquarePerimeterFromArea,
    SquareSideFromPerimeter,
    SquareAreaFromPerimeter,
    TrapeziumArea,
    DiagonalsArea,
    RectangleArea,
    RectanglePerimeter,
    RectangleSideFromArea,
    RectanglePerimeterFromArea,
    RectangleSideFromPerimeter,
    RectangleAreaFromPerimeter,
    ParallelogramArea,
    ParallelogramHeightOrBase,
    ParallelogramPerimeter,
};

// One command's answer with the values it went through, for the working.
struct Answer {
    Question question;
    std::vector<double> given; // in the order the command reads its boxes
    // the length the shape has besides the first value typed: the square's side, the
    // rectangle's side B (not rounded), the parallelogram's height or other side
    double side = 0;
    double sum = 0;     // B + A, (S / A) + A, or A + A
    double product = 0; // (B + A) * H, or d2 * d1
    double left = 0;    // P - (A + A): what a perimeter leaves for the two sides B
    std::optional<double> result = std::nullopt; // nothing: implausible data
};

// The answer of a question from the values read (see the formulas below).
Answer solve(Question question, const std::vector<double>& given);

// Square
double squareArea(double s);              // s^2 (the power function)
double squarePerimeter(double s);         // s * 4
double squareSideFromArea(double S);      // root(S)
double squarePerimeterFromArea(double S); // root(S) * 4
double squareSideFromPerimeter(double P); // P / 4
double squareAreaFromPerimeter(double P); // (P / 4)^2 (the power function)

// Trapezium with parallel sides A and B and height H
double trapeziumArea(double A, double B, double H); // ((B + A) * H) / 2

// Quadrilateral whose diagonals d1 and d2 are perpendicular
double diagonalsArea(double d1, double d2); // (d2 * d1) / 2

// Rectangle
double rectangleArea(double A, double B);              // B * A
double rectanglePerimeter(double A, double B);         // (B + A) * 2
double rectangleSideFromArea(double A, double S);      // S / A
double rectanglePerimeterFromArea(double A, double S); // ((S / A) + A) * 2
// Given side A and perimeter P; nothing when P - (A + A) is not greater than 0, which no
// rectangle has.
std::optional<double> rectangleSideFromPerimeter(double A, double P); // (P - (A + A)) / 2,
                                                                      // 4 decimals
std::optional<double> rectangleAreaFromPerimeter(double A, double P); // ((P - (A + A)) / 2) * A

// Parallelogram and rhombus
double parallelogramArea(double b, double h);         // h * b
double parallelogramHeightOrBase(double x, double S); // S / x
double parallelogramPerimeter(double A, double B);    // (B + A) * 2

} // namespace sb::quadrilaterals
