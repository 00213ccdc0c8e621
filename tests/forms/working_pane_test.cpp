// SPDX-License-Identifier: GPL-3.0-or-later
// The working pane on a small window of its own: where its button goes, how it opens beside
// the window, what it shows after a command, a refusal and a fault, that nothing of it is made
// or built while it stays closed, and that its figure is drawn inside its area, readable on a
// light or a dark desktop, and saved with its description.

#include "entry/fault.h"
#include "ui/dark_palette.h"
#include "ui/desktop.h"
#include "ui/figure_painter.h"
#include "ui/form.h"
#include "ui/working_pane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace sb;
using namespace sb::ui;

working::Guide testGuide() {
    working::Guide g;
    g.boxes << "V takes a number such as 3 or 3/4.";
    g.example.say("2 + 2 = 4").figure.point("value", 4, 0);
    return g;
}

// A window with a box, three commands (one answers, one refuses, one faults) and a guide.
class Exercise : public Form {
public:
    explicit Exercise(ControlTable controls = table())
        : Form({"Form99", "Exercise", 6000, 3000, std::nullopt, std::move(controls),
                entry_rules::quadratic, &testGuide}) {
        if (!findChild<QWidget*>("Answer")) return;
        onClick("Answer", [this] {
            showWorking([this] {
                ++built;
                working::Working w;
                w.say("The answer is 4.").detail("2 + 2 = 4");
                w.figure.point("value", 4, 0).description = "A point at 4.";
                return w;
            });
        });
        onClick("Refuse", [this] { say("Illegal Data"); });
        onClick("Fault", [] { throw ArithmeticFault(ArithmeticFault::Kind::DivisionByZero); });
    }
    static ControlTable table() {
        return {textBox("V", {120, 120, 1200, 375}), button("Answer", "Answer", {1500, 120, 1200, 375}),
                button("Refuse", "Refuse", {1500, 600, 1200, 375}),
                button("Fault", "Fault", {1500, 1080, 1200, 375})};
    }
    int built = 0;
};

class Quiet : public Desktop {
public:
    Quiet() { install(this); }
    ~Quiet() override { install(nullptr); }
    void showMessage(QWidget*, const QString&) override {}
};

QAbstractButton* button(QWidget& w, const char* name) { return w.findChild<QAbstractButton*>(name); }

TEST(WorkingPane, TheButtonTakesAFreeCornerOrAStripBelow) {
    Exercise roomy;
    const QRect at = button(roomy, "Working")->geometry();
    EXPECT_EQ(roomy.height(), pixels(3000)); // a free corner: the window keeps its size
    for (const QString& name : roomy.controlNames())
        EXPECT_FALSE(at.intersects(roomy.findChild<QWidget*>(name)->geometry())) << name.toStdString();

    // a label over the whole window leaves no corner free
    ControlTable crowded = Exercise::table();
    crowded.push_back(label("Everything", "", {0, 0, 6000, 3000}));
    Exercise full(crowded);
    EXPECT_GT(full.height(), pixels(3000));
    EXPECT_GE(button(full, "Working")->geometry().top(), pixels(3000));
}

TEST(WorkingPane, OpensBesideTheWindowWhoseAreaKeepsItsPixels) {
    Exercise w;
    w.show();
    const QSize closed = w.size();
    const QRect buttonAt = button(w, "Working")->geometry();
    QImage before = w.grab().toImage();
    EXPECT_FALSE(w.findChild<WorkingPane*>()); // nothing of the pane until it is opened
    button(w, "Working")->click();
    EXPECT_TRUE(w.workingOpen());
    EXPECT_EQ(button(w, "Working")->text(), "Hide Working");
    EXPECT_GT(w.width(), closed.width());
    const WorkingPane* pane = w.findChild<WorkingPane*>();
    ASSERT_TRUE(pane);
    EXPECT_EQ(pane->geometry().left(), closed.width());
    QImage after = w.grab().toImage().copy(QRect(QPoint(), before.size()));
    // the window's own area is as it was but for the button's caption
    QPainter(&before).fillRect(buttonAt, Qt::black);
    QPainter(&after).fillRect(buttonAt, Qt::black);
    EXPECT_EQ(before, after);

    button(w, "Working")->click();
    EXPECT_FALSE(w.workingOpen());
    EXPECT_EQ(w.size(), closed);
    EXPECT_EQ(button(w, "Working")->text(), "Show Working");
}

TEST(WorkingPane, TabGoesFromTheWindowToTheButtonAndThroughThePane) {
    Quiet quiet;
    Exercise w;
    w.show();
    button(w, "Working")->click();
    button(w, "Answer")->click(); // a working with detail lines: the toggle shows
    QStringList chain;
    QWidget* at = w.findChild<QWidget*>("V");
    do {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(&w)) chain << at->objectName();
        at = at->nextInFocusChain();
    } while (at->objectName() != "V" && chain.size() < 20);
    EXPECT_EQ(chain, QStringList({"V", "Answer", "Refuse", "Fault", "Working", "Steps",
                                  "MoreDetail", "Print", "SavePdf", "CopyWorking"}));
}

TEST(WorkingPane, ShowsTheGuideThenEachCommandsWorkingOrWhyItWasRefused) {
    Quiet quiet;
    Exercise w;
    EXPECT_TRUE(w.workingLines().contains("V takes a number such as 3 or 3/4."));

    button(w, "Answer")->click();
    EXPECT_EQ(w.built, 0); // a closed pane builds nothing
    EXPECT_EQ(w.workingLines(), QStringList({"The answer is 4."}));
    EXPECT_EQ(w.built, 1);
    w.setMoreDetail(true);
    EXPECT_EQ(w.workingLines(), QStringList({"The answer is 4.", "2 + 2 = 4"}));
    EXPECT_EQ(w.working().figure.description, "A point at 4.");

    button(w, "Refuse")->click();
    EXPECT_EQ(w.workingLines().first(), "The window said: \"Illegal Data\"");
    EXPECT_TRUE(w.workingLines().contains("V takes a number such as 3 or 3/4."));

    button(w, "Fault")->click();
    EXPECT_EQ(w.workingLines().first(), "The window said: \"Unreasonable Data!!!.\"");
}

TEST(WorkingPane, CopyWorkingPutsTheStepsOnTheClipboard) {
    Quiet quiet;
    Exercise w;
    w.show();
    button(w, "Working")->click();
    button(w, "Answer")->click();
    button(w, "CopyWorking")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "The answer is 4.");
}

working::Figure busyFigure() {
    working::Figure f;
    f.axes = true;
    f.sameScale = false;
    f.view = working::Box{-2, -2, 2, 2};
    f.curve("far", working::sample(-50, 50, 101, [](double x) { return x * x; }));
    f.point("edge", 2, 2, "a long label at the very corner of the view");
    f.circle("c", 0, 0, 10, working::filled());
    f.label("left", -2, 0, "left of everything", working::at(working::Place::Left));
    f.arc("a", 0, 0, 1, 0, 270);
    f.bar("b", -1, 0, 0.5, -30, working::Look{working::Ink::Second, false, false, true, true});
    f.arrow("z", 0, 0, 3, 3);
    return f;
}

TEST(FigurePainter, DrawsNothingOutsideItsAreaInAnyThemeAtAnyPixelRatio) {
    const QPalette themes[] = {QApplication::palette(), darkPalette()};
    for (const QPalette& theme : themes)
        for (const qreal ratio : {1.0, 2.0}) {
            QImage image(QSize(400, 300) * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            image.fill(Qt::transparent);
            const QRect area(50, 40, 300, 200);
            QPainter p(&image);
            paintFigure(p, area, busyFigure(), FigureColours::from(theme));
            p.end();
            int outside = 0, inside = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const bool in = QRectF(area.topLeft() * ratio, area.size() * ratio)
                                        .contains(QPointF(x + 0.5, y + 0.5));
                    const bool drawn = qAlpha(image.pixel(x, y)) != 0;
                    outside += !in && drawn;
                    inside += in && image.pixel(x, y) != image.pixel(int(area.left() * ratio), int(area.top() * ratio));
                }
            EXPECT_EQ(outside, 0) << "ratio " << ratio;
            EXPECT_GT(inside, 1000) << "ratio " << ratio; // something was drawn
        }
}

TEST(FigurePainter, EveryInkStandsOutFromThePaperByThreeToOne) {
    for (const QPalette& theme : {QApplication::palette(), darkPalette()}) {
        const FigureColours c = FigureColours::from(theme);
        EXPECT_GE(contrast(c.text, c.paper), 3);
        for (const QColor& ink : c.inks) EXPECT_GE(contrast(ink, c.paper), 3) << ink.name().toStdString();
    }
    EXPECT_NEAR(contrast(Qt::black, Qt::white), 21, 1e-9);
}

TEST(FigurePainter, SavesSvgWithItsDescriptionAndPng) {
    QTemporaryDir dir;
    working::Figure f = busyFigure();
    f.description = "1/2 < 3/4 & 3/4 > 1/2";
    ASSERT_TRUE(saveFigure(f, dir.filePath("f.svg"), QApplication::palette()));
    QFile svg(dir.filePath("f.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(text.contains("<title>1/2 &lt; 3/4 &amp; 3/4 &gt; 1/2</title>"));
    EXPECT_TRUE(text.contains("<desc>1/2 &lt; 3/4 &amp; 3/4 &gt; 1/2</desc>"));
    ASSERT_TRUE(saveFigure(f, dir.filePath("f.png"), QApplication::palette(), 2));
    EXPECT_EQ(QImage(dir.filePath("f.png")).width(), 1280);
    EXPECT_FALSE(saveFigure(f, dir.filePath("f.txt"), QApplication::palette()));
}

} // namespace

namespace {

// The pane keeps the desktop's colours, not the window's own, and follows a change of theme.
TEST(WorkingPane, TakesTheDesktopsColoursAndFollowsATheme) {
    const QPalette light = QApplication::palette();
    Exercise w;
    QPalette window = w.palette();
    window.setColor(QPalette::Window, Qt::green);
    w.setPalette(window);
    w.show();
    button(w, "Working")->click();
    const WorkingPane* pane = w.findChild<WorkingPane*>();
    ASSERT_TRUE(pane);
    EXPECT_EQ(pane->palette().color(QPalette::Window), light.color(QPalette::Window));
    QApplication::setPalette(darkPalette());
    EXPECT_EQ(pane->palette().color(QPalette::Window), darkPalette().color(QPalette::Window));
    QApplication::setPalette(light);
    EXPECT_EQ(pane->palette().color(QPalette::Window), light.color(QPalette::Window));
}

} // namespace
