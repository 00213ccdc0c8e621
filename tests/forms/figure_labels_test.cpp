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
#include <memory>
#include <set>
#include <string_view>

namespace {

using sb::ui::FigureLayout;
using sb::ui::PlacedLabel;
using working_property::anyValue;
using working_property::between;
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

// What stands wrong in a figure's layout, one text each. The axes' numbers are set where their
// ticks are and never move, so only the elements' texts are held to account.
QStringList faults(const sb::working::Figure& f, const FigureLayout& layout) {
    QStringList out;
    for (size_t i = 0; i < layout.labels.size(); ++i) {
        const PlacedLabel& label = layout.labels[i];
        if (label.element < 0) continue;
        const QString who = QStringLiteral("\"%1\" (%2)").arg(label.text, nameOf(f, label.element));
        for (size_t j = 0; j < i; ++j)
            if (overlaps(label.rect, layout.labels[j].rect))
                out << who + QStringLiteral(" over \"%1\"").arg(layout.labels[j].text);
        std::set<int> crossed;
        for (const sb::ui::FigureLine& line : layout.lines)
            if (crosses(label.rect, line.line) && !layout.names(f, label, line))
                crossed.insert(line.element);
        for (int element : crossed)
            out << who + QStringLiteral(" over the line ") + nameOf(f, element);
    }
    return out;
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
    QStringList check() {
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

// Types the values into the command's first boxes, in their order, and presses its button.
void give(sb::ui::Form& window, const RandomCommand& command, const QStringList& values) {
    for (qsizetype i = 0; i < values.size(); ++i)
        window.findChild<QLineEdit*>(command.boxes[size_t(i)].first)->setText(values[i]);
    window.findChild<QAbstractButton*>(command.button)->click();
}

// A window's figure over random values of every command; the faults found, with the
// values that gave them, up to a few of each command.
QStringList randomFaults(sb::ui::Form& window, const std::vector<RandomCommand>& commands,
                         int rounds) {
    working_property::QuietDesktop quiet;
    OpenPane pane(window);
    EXPECT_TRUE(pane.view);
    if (!pane.view) return {};
    QStringList out;
    std::mt19937 random(11);
    for (const RandomCommand& command : commands) {
        int told = 0;
        for (int round = 0; round < rounds; ++round) {
            QStringList values;
            for (const auto& [box, draw] : command.boxes) values << draw(random);
            give(window, command, values);
            const QStringList found = pane.check();
            if (found.isEmpty()) continue;
            if (pane.keep(), told++ < 3)
                out << command.button + u' ' + values.join(QStringLiteral(", ")) +
                           QStringLiteral(": ") + found.join(QStringLiteral("; "));
        }
    }
    return out;
}

// Values for the boxes of the windows, as their own working tests draw them.
QString positive(std::mt19937& random) {
    const QString value = anyValue(random);
    return random() % 6 != 0 && value.startsWith(u'-') ? value.mid(1) : value;
}
Values whole(int least, int most) {
    return [=](std::mt19937& random) {
        return QString::number(std::uniform_int_distribution<int>(least, most)(random));
    };
}
Values oneOf(QStringList texts) {
    return [texts](std::mt19937& random) { return texts[int(random() % texts.size())]; };
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

struct Window {
    const char* name;
    std::function<sb::ui::Form*()> make;
    std::vector<RandomCommand> commands;
};

// A window of type F and its commands, whose boxes take values of the kinds given.
template <class F> Window of(const char* name, const std::map<QString, Values>& kinds) {
    return {name, [] { return new F; }, working_property::randomCommands(name, kinds)};
}

std::vector<Window> windows() {
    using working_property::randomCommands;
    const Values any = anyValue, side = between(0.5, 60), angle = between(1, 150);
    const Values small = whole(-6, 6), part = whole(-12, 12);
    const Values ratio = [](std::mt19937& random) {
        return random() % 4 == 0 ? anyValue(random)
                                 : QStringLiteral("%1/10").arg(int(random() % 19) - 9);
    };
    // the lists alone, then weighted lists
    const auto [values, weights] = weightedList(30);
    auto lists =
        randomCommands("Form5", {{"", values}, {"weights", [](auto&) { return QString(); }}});
    for (const RandomCommand& c : randomCommands("Form5", {{"", values}, {"weights", weights}}))
        lists.push_back(c);
    return {
        of<sb::Form2>("Form2", {{"", any}}),
        of<sb::Form3>("Form3", {{"", part},
                                {"sign", small},
                                {"improper", whole(-200, 200)},
                                {"decimal", between(-30, 30)}}),
        of<sb::Form4>("Form4", {{"", part},
                                {"sign", small},
                                {"operator", oneOf({"+", "-", "*", "/", "<", ">", "="})},
                                {"common", whole(-60, 60)},
                                {"reduce", whole(-100, 100)}}),
        {"Form5", [] { return new sb::Form5; }, lists},
        of<sb::Form6>("Form6", {{"", any}, {"ratio", ratio}}),
        of<sb::Form7>("Form7", {{"", positive}}),
        of<sb::Form8>("Form8", {{"", positive}}),
        of<sb::Form9>("Form9", {{"", positive}}),
        of<sb::Form10>("Form10", {{"", side}, {"angle", angle}}),
        of<sb::Form11>("Form11", {{"", side}, {"angle", angle}}),
        of<sb::Form12>("Form12", {{"", positive}, {"percent", between(0.5, 60)}}),
        of<sb::Form13>("Form13", {{"", any}, {"operator", oneOf({"+", "-", "*", "/"})}}),
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
    EXPECT_TRUE(faults(figure("c", "x = 30°"), two).isEmpty());
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
        std::string_view window;
        const char* button;
        QStringList typed; // into the command's boxes, in their order
    } cases[] = {
        {"Form4", "Command1", {"1", "2", "3", "=", "0", "5", "3"}},
        {"Form4", "Command1", {"1", "2", "3", "<", "0", "5", "3"}},
        {"Form4", "Command1", {"2", "1", "2", ">", "2", "2", "4"}},
        {"Form10", "Command1", {"7", "120", "5"}},
        {"Form10", "Command2", {"7", "120", "5"}},
        {"Form10", "Command8", {"7", "120", "5"}},
        {"Form10", "Command7", {"7", "5", "10.44"}},
        {"Form8", "Command11", {"13/6", "1.25"}},
        {"Form8", "Command11", {"2/2/12", "3"}},
        {"Form8", "Command11", {"9/11", "1/3/6"}},
        {"Form8", "Command13", {"4.5", "3/1", "7/2/7"}},
        {"Form8", "Command6", {"3/9", "2"}},
        {"Form8", "Command19", {"2/8/7", "5"}},
        {"Form8", "Command16", {"0.75", "24.25"}},
        {"Form8", "Command16", {"5/6/7", "92.86"}},
        {"Form2", "Command1", {"93.07", "20", "2.75"}},
        {"Form2", "Command1", {"4/3/9", "3", "10/3"}},
        {"Form2", "Command1", {"-1", "-0.5", "-7/6"}},
        {"Form2", "Command1", {"0", "-4.333", "-13.33"}},
        {"Form5", "Command3", {"22.34 14 7 9 3 -13 -17/12 5 11/2/7 3 18/3 1/11/1 7 -1.25 11/4/10"}},
        {"Form5", "Command2", {"3 11 4/10/11 16 4 8/3/10 -4.5 1"}},
        {"Form5",
         "Command3",
         {"8/4/7 -1 3/4/7 10 2.5 2 -14/11 11/12 -19", "6 58.62 18 72.02 51.01 17.4 9/4 1 4.25"}},
        {"Form12", "Command2", {"47.5", "13/11"}},
        {"Form12", "Command1", {"60", "6/8/10"}},
        {"Form12", "Command1", {"3.48", "6/5/11"}},
        {"Form12", "Command1", {"57.2", "1/12"}},
        // the ratio's sentence wider than the chart; N found below 2 among the first bars and
        // the axis's numbers; the slope's text by bars less than a term apart; terms wider
        // than their bars, the last one under the axis name "k"
        {"Form6", "Command4", {"11/12/1", "12", "6"}},
        {"Form6", "ans6", {"-2", "-17", "3"}},
        {"Form6", "Command6", {"2", "8", "-14/11"}},
        {"Form6", "Command6", {"0", "9", "1/1/11"}},
        {"Form6", "command20", {"4", "-70.18", "12"}},
        {"Form6", "Command10", {"4", "-70.18", "12"}},
        {"Form6", "Command10", {"-9/7", "5/10", "11"}},
    };
    const std::vector<Window> all = windows();
    for (const auto& c : cases) {
        const auto w = std::find_if(all.begin(), all.end(),
                                    [&](const Window& w) { return w.name == c.window; });
        ASSERT_NE(w, all.end()) << c.window;
        const auto command =
            std::find_if(w->commands.begin(), w->commands.end(),
                         [&](const RandomCommand& command) { return command.button == c.button; });
        ASSERT_NE(command, w->commands.end()) << c.button;
        std::unique_ptr<sb::ui::Form> window(w->make());
        OpenPane pane(*window);
        ASSERT_TRUE(pane.view);
        give(*window, *command, c.typed);
        EXPECT_FALSE(window->working().figure.empty());
        const QStringList found = pane.check();
        EXPECT_TRUE(found.isEmpty()) << c.window << ' ' << c.button << ": "
                                     << found.join(QStringLiteral("; ")).toStdString();
    }
}

class FigureLabels : public testing::TestWithParam<Window> {};

TEST_P(FigureLabels, StandClearOverRandomValues) {
    const Window& w = GetParam();
    std::unique_ptr<sb::ui::Form> window(w.make());
    const QStringList found = randomFaults(*window, w.commands, 200);
    EXPECT_TRUE(found.isEmpty()) << w.name << ":\n" << found.join(u'\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryTopicWindow, FigureLabels, testing::ValuesIn(windows()),
                         [](const testing::TestParamInfo<Window>& info) {
                             return info.param.name;
                         });

} // namespace
