// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quadrilateral_formulas.h"
#include "ui/form.h"

namespace sb {

// Quadrilateral - Areas And Perimeters: squares, trapeziums, quadrilaterals with
// perpendicular diagonals, rectangles, parallelograms and rhombuses, each in small panels of
// one to three boxes, one or two buttons and one answer.
class Form8 : public ui::Form {
    Q_OBJECT
public:
    Form8();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    using Question = quadrilaterals::Question;
    // answers the question from the values of inputs, read in that order, in output
    void find(const QString& output, const QStringList& inputs, Question question);

    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Command4_Click();
    void Command7_Click();
    void Command9_Click();
    void Command13_Click();
    void Command11_Click();
    void Command5_Click();
    void Command8_Click();
    void Command15_Click();
    void Command14_Click();
    void Command10_Click();
    void Command6_Click();
    void Command19_Click();
    void Command16_Click();
    void Command17_Click();
};

} // namespace sb
