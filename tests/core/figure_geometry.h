// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Measures of a figure model, for the tests that check a figure is the exercise drawn to
// scale: the lengths, areas and angles a pupil would measure on it.

#include "working/working.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace figure_geometry {

using sb::working::Element;
using sb::working::Figure;

// The numbers of the named element; an empty list, and a failure, when it is missing.
inline std::vector<double> numbers(const Figure& figure, const char* name) {
    const Element* e = figure.find(QString::fromLatin1(name));
    EXPECT_TRUE(e) << "no element " << name;
    return e ? e->numbers : std::vector<double>{};
}

inline double distance(double x1, double y1, double x2, double y2) {
    return std::hypot(x2 - x1, y2 - y1);
}

// a segment's length
inline double length(const std::vector<double>& n) {
    return n.size() < 4 ? NAN : distance(n[0], n[1], n[2], n[3]);
}

// a polygon's sides, the closing one last
inline std::vector<double> sides(const std::vector<double>& xy) {
    std::vector<double> out;
    const size_t corners = xy.size() / 2;
    for (size_t i = 0; i < corners; ++i) {
        const size_t j = (i + 1) % corners;
        out.push_back(distance(xy[2 * i], xy[2 * i + 1], xy[2 * j], xy[2 * j + 1]));
    }
    return out;
}

inline double perimeter(const std::vector<double>& xy) {
    double sum = 0;
    for (double side : sides(xy)) sum += side;
    return sum;
}

// the area a polygon encloses, by the shoelace formula
inline double shoelace(const std::vector<double>& xy) {
    const size_t corners = xy.size() / 2;
    double twice = 0;
    for (size_t i = 0; i < corners; ++i) {
        const size_t j = (i + 1) % corners;
        twice += xy[2 * i] * xy[2 * j + 1] - xy[2 * j] * xy[2 * i + 1];
    }
    return std::abs(twice) / 2;
}

// a and b agree to a relative 1e-9
inline void expectClose(double measured, double shown, const char* what) {
    EXPECT_NEAR(measured, shown, 1e-9 * std::abs(shown)) << what;
}

// Every number of the figure is finite.
inline bool allFinite(const Figure& figure) {
    for (const Element& e : figure.elements)
        for (double n : e.numbers)
            if (!std::isfinite(n)) return false;
    return true;
}

// A positive number as pupils type them: whole numbers, quarters, and sizes from a
// hundredth to ten thousand.
inline double pupilValue(std::mt19937& random) {
    switch (std::uniform_int_distribution<int>(0, 2)(random)) {
    case 0: return std::uniform_int_distribution<int>(1, 100)(random);
    case 1: return std::uniform_int_distribution<int>(1, 80)(random) / 4.0;
    default: return std::pow(10, std::uniform_real_distribution<double>(-2, 4)(random));
    }
}

// The working writes numbers in the program's locale; the expected texts use a decimal point.
class EnglishNumbers {
public:
    EnglishNumbers() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    ~EnglishNumbers() { QLocale::setDefault(before_); }

private:
    QLocale before_;
};

} // namespace figure_geometry
