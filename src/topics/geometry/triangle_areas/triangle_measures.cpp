// SPDX-License-Identifier: GPL-3.0-or-later
#include "triangle_measures.h"

#include "entry/fault.h"
#include "entry/real.h"

namespace sb::triangle_areas {

namespace {

void heron(Answer& h) {
    const double a = h.given[0], b = h.given[1], c = h.given[2];
    h.first = (Real(b) + a).value();
    h.total = (Real(h.first) + c).value();
    h.s = (Real(h.total) / 2).value();
    h.less = {(Real(h.s) - a).value(), (Real(h.s) - b).value(), (Real(h.s) - c).value()};
    Real x = Real(h.less[0]) * h.s;
    h.products[0] = x.value();
    x = x * h.less[1];
    h.products[1] = x.value();
    x = x * h.less[2];
    h.products[2] = x.value();
    // sides that make no triangle (or rounding on a flat one) leave x below zero, which has
    // no square root; an x of exactly zero gives the area 0
    if (!(x < 0)) h.result = sqrt(x).value();
}

} // namespace

Answer solve(Question question, const std::vector<double>& given) {
    Answer answer{question, given};
    const Real first(given[0]), second(given[1]);
    switch (question) {
    case Question::AreaFromBaseAndHeight:
        answer.first = (second * first).value();
        answer.result = (Real(answer.first) / 2).value();
        break;
    case Question::HeightFromAreaAndBase:
    case Question::BaseFromAreaAndHeight:
        answer.first = (second + second).value();
        answer.result = (Real(answer.first) / first).value();
        break;
    case Question::Perimeter:
        answer.first = (second + first).value();
        answer.result = (Real(answer.first) + given[2]).value();
        break;
    case Question::HeronArea: heron(answer); break;
    }
    return answer;
}

double areaFromBaseAndHeight(double base, double height) {
    return *solve(Question::AreaFromBaseAndHeight, {base, height}).result;
}

double heightFromAreaAndBase(double base, double area) {
    return *solve(Question::HeightFromAreaAndBase, {base, area}).result;
}

double baseFromAreaAndHeight(double height, double area) {
    return *solve(Question::BaseFromAreaAndHeight, {height, area}).result;
}

double perimeter(double a, double b, double c) {
    return *solve(Question::Perimeter, {a, b, c}).result;
}

double heronArea(double a, double b, double c) {
    const Answer h = solve(Question::HeronArea, {a, b, c});
    if (!h.result) throw ArithmeticFault(ArithmeticFault::Kind::Invalid);
    return *h.result;
}

} // namespace sb::triangle_areas
