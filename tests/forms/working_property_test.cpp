// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_property.h"

namespace {

// The property's own reading of a step: what it takes for a comparison, and what it leaves.
TEST(WorkingProperty, FindsTheComparisonsTheirNumbersContradict) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QStringList contradicted = {
        "c × sin(y) = 5 and 5 < 5, so a second triangle fits",
        "1.66666666666667 is less than 1.66666666666667: they differ beyond the digits shown",
        "so 0.999999999999999 = 1",
        "60.0000000000001° = 60°",
        "3 > 4",
    };
    for (const QString& line : contradicted)
        EXPECT_EQ(working_property::contradictions({line}, english), QStringList{line});
    const QStringList fine = {
        "x1 = 2", "Area = √0 = 0", "0.5 × 10 ÷ 5 = 1", "d2 = 8", "1 2/3 = 5/3", "x = 2 = 2",
        "= 5x", "2 is less than 3", "-3 < -2", "60° = 60°", "b² - 4ac = 36 - 24 = 12",
        "0.3 = 0.30", "a = 5 ≥ 5",
    };
    for (const QString& line : fine)
        EXPECT_TRUE(working_property::contradictions({line}, english).isEmpty()) << line.toStdString();
    EXPECT_EQ(working_property::eNotations("1.5E-10 and 2E+15 but not E-3 or 1.5"),
              (QStringList{"1.5E-10", "2E+15"}));
}

} // namespace
