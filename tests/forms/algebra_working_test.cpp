// SPDX-License-Identifier: GPL-3.0-or-later
// The working of the quadratic equation and complex numbers windows never disagrees with
// them: over random values of every command, every answer shown stands in the working.

#include "topics/algebra/complex/form13.h"
#include "topics/algebra/quadratic/form2.h"
#include "working_property.h"

#include <QLabel>

namespace {

using working_property::anyValue;
using working_property::randomCommands;

QString anyOperator(std::mt19937& random) {
    static const char* const ops[] = {"+", "-", "*", "/", "+", "-", "*", "/", " +", "<", ""};
    return ops[std::uniform_int_distribution<int>(0, 10)(random)];
}

TEST(AlgebraWorking, EveryAnswerOfTheQuadraticWindowIsInItsWorking) {
    sb::Form2 window;
    working_property::expectAnswersInWorking(window, randomCommands("Form2", {{"", anyValue}}),
                                             300);
}

TEST(AlgebraWorking, EveryAnswerOfTheComplexWindowIsInItsWorking) {
    sb::Form13 window;
    working_property::expectAnswersInWorking(
        window, randomCommands("Form13", {{"", anyValue}, {"operator", anyOperator}}));
}

// A = 0: the window keeps its message and shows no roots; the working quotes the message and
// solves the linear equation that is left, with its line drawn.
TEST(AlgebraWorking, AZeroQuotesTheMessageAndSolvesTheLinearEquation) {
    working_property::QuietDesktop quiet;
    sb::Form2 window;
    for (const auto& [box, text] : {std::pair{"A", "0"}, {"B", "1"}, {"C", "2"}})
        window.findChild<QLineEdit*>(box)->setText(text);
    window.findChild<QAbstractButton*>("Command1")->click();
    EXPECT_EQ(quiet.told, QStringList{"It Sould Be Quadratix Equation So A Value Must Not Be Zero "});
    EXPECT_EQ(window.findChild<QLabel*>("X1")->text(), "");
    const QStringList lines = window.workingLines();
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0], "The window said: \"It Sould Be Quadratix Equation So A Value Must Not Be Zero \"");
    EXPECT_TRUE(lines.contains("Divide by B: x = -C ÷ B = -2 ÷ 1 = -2")) << lines.join(u'\n').toStdString();
    EXPECT_NE(window.working().figure.find("line"), nullptr);
}

} // namespace
