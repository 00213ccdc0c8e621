// SPDX-License-Identifier: GPL-3.0-or-later
// The working model: how its numbers are printed, what a figure spans, which lines a pupil
// sees with and without detail, and the pane's text before a command and after a refusal.

#include "working/working.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace sb::working;

TEST(Working, ExactNumbersHaveAPointAndSeventeenDigits) {
    const std::pair<double, const char*> rows[] = {
        {2, "2.0000000000000000"},
        {0, "0.0000000000000000"},
        {-1.5, "-1.5000000000000000"},
        {0.1, "0.10000000000000001"},
        {0.422649730810374, "0.42264973081037399"},
        {1e20, "1.0000000000000000e+20"},
        {-2.5e-10, "-2.5000000000000002e-10"},
        {123456789012345680, "1.2345678901234568e+17"},
    };
    for (const auto& [value, text] : rows) {
        EXPECT_EQ(exact(value).toStdString(), text);
        EXPECT_EQ(exact(value).toDouble(), value) << text; // reads back bit for bit
    }
}

TEST(Working, ElementLinesFollowTheDriversFormat) {
    Figure f;
    f.point("vertex", 1.5, -0.25)
        .segment("s", 0, 0, 1, 1)
        .circle("c", 0, 0, 2)
        .arc("a", 0, 0, 1, 0, 90)
        .bar("b", 0, 0, 1, -2)
        .label("name", 1, 2, "x = \"1\"");
    const QStringList lines = elementLines(f, [](const QString& t) { return '[' + t + ']'; });
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "point vertex 1.5000000000000000 -0.25000000000000000");
    EXPECT_TRUE(lines[2].startsWith("circle c 0.0"));
    EXPECT_EQ(lines[3].count(' '), 6);
    EXPECT_TRUE(lines[4].endsWith("-2.0000000000000000"));
    EXPECT_EQ(lines[5], "label name 1.0000000000000000 2.0000000000000000 [x = \"1\"]");
}

TEST(Working, TheExtentTakesEveryShapeAndTheOriginWithAxes) {
    Figure f;
    f.circle("c", 5, 5, 1).bar("b", 10, 2, 2, -4);
    Box b = f.extent();
    EXPECT_EQ(b.left, 4);
    EXPECT_EQ(b.right, 12);
    EXPECT_EQ(b.bottom, -2);
    EXPECT_EQ(b.top, 6);
    f.axes = true;
    b = f.extent();
    EXPECT_EQ(b.left, 0);
    f.curve("bad", {NAN, 1, 100, INFINITY}); // not a number is never part of the extent
    EXPECT_EQ(f.extent().right, 12);
    f.view = Box{-1, -1, 1, 1};
    EXPECT_EQ(f.extent().right, 1);
    EXPECT_EQ(Figure().extent().right, 1); // nothing to show: a unit square
}

TEST(Working, DetailLinesShowOnlyWhenAskedFor) {
    Working w;
    w.say("D = 12").detail("6 * 6 - 4 * -3 * -2 = 12").say("x1 = 0.4");
    EXPECT_TRUE(w.hasDetail());
    EXPECT_EQ(w.lines(false), QStringList({"D = 12", "x1 = 0.4"}));
    EXPECT_EQ(w.lines(true).size(), 3);
}

TEST(Working, TheGuideAndARefusalSayWhatTheBoxesTake) {
    Guide g;
    g.boxes << "A takes a number such as 3, 3/4 or 2/1/3.";
    g.example.say("x = 2").figure.point("value", 2, 0);
    const Working intro = introduction(g);
    EXPECT_TRUE(intro.lines(false).contains(g.boxes[0]));
    EXPECT_TRUE(intro.lines(false).contains("x = 2"));
    EXPECT_TRUE(intro.figure.find("value"));

    const Working refused = refusal({"Illegal Data In Box A"}, g);
    const QStringList lines = refused.lines(true);
    EXPECT_EQ(lines.first(), "The window said: \"Illegal Data In Box A\"");
    EXPECT_TRUE(lines.contains(g.boxes[0]));
    EXPECT_TRUE(refused.figure.empty());
}

} // namespace

// A label names the elements of its own stem; one kind word in front and one ending behind
// come off, never the whole name, and names that only look alike stay apart.
TEST(Working, ALabelNamesTheElementsOfItsStem) {
    const struct {
        const char *label, *element;
        bool named;
    } cases[] = {
        {"side-c", "c", true},
        {"c-label", "c", true},
        {"leader-c", "c", true},
        {"side-c", "c-leader", true},
        {"angle-x", "arc-x", true},
        {"numberCaption", "numberMark", true},
        {"side-a", "side-a2", false},
        {"angle-x", "arc-x2", false},
        {"radius-label", "circle", false},
        {"side-", "side-", true},
        {"-label", "label", false},
        {"", "", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sb::working::names(c.label, c.element), c.named) << c.label << " / " << c.element;
}
