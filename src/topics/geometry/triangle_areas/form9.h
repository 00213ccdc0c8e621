// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "triangle_measures.h"
#include "ui/form.h"

namespace sb {

// Triangle - Areas And Perimeters: area, height and base of a triangle, its perimeter, and
// its area from three sides by Heron's formula.
class Form9 : public ui::Form {
    Q_OBJECT
public:
    Form9();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command7_Click();
    void Command9_Click();
    void Command11_Click();

    // Empties the row's output, reads its boxes (readAll) and answers the question.
    void find(const QString& output, const QStringList& boxes, triangle_areas::Question question);
};

} // namespace sb
