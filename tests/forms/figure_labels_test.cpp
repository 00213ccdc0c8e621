// SPDX-License-Identifier: GPL-3.0-or-later
// Every text of every topic window's figure stands clear: over random values of every
// command, laid out at the pane's size with the pane's own font, no text of the figure
// overlaps another text, and none crosses a line it does not name.

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
#include "ui/figure_painter.h"
#include "ui/working_pane.h"
#include "working_property.h"

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <memory>
#include <set>

namespace {

using sb::ui::FigureLayout;
using sb::ui::PlacedLabel;
using working_property::anyValue;
using working_property::RandomCommand;
using working_property::Values;

// Touching by less than half a pixel is not overlapping.
QRectF inside(const QRectF& r) { return r.adjusted(0.5, 0.5, -0.5, -0.5); }

bool overlaps(const QRectF& a, const QRectF& b) { return inside(a).intersects(inside(b)); }

// A line crosses a rectangle when an end lies inside it or it cuts one of its sides.
bool crosses(const QRectF& rect, const QLineF& line) {
    const QRectF r = inside(rect);
    if (r.contains(line.p1()) || r.contains(line.p2())) return true;
    const QLineF sides[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    for (const QLineF& side : sides)
        if (line.intersects(side, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

QString nameOf(const sb::working::Figure& f, int element) {
    return element < 0 ? QStringLiteral("axes") : f.elements[size_t(element)].name;
}

// One text that stands wrong, and the element whose text it is.
struct Fault {
    QString element, text;
};

// What stands wrong in a figure's layout. The axes' numbers are set where their ticks are and
// never move, so only the elements' texts are held to account.
std::vector<Fault> faults(const sb::working::Figure& f, const FigureLayout& layout) {
    std::vector<Fault> out;
    for (size_t i = 0; i < layout.labels.size(); ++i) {
        const PlacedLabel& label = layout.labels[i];
        if (label.element < 0) continue;
        const QString name = nameOf(f, label.element);
        const QString who = QStringLiteral("\"%1\" (%2)").arg(label.text, name);
        for (size_t j = 0; j < i; ++j)
            if (overlaps(label.rect, layout.labels[j].rect))
                out.push_back(
                    {name, who + QStringLiteral(" over \"%1\"").arg(layout.labels[j].text)});
        std::set<int> crossed;
        for (const sb::ui::FigureLine& line : layout.lines)
            if (crosses(label.rect, line.line) && !layout.names(f, label, line))
                crossed.insert(line.element);
        for (int element : crossed)
            out.push_back({name, who + QStringLiteral(" over the line ") + nameOf(f, element)});
    }
    return out;
}

QString join(const std::vector<Fault>& found) {
    QStringList texts;
    for (const Fault& fault : found) texts << fault.text;
    return texts.join(QStringLiteral("; "));
}

// The working pane of a window, open at its own size.
struct OpenPane {
    sb::ui::Form& window;
    sb::ui::FigureView* view;
    explicit OpenPane(sb::ui::Form& w) : window(w) {
        window.show();
        if (!window.workingOpen()) window.toggleWorking();
        view = window.findChild<sb::ui::FigureView*>();
    }
    ~OpenPane() { window.close(); }

    // The faults of the figure of the window's last command, at the pane's size.
    std::vector<Fault> check() {
        const sb::working::Figure& figure = window.working().figure;
        const QFontMetrics metrics(sb::ui::figureFont(view->font()), view);
        return faults(figure, sb::ui::layOutFigure(metrics, QRectF(view->rect()), figure));
    }
    // SB_FIGURE_FAULTS=DIR keeps a picture of each figure found wrong, to look at.
    void keep() {
        const QString dir = qEnvironmentVariable("SB_FIGURE_FAULTS");
        if (!dir.isEmpty())
            view->grab().save(
                QStringLiteral("%1/%2-%3.png").arg(dir, window.objectName()).arg(++pictures));
    }
    int pictures = 0;
};

// Types the values into the boxes and presses the button.
void give(sb::ui::Form& window, const QString& button,
          const std::vector<std::pair<QString, QString>>& typed) {
    for (const auto& [box, value] : typed) window.findChild<QLineEdit*>(box)->setText(value);
    window.findChild<QAbstractButton*>(button)->click();
}

// A window's figure over random values of every command; the faults found, with the
// values that gave them, up to a few of each command. A figure whose only faults are texts
// of the elements named in known is counted in knownFaults instead.
QStringList randomFaults(sb::ui::Form& window, const std::vector<RandomCommand>& commands,
                         int rounds, const QStringList& known, int& knownFaults) {
    working_property::QuietDesktop quiet;
    OpenPane pane(window);
    EXPECT_TRUE(pane.view);
    if (!pane.view) return {};
    QStringList out;
    std::mt19937 random(11);
    for (const RandomCommand& command : commands) {
        int told = 0;
        for (int round = 0; round < rounds; ++round) {
            std::vector<std::pair<QString, QString>> typed;
            QStringList values;
            for (const auto& [box, draw] : command.boxes) {
                typed.push_back({box, draw(random)});
                values << typed.back().second;
            }
            give(window, command.button, typed);
            const std::vector<Fault> found = pane.check();
            if (found.empty()) continue;
            if (std::all_of(found.begin(), found.end(),
                            [&](const Fault& f) { return known.contains(f.element); }))
                ++knownFaults;
            else if (pane.keep(), told++ < 3)
                out << command.button + u' ' + values.join(QStringLiteral(", ")) +
                           QStringLiteral(": ") + join(found);
        }
    }
    return out;
}

// Values for the boxes of the windows, as their own working tests draw them.
QString positive(std::mt19937& random) {
    const QString value = anyValue(random);
    return random() % 6 != 0 && value.startsWith(u'-') ? value.mid(1) : value;
}
Values between(double low, double high) {
    return [=](std::mt19937& random) {
        if (random() % 4 == 0) return anyValue(random);
        return QString::number(std::uniform_real_distribution<double>(low, high)(random), 'g', 3);
    };
}
Values whole(int least, int most) {
    return [=](std::mt19937& random) {
        return QString::number(std::uniform_int_distribution<int>(least, most)(random));
    };
}
Values oneOf(QStringList texts) {
    return [texts](std::mt19937& random) { return texts[int(random() % texts.size())]; };
}
Values list(int most) {
    return [most](std::mt19937& random) {
        QStringList values;
        const int n = std::uniform_int_distribution<int>(1, most)(random);
        for (int i = 0; i < n; ++i) values << anyValue(random);
        return values.join(u' ');
    };
}

// A list of up to most values and, drawn after it, as many weights, none below 0: the two
// boxes of a weighted list, which the window takes only together and of one length.
std::pair<Values, Values> weightedList(int most) {
    const auto length = std::make_shared<int>(1);
    const auto numbers = [most, length](std::mt19937& random) {
        *length = std::uniform_int_distribution<int>(1, most)(random);
        QStringList out;
        for (int i = 0; i < *length; ++i) out << anyValue(random);
        return out.join(u' ');
    };
    const auto weights = [length](std::mt19937& random) {
        QStringList out;
        for (int i = 0; i < *length; ++i) {
            const QString weight = anyValue(random);
            out << (weight.startsWith(u'-') ? weight.mid(1) : weight);
        }
        return out.join(u' ');
    };
    return {numbers, weights};
}

// commands and the boxes each reads, each filled from values, as "Command13 a2 b2 h2"
std::vector<RandomCommand> commands(const QStringList& table, const Values& values) {
    std::vector<RandomCommand> out;
    for (const QString& row : table) {
        const QStringList words = row.split(u' ');
        RandomCommand command{words.first(), {}};
        for (const QString& box : words.mid(1)) command.boxes.push_back({box, values});
        out.push_back(command);
    }
    return out;
}

struct Window {
    const char* name;
    std::function<sb::ui::Form*()> make;
    std::vector<RandomCommand> commands;
    // Elements whose texts the window's figure sets where no place near them is clear at
    // the pane's size; each is a fault of that figure's data, named where it is listed.
    QStringList known = {};
};

std::vector<Window> windows() {
    const Values any = anyValue, side = between(0.5, 60), angle = between(1, 150);
    const Values small = whole(-6, 6), part = whole(-12, 12);
    const Values ratio = [](std::mt19937& random) {
        return random() % 4 == 0 ? anyValue(random)
                                 : QStringLiteral("%1/10").arg(int(random() % 19) - 9);
    };
    return {
        {"Form2", [] { return new sb::Form2; }, commands({"Command1 A B C"}, any)},
        {"Form3",
         [] { return new sb::Form3; },
         {{"Command1", {{"in1s", small}, {"in1m", part}, {"in1d", part}}},
          {"Command2", {{"in2m", whole(-200, 200)}, {"in2d", part}}},
          {"Command3", {{"in3s", small}, {"in3m", part}, {"in3d", part}}},
          {"Command4", {{"in4", between(-30, 30)}}}}},
        {"Form4",
         [] { return new sb::Form4; },
         {{"Command1",
           {{"s1", small},
            {"m1", part},
            {"d1", part},
            {"op", oneOf({"+", "-", "*", "/", "<", ">", "="})},
            {"s2", small},
            {"m2", part},
            {"d2", part}}},
          {"Command2", {{"b", whole(-60, 60)}, {"a", whole(-60, 60)}}},
          {"Command3", {{"inm4", whole(-100, 100)}, {"ind4", whole(-100, 100)}}}}},
        {"Form5", [] { return new sb::Form5; }, [] {
             auto out = commands({"Command1 n", "Command3 n", "Command2 n"}, list(30));
             // weighted lists too
             const auto [values, weights] = weightedList(30);
             for (const char* button : {"Command1", "Command3", "Command2"})
                 out.push_back({button, {{"n", values}, {"w", weights}}});
             return out;
         }()},
        {"Form6",
         [] { return new sb::Form6; },
         {{"Command1", {{"a1", any}, {"d", any}, {"n", any}}},
          {"Command2", {{"a12", any}, {"an2", any}, {"n2", any}}},
          {"Command8", {{"d3", any}, {"an3", any}, {"n3", any}}},
          {"Command3", {{"a14", any}, {"d4", any}, {"n4", any}}},
          {"Command6", {{"a15", any}, {"an5", any}, {"n5", any}}},
          {"ans6", {{"a16", any}, {"d6", any}, {"an6", any}}},
          {"command20", {{"a17", any}, {"q7", ratio}, {"n7", any}}},
          {"command21", {{"a18", any}, {"q8", ratio}, {"an8", any}}},
          {"command22", {{"a19", any}, {"q9", ratio}}},
          {"Command10", {{"a110", any}, {"q10", ratio}, {"n10", any}}},
          {"Command4", {{"a111", any}, {"an11", any}, {"n11", any}}}}},
        {"Form7", [] { return new sb::Form7; },
         commands({"Command1 r1", "Command3 r1", "Command2 d1", "Command4 d1", "Command23 a1",
                   "Command21 a1", "Command5 a2", "Command10 p1", "Command8 p1", "Command6 p2"},
                  positive)},
        {"Form8", [] { return new sb::Form8; },
         commands({"Command1 s1", "Command3 s1", "Command2 a1", "Command4 a1", "Command7 p1",
                   "Command9 p1", "Command13 a2 b2 h2", "Command11 hh1 hh2", "Command5 a3 b3",
                   "Command8 a3 b3", "Command15 a6 ar6", "Command14 a6 ar6", "Command10 a7 p7",
                   "Command6 a7 p7", "Command19 b6 h6", "Command16 b7 ar7", "Command17 a8 b8"},
                  positive)},
        {"Form9", [] { return new sb::Form9; },
         commands({"Command1 b1 h1", "Command2 b2 s2", "Command7 h3 s3", "Command9 a4 b4 c4",
                   "Command11 a5 b5 c5"},
                  positive)},
        {"Form10",
         [] { return new sb::Form10; },
         {{"Command1", {{"a1", side}, {"z1", angle}, {"b1", side}}},
          {"Command2", {{"a2", side}, {"z2", angle}, {"b2", side}}},
          {"Command8", {{"a3", side}, {"z3", angle}, {"b3", side}}},
          {"Command7", {{"a4", side}, {"b4", side}, {"c4", side}}}}},
        {"Form11",
         [] { return new sb::Form11; },
         {{"Command1", {{"x1", angle}, {"z1", angle}, {"b1", side}}},
          {"Command2", {{"y2", angle}, {"a2", side}, {"c2", side}}},
          {"Command6", {{"y3", angle}, {"a3", side}, {"c3", side}}},
          {"Command7", {{"y4", angle}, {"z4", angle}, {"c4", side}}}}},
        {"Form12",
         [] { return new sb::Form12; },
         {{"Command3", {{"s1", positive}, {"v1", positive}}},
          {"Command4", {{"s2", positive}, {"t2", positive}}},
          {"Command5", {{"t3", positive}, {"v3", positive}}},
          {"Command2", {{"p1", between(0.5, 60)}, {"pr1", positive}}},
          {"Command1", {{"p2", between(0.5, 60)}, {"pr2", positive}}}}},
        {"Form13",
         [] { return new sb::Form13; },
         {{"Command1",
           {{"r1", any},
            {"i1", any},
            {"op", oneOf({"+", "-", "*", "/"})},
            {"r2", any},
            {"i2", any}}},
          {"Command2", {{"p", any}}},
          {"Command3", {{"re3", any}, {"im3", any}}}}},
    };
}

// The layout of a figure of one or two texts in a 400 by 300 area, with the pane's font.
FigureLayout layOut(const sb::working::Figure& f) {
    const QFontMetrics metrics(sb::ui::figureFont(QApplication::font()));
    return sb::ui::layOutFigure(metrics, QRectF(0, 0, 400, 300), f);
}

// A text with room all round stands where it asks, on that side of its anchor.
TEST(FigureLayout, ATextWithRoomStandsWhereItAsks) {
    using P = sb::working::Place;
    const struct {
        P place;
        int across, up; // -1 left of (above) the anchor, 0 centred on it, 1 right of (below) it
    } cases[] = {{P::Centre, 0, 0},      {P::Above, 0, -1},     {P::Below, 0, 1},
                 {P::Left, -1, 0},       {P::Right, 1, 0},      {P::AboveRight, 1, -1},
                 {P::AboveLeft, -1, -1}, {P::BelowRight, 1, 1}, {P::BelowLeft, -1, 1}};
    const auto side = [](double from, double to, double centre, double at) {
        return std::abs(centre - at) < 1 ? 0 : to < at ? -1 : from > at ? 1 : 9;
    };
    for (const auto& c : cases) {
        sb::working::Figure f;
        f.point("p", -10, -10).point("q", 10, 10);
        f.label("note", 0, 0, "some words", sb::working::at(c.place));
        const FigureLayout layout = layOut(f);
        const PlacedLabel& label = layout.labels.back();
        EXPECT_EQ(
            side(label.rect.left(), label.rect.right(), label.rect.center().x(), label.anchor.x()),
            c.across)
            << int(c.place);
        EXPECT_EQ(
            side(label.rect.top(), label.rect.bottom(), label.rect.center().y(), label.anchor.y()),
            c.up)
            << int(c.place);
    }
}

// A text moves off an earlier text and off a line it does not name, never off its own line.
TEST(FigureLayout, ATextMovesOffWhatItDoesNotName) {
    const auto figure = [](const QString& line, const QString& second) {
        sb::working::Figure f;
        f.segment(line, 1, -10, 1, 10); // upright, just right of the texts' anchor
        f.label("side-c", 0, 0, "c = 12", sb::working::at(sb::working::Place::Right));
        if (!second.isEmpty())
            f.label("second", 0, 0, second, sb::working::at(sb::working::Place::Right));
        return f;
    };
    const FigureLayout own = layOut(figure("c", {}));
    EXPECT_GT(own.labels.back().rect.left(), own.labels.back().anchor.x()); // across its own
    const FigureLayout other = layOut(figure("b", {}));
    EXPECT_LT(other.labels.back().rect.right(), other.lines.front().line.x1()); // moved left
    const FigureLayout two = layOut(figure("c", "x = 30°"));
    EXPECT_FALSE(overlaps(two.labels[0].rect, two.labels[1].rect));
    EXPECT_TRUE(faults(figure("c", "x = 30°"), two).empty());
}

// Figures whose texts stood over each other before they were set clear: two equal values
// compared, whose marks fall on one point; an obtuse angle whose value met side c's; a
// diagonal's long value over the thin shape it crosses; an area, or a height's long value,
// wider than the shape it stood in; a parabola's or a line's equation wider than the room
// beside the y-axis; the spread's text wider than the room among the bars, and the mean's
// among many bars' counts; a price's change wider than the room beside the first bar; the
// progressions' charts below.
TEST(FigureLabels, StandClearWhereTheyOnceMet) {
    working_property::QuietDesktop quiet;
    const struct {
        std::function<sb::ui::Form*()> make;
        QString button;
        std::vector<std::pair<QString, QString>> typed;
    } cases[] = {
        {[] { return new sb::Form4; },
         "Command1",
         {{"s1", "1"},
          {"m1", "2"},
          {"d1", "3"},
          {"op", "="},
          {"s2", "0"},
          {"m2", "5"},
          {"d2", "3"}}},
        {[] { return new sb::Form4; },
         "Command1",
         {{"s1", "1"},
          {"m1", "2"},
          {"d1", "3"},
          {"op", "<"},
          {"s2", "0"},
          {"m2", "5"},
          {"d2", "3"}}},
        {[] { return new sb::Form4; },
         "Command1",
         {{"s1", "2"},
          {"m1", "1"},
          {"d1", "2"},
          {"op", ">"},
          {"s2", "2"},
          {"m2", "2"},
          {"d2", "4"}}},
        {[] { return new sb::Form10; }, "Command1", {{"a1", "7"}, {"z1", "120"}, {"b1", "5"}}},
        {[] { return new sb::Form10; }, "Command2", {{"a2", "7"}, {"z2", "120"}, {"b2", "5"}}},
        {[] { return new sb::Form10; }, "Command8", {{"a3", "7"}, {"z3", "120"}, {"b3", "5"}}},
        {[] { return new sb::Form10; }, "Command7", {{"a4", "7"}, {"b4", "5"}, {"c4", "10.44"}}},
        {[] { return new sb::Form8; }, "Command11", {{"hh1", "13/6"}, {"hh2", "1.25"}}},
        {[] { return new sb::Form8; }, "Command11", {{"hh1", "2/2/12"}, {"hh2", "3"}}},
        {[] { return new sb::Form8; }, "Command11", {{"hh1", "9/11"}, {"hh2", "1/3/6"}}},
        {[] { return new sb::Form8; },
         "Command13",
         {{"a2", "4.5"}, {"b2", "3/1"}, {"h2", "7/2/7"}}},
        {[] { return new sb::Form8; }, "Command6", {{"a7", "3/9"}, {"p7", "2"}}},
        {[] { return new sb::Form8; }, "Command19", {{"b6", "2/8/7"}, {"h6", "5"}}},
        {[] { return new sb::Form8; }, "Command16", {{"b7", "0.75"}, {"ar7", "24.25"}}},
        {[] { return new sb::Form8; }, "Command16", {{"b7", "5/6/7"}, {"ar7", "92.86"}}},
        {[] { return new sb::Form2; }, "Command1", {{"A", "93.07"}, {"B", "20"}, {"C", "2.75"}}},
        {[] { return new sb::Form2; }, "Command1", {{"A", "4/3/9"}, {"B", "3"}, {"C", "10/3"}}},
        {[] { return new sb::Form2; }, "Command1", {{"A", "-1"}, {"B", "-0.5"}, {"C", "-7/6"}}},
        {[] { return new sb::Form2; }, "Command1", {{"A", "0"}, {"B", "-4.333"}, {"C", "-13.33"}}},
        {[] { return new sb::Form5; },
         "Command3",
         {{"n", "22.34 14 7 9 3 -13 -17/12 5 11/2/7 3 18/3 1/11/1 7 -1.25 11/4/10"}}},
        {[] { return new sb::Form5; }, "Command2", {{"n", "3 11 4/10/11 16 4 8/3/10 -4.5 1"}}},
        {[] { return new sb::Form5; },
         "Command3",
         {{"n", "8/4/7 -1 3/4/7 10 2.5 2 -14/11 11/12 -19"},
          {"w", "6 58.62 18 72.02 51.01 17.4 9/4 1 4.25"}}},
        {[] { return new sb::Form12; }, "Command2", {{"p1", "47.5"}, {"pr1", "13/11"}}},
        {[] { return new sb::Form12; }, "Command1", {{"p2", "60"}, {"pr2", "6/8/10"}}},
        {[] { return new sb::Form12; }, "Command1", {{"p2", "3.48"}, {"pr2", "6/5/11"}}},
        {[] { return new sb::Form12; }, "Command1", {{"p2", "57.2"}, {"pr2", "1/12"}}},
        // the ratio's sentence wider than the chart; N found below 2 among the first bars and
        // the axis's numbers; the slope's text by bars less than a term apart; terms wider
        // than their bars, the last one under the axis name "k"
        {[] { return new sb::Form6; },
         "Command4",
         {{"a111", "11/12/1"}, {"an11", "12"}, {"n11", "6"}}},
        {[] { return new sb::Form6; }, "ans6", {{"a16", "-2"}, {"d6", "-17"}, {"an6", "3"}}},
        {[] { return new sb::Form6; }, "Command6", {{"a15", "2"}, {"an5", "8"}, {"n5", "-14/11"}}},
        {[] { return new sb::Form6; }, "Command6", {{"a15", "0"}, {"an5", "9"}, {"n5", "1/1/11"}}},
        {[] { return new sb::Form6; }, "command20", {{"a17", "4"}, {"q7", "-70.18"}, {"n7", "12"}}},
        {[] { return new sb::Form6; }, "Command10", {{"a110", "4"}, {"q10", "-70.18"}, {"n10", "12"}}},
        {[] { return new sb::Form6; }, "Command10", {{"a110", "-9/7"}, {"q10", "5/10"}, {"n10", "11"}}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<sb::ui::Form> window(c.make());
        OpenPane pane(*window);
        ASSERT_TRUE(pane.view);
        give(*window, c.button, c.typed);
        EXPECT_FALSE(window->working().figure.empty());
        const std::vector<Fault> found = pane.check();
        EXPECT_TRUE(found.empty()) << window->objectName().toStdString() << ' '
                                   << c.button.toStdString() << ": " << join(found).toStdString();
    }
}

class FigureLabels : public testing::TestWithParam<Window> {};

TEST_P(FigureLabels, StandClearOverRandomValues) {
    const Window& w = GetParam();
    std::unique_ptr<sb::ui::Form> window(w.make());
    int knownFaults = 0;
    const QStringList found = randomFaults(*window, w.commands, 200, w.known, knownFaults);
    EXPECT_TRUE(found.isEmpty()) << w.name << ":\n" << found.join(u'\n').toStdString();
    if (knownFaults) std::cout << w.name << ": " << knownFaults << " figures with known faults\n";
}

INSTANTIATE_TEST_SUITE_P(EveryTopicWindow, FigureLabels, testing::ValuesIn(windows()),
                         [](const testing::TestParamInfo<Window>& info) {
                             return info.param.name;
                         });

} // namespace
