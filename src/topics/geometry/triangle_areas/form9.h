#pragma once

#include "ui/form.h"

#include <initializer_list>
#include <optional>
#include <vector>

namespace sb {

// Triangle - Areas And Perimeters: area, height and base of a triangle, its perimeter, and
// its area from three sides by Heron's formula.
class Form9 : public ui::Form {
    Q_OBJECT
public:
    Form9();

private:
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();
    void Command9_Click();
    void Command11_Click();

    // Empties the row's output and reads its boxes in the order given, every one of them
    // even after a refused one; the numbers, or nothing when any box was refused.
    std::optional<std::vector<double>> readRow(const QString& output,
                                               std::initializer_list<const char*> boxes);
    void show(const QString& output, double result);
};

} // namespace sb
