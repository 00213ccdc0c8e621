// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topics/geometry/triangle_panels.h"

namespace sb {

// Triangles - The Law Of Sines: four panels, two solving a triangle from two angles and a
// side, two from two sides and the angle opposite one of them.
class Form11 : public triangle_panels::PanelsForm {
    Q_OBJECT
public:
    Form11();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();
    // The message of a solve that finds no triangle, which its working quotes.
    static QString noSolution();

private:
    void Command1_Click();
    void Command2_Click();
    void Command6_Click();
    void Command7_Click();
    void Command3_Click();
    void Command4_Click();
    void Command8_Click();
    void Command5_Click();

    // Tests typed angles: each must lie strictly between 0 and 180. Otherwise the angle
    // message is shown while the panel still holds its values, then the panel is emptied.
    bool anglesFit(int panel, std::initializer_list<double> angles);
};

} // namespace sb
