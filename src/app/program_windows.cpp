// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "form14.h"
#include "topics/algebra/complex/form13.h"
#include "topics/algebra/conversion/form3.h"
#include "topics/algebra/fractions/form4.h"
#include "topics/algebra/quadratic/form2.h"
#include "topics/geometry/circle/form7.h"
#include "topics/geometry/law_of_cosines/form10.h"
#include "topics/geometry/law_of_sines/form11.h"
#include "topics/geometry/quadrilaterals/form8.h"
#include "topics/geometry/triangle_areas/form9.h"
#include "topics/statistics/dispersion/form5.h"
#include "topics/statistics/progressions/form6.h"
#include "topics/statistics/traffic/form12.h"
#include "window_registry.h"

namespace sb {

void registerProgramWindows(WindowRegistry& registry) {
    registry.add("Form1", [&registry] { return new Form1(registry); });
    registry.add("Form2", [] { return new Form2; });
    registry.add("Form3", [] { return new Form3; });
    registry.add("Form4", [] { return new Form4; });
    registry.add("Form5", [] { return new Form5; });
    registry.add("Form6", [] { return new Form6; });
    registry.add("Form7", [] { return new Form7; });
    registry.add("Form8", [] { return new Form8; });
    registry.add("Form9", [] { return new Form9; });
    registry.add("Form10", [] { return new Form10; });
    registry.add("Form11", [] { return new Form11; });
    registry.add("Form12", [] { return new Form12; });
    registry.add("Form13", [] { return new Form13; });
    registry.add("Form14", [] { return new Form14; });
}

std::vector<ui::ControlTable> topicWindowTables() {
    std::vector<ui::ControlTable> tables;
    for (ui::FormSpec (*paper)() :
         {&Form2::paper, &Form3::paper, &Form4::paper, &Form5::paper, &Form6::paper, &Form7::paper,
          &Form8::paper, &Form9::paper, &Form10::paper, &Form11::paper, &Form12::paper,
          &Form13::paper, &Form14::paper})
        tables.push_back(paper().translated().controls);
    return tables;
}

} // namespace sb
