// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_property.h"

#include "app/window_registry.h"

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
        "x1 = 2", "Area = √0 = 0", "0.5 × 10 ÷ 5 = 1", "1 2/3 = 5/3", "x = 2 = 2",
        "= 5x", "2 is less than 3", "-3 < -2", "60° = 60°", "b² - 4ac = 36 - 24 = 12",
        "0.3 = 0.30", "a = 5 ≥ 5", "cos 0° = 1 and sin 90° = 1",
    };
    for (const QString& line : fine)
        EXPECT_TRUE(working_property::contradictions({line}, english).isEmpty()) << line.toStdString();
    EXPECT_EQ(working_property::eNotations("1.5E-10 and 2E+15 but not E-3 or 1.5"),
              (QStringList{"1.5E-10", "2E+15"}));
    // an answer stands in a line as a whole number, even at the end of a sentence
    EXPECT_TRUE(working_property::standsIn("so b = 0.866025424857862.", "0.866025424857862"));
    EXPECT_FALSE(working_property::standsIn("so b = 0.8660254248578625", "0.866025424857862"));
    EXPECT_FALSE(working_property::standsIn("so b = 10.5", "0.5"));
}

// Before any command each pane says what the boxes take and works one example: no rounding
// noise and no false comparison there either.
TEST(WorkingProperty, EveryGuideIsFreeOfNoiseAndFalseComparisons) {
    sb::WindowRegistry registry;
    sb::registerProgramWindows(registry);
    for (int n = 2; n <= 13; ++n) {
        const QString name = QStringLiteral("Form%1").arg(n);
        auto* window = qobject_cast<sb::ui::Form*>(registry.show(name));
        ASSERT_NE(window, nullptr) << name.toStdString();
        window->setMoreDetail(true);
        const QStringList lines = window->workingLines();
        EXPECT_EQ(working_property::eNotations(lines.join(u'\n')).join(u' ').toStdString(), "")
            << name.toStdString();
        EXPECT_EQ(working_property::contradictions(lines).join(u'\n').toStdString(), "")
            << name.toStdString();
        window->close();
    }
}

} // namespace
