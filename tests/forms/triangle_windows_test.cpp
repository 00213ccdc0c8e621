// SPDX-License-Identifier: GPL-3.0-or-later
// The two triangle windows, driven directly: whether a panel is emptied before or after
// its message, and the order in which Tab moves through the controls.

#include "topics/geometry/law_of_cosines/form10.h"
#include "topics/geometry/law_of_sines/form11.h"
#include "ui/desktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QString textOf(const QWidget* control) {
    if (auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    return qobject_cast<const QLabel*>(control)->text();
}

// Records each message with the texts the window's controls held while it was shown.
class WatchingDesktop : public sb::ui::Desktop {
public:
    QStringList watched;
    struct Shown {
        QString text;
        QStringList controls;
    };
    std::vector<Shown> shown;

    void showMessage(QWidget* parent, const QString& text) override {
        QStringList texts;
        for (const QString& name : watched) texts << textOf(parent->findChild<QWidget*>(name));
        shown.push_back({text, texts});
    }
};

struct Row {
    const char* what;
    std::function<QWidget*()> open;
    QStringList boxes;  // the panel's three boxes
    QStringList values; // typed into them
    QString button;
    QString message;
    bool emptiedFirst; // the panel is empty while the message shows
};

TEST(TriangleWindows, PanelEmptiedBeforeOrAfterItsMessage) {
    const auto cosines = [] { return static_cast<QWidget*>(new sb::Form10); };
    const auto sines = [] { return static_cast<QWidget*>(new sb::Form11); };
    const QString angle = "Angle Must be positive and smaller than 180 degrees";
    const QString none = "There is no solution";
    const Row rows[] = {
        {"a refused value is told before the panel empties",
         cosines,
         {"a1", "z1", "b1"},
         {"x", "90", "4"},
         "Command1",
         "x Is not a numeric value",
         false},
        {"an angle of 180 empties the panel first",
         cosines,
         {"a1", "z1", "b1"},
         {"3", "180", "4"},
         "Command1",
         "Angle Must be positive smaller than 180 degrees",
         true},
        {"three sides that make no triangle",
         cosines,
         {"a4", "b4", "c4"},
         {"1", "1", "3"},
         "Command7",
         "Unreasonable Data!!!.",
         false},
        {"a fault on a panel without a trap of its own",
         cosines,
         {"a2", "z2", "b2"},
         {"1", "1e-99", "1"},
         "Command2",
         "Unreasonable Data!!!.",
         false},
        {"an angle of 180 is told while the inputs show",
         sines,
         {"x1", "z1", "b1"},
         {"200", "30", "5"},
         "Command1",
         angle,
         false},
        {"two angles leaving none",
         sines,
         {"x1", "z1", "b1"},
         {"100", "80", "5"},
         "Command1",
         none,
         false},
        {"panel 2: a side too short",
         sines,
         {"y2", "a2", "c2"},
         {"30", "4", "10"},
         "Command2",
         none,
         false},
        {"panel 2: an angle left at or below 0",
         sines,
         {"y2", "a2", "c2"},
         {"120", "5", "5.5"},
         "Command2",
         none,
         true},
        {"panel 3: a side too short",
         sines,
         {"y3", "a3", "c3"},
         {"30", "4", "10"},
         "Command6",
         none,
         true},
        {"panel 3: an angle left at or below 0",
         sines,
         {"y3", "a3", "c3"},
         {"120", "5", "5.5"},
         "Command6",
         none,
         true},
        {"panel 4: two angles leaving none",
         sines,
         {"y4", "z4", "c4"},
         {"100", "80", "5"},
         "Command7",
         none,
         true},
        {"panel 4: an angle of 180",
         sines,
         {"y4", "z4", "c4"},
         {"180", "30", "5"},
         "Command7",
         angle,
         false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        WatchingDesktop desktop;
        desktop.watched = row.boxes;
        sb::ui::Desktop::install(&desktop);
        std::unique_ptr<QWidget> window(row.open());
        for (int i = 0; i < row.boxes.size(); ++i)
            window->findChild<QLineEdit*>(row.boxes[i])->setText(row.values[i]);
        window->findChild<QAbstractButton*>(row.button)->click();
        sb::ui::Desktop::install(nullptr);

        ASSERT_EQ(desktop.shown.size(), 1u);
        EXPECT_EQ(desktop.shown[0].text, row.message);
        const QStringList emptied(3, QString());
        EXPECT_EQ(desktop.shown[0].controls, row.emptiedFirst ? emptied : row.values);
        for (const QString& box : row.boxes)
            EXPECT_EQ(window->findChild<QLineEdit*>(box)->text(), "") << box.toStdString();
    }
}

// The controls that take the focus, in the order Tab visits them from the first one.
QStringList tabOrder(QWidget* window, const QString& first) {
    QWidget* at = window->findChild<QWidget*>(first);
    QStringList order;
    do {
        if (at->focusPolicy() & Qt::TabFocus) order << at->objectName();
        at = at->nextInFocusChain();
    } while (at != window->findChild<QWidget*>(first));
    return order;
}

TEST(TriangleWindows, TabOrder) {
    // the boxes and buttons in the windows' own order; the answers, which Tab also reaches
    // so they can be selected and copied, come after them
    const QStringList cosineOrder = {
        "a1", "z1", "b1", "Command1", "Command3", "b3", "z3", "a3", "Command8", "Command6",
        "a2", "z2", "b2", "Command2", "Command4", "a4", "b4", "c4", "Command7", "Command5"};
    sb::Form10 cosines;
    EXPECT_EQ(tabOrder(&cosines, "a1").mid(0, cosineOrder.size()), cosineOrder);
    const QStringList sineOrder = {
        "z1", "x1", "b1", "Command1", "Command3", "c3", "a3", "y3", "Command6", "Command8",
        "a2", "y2", "c2", "Command2", "Command4", "z4", "y4", "c4", "Command7", "Command5"};
    sb::Form11 sines;
    EXPECT_EQ(tabOrder(&sines, "z1").mid(0, sineOrder.size()), sineOrder);
    // the working pane's button after all of the window's own controls
    EXPECT_EQ(tabOrder(&cosines, "a1").last().toStdString(), "Working");
    EXPECT_EQ(tabOrder(&sines, "z1").last().toStdString(), "Working");
}

// Every panel, with every combination of hostile values in its three boxes: the program
// keeps running, and the panel ends either solved, with three results none of which is nan
// or inf, or empty, inputs included.
TEST(TriangleWindows, HostileValuesLeaveASolvedOrAnEmptyPanel) {
    const QStringList hostile = {"1e308", "9e307", "1e-99", "179.9", "1",
                                 "0.001", "-0",    "0/0",   "1/0",   "nan"};
    struct Panel {
        QStringList boxes, results;
        QString button;
    };
    const Panel cosinePanels[] = {
        {{"a1", "z1", "b1"}, {"c1", "x1", "y1"}, "Command1"},
        {{"a2", "z2", "b2"}, {"c2", "x2", "y2"}, "Command2"},
        {{"a3", "z3", "b3"}, {"c3", "x3", "y3"}, "Command8"},
        {{"a4", "b4", "c4"}, {"z4", "x4", "y4"}, "Command7"},
    };
    const Panel sinePanels[] = {
        {{"x1", "z1", "b1"}, {"c1", "a1", "y1"}, "Command1"},
        {{"y2", "a2", "c2"}, {"x2", "z2", "b2"}, "Command2"},
        {{"y3", "a3", "c3"}, {"z3", "x3", "b3"}, "Command6"},
        {{"y4", "z4", "c4"}, {"x4", "a4", "b4"}, "Command7"},
    };
    WatchingDesktop desktop;
    sb::ui::Desktop::install(&desktop);
    sb::Form10 cosines;
    sb::Form11 sines;
    const auto tryAll = [&](QWidget& window, const Panel& panel) {
        for (const QString& p : hostile)
            for (const QString& q : hostile)
                for (const QString& r : hostile) {
                    const QStringList typed{p, q, r};
                    for (int i = 0; i < 3; ++i)
                        window.findChild<QLineEdit*>(panel.boxes[i])->setText(typed[i]);
                    window.findChild<QAbstractButton*>(panel.button)->click();
                    QStringList results;
                    for (const QString& name : panel.results)
                        results << window.findChild<QLabel*>(name)->text();
                    const bool solved = !results.contains("");
                    SCOPED_TRACE(typed.join(", ").toStdString());
                    EXPECT_TRUE(solved || results == QStringList(3, QString()));
                    for (const QString& result : results) {
                        EXPECT_FALSE(result.contains("nan", Qt::CaseInsensitive));
                        EXPECT_FALSE(result.contains("inf", Qt::CaseInsensitive));
                    }
                    if (!solved) {
                        for (const QString& box : panel.boxes)
                            EXPECT_EQ(window.findChild<QLineEdit*>(box)->text(), "");
                    }
                }
    };
    for (const Panel& panel : cosinePanels) tryAll(cosines, panel);
    for (const Panel& panel : sinePanels) tryAll(sines, panel);
    sb::ui::Desktop::install(nullptr);
}

} // namespace
