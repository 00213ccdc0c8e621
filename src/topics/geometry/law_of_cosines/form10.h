// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topics/geometry/triangle_panels.h"

namespace sb {

// Triangles - The Law Of Cosines: four panels, three solving a triangle from two sides and
// the angle between them, the fourth from its three sides.
class Form10 : public triangle_panels::PanelsForm {
    Q_OBJECT
public:
    Form10();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Command7_Click();
    void Command3_Click();
    void Command4_Click();
    void Command6_Click();
    void Command5_Click();

    // the solve command of panels 1 to 3, which differ only in their angle message
    void solveTwoSidesAndAngle(int panel, const QString& angleMessage);
};

} // namespace sb
