// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/form.h"

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

    // Empties the row's output and reads its boxes (readAll).
    std::optional<std::vector<double>> readRow(const QString& output, const QStringList& boxes);
};

} // namespace sb
