// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answers of the triangle areas and perimeters window, one routine per button, each
// evaluated in the program's order from positive values. No result is rounded, and no
// routine tests whether three sides can make a triangle. A result beyond the range of a
// double, and the root of a negative product in heronArea, raise ArithmeticFault.

#include <array>
#include <optional>
#include <vector>

namespace sb::triangle_areas {

enum class Question {
    AreaFromBaseAndHeight,
    HeightFromAreaAndBase,
    BaseFromAreaAndHeight,
    Perimeter,
    HeronArea
};

// One button's answer with the values it went through, for the working.
struct Answer {
    Question question;
    std::vector<double> given; // in the order the button reads its boxes
    double first = 0;          // height * base, area + area, or b + a
    // Heron's formula: (b + a) + c, its half s, s - a, s - b, s - c, and x after each product
    double total = 0, s = 0;
    std::array<double, 3> less{}, products{};
    // nothing when Heron's product is below zero, which has no square root
    std::optional<double> result = std::nullopt;
};

// The button's answer; overflow raises ArithmeticFault, Heron's negative product does not.
Answer solve(Question question, const std::vector<double>& given);

double areaFromBaseAndHeight(double base, double height); // (height * base) / 2
double heightFromAreaAndBase(double base, double area);   // (area + area) / base
double baseFromAreaAndHeight(double height, double area); // (area + area) / height
double perimeter(double a, double b, double c);           // (b + a) + c

// Heron's formula: s = ((b + a) + c) / 2; x = (s - a) * s; x = x * (s - b);
// x = x * (s - c); the area is the square root of x.
double heronArea(double a, double b, double c);

} // namespace sb::triangle_areas
