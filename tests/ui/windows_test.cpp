// SPDX-License-Identifier: GPL-3.0-or-later
// Every window the main menu opens, checked for what a pupil needs who works without a mouse,
// with a screen reader or on a dark desktop. The windows are found by pressing every button
// of the menu, so a new topic window is checked as soon as the menu opens it.

#include "app/artwork.h"
#include "app/start_up.h"
#include "app/window_registry.h"
#include "ui/dark_palette.h"
#include "ui/desktop.h"
#include "ui/form.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

using sb::ui::Form;
using sb::ui::OutputLabel;

// Nothing leaves the test: no message box waits for an answer, no program starts. The
// messages are kept.
class QuietDesktop : public sb::ui::Desktop {
public:
    QStringList messages;
    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool startProgram(const QString&) override { return true; }
    bool openUrl(const QString&) override { return true; }
};

class Windows : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        sb::ui::Desktop::install(&desktop);
        registry = new sb::WindowRegistry;
        sb::startUp(*registry);
        light = QApplication::palette();
        auto* menu = qobject_cast<Form*>(QApplication::activeWindow());
        if (!menu) menu = findForm("Form1");
        for (auto* button : menu->findChildren<QAbstractButton*>()) button->click();
        QCoreApplication::processEvents();
        for (const auto& [name, form] : forms()) firstFocus[name] = form->focusWidget();
    }
    static void TearDownTestSuite() {
        delete registry;
        sb::ui::Desktop::install(nullptr);
    }

    static Form* findForm(const QString& name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(w); form && w->objectName() == name) return form;
        return nullptr;
    }
    // every open window, by name
    static std::map<QString, Form*> forms() {
        std::map<QString, Form*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<Form*>(w); form && form->isVisible())
                open[form->objectName()] = form;
        return open;
    }
    template <class T> static QList<T*> controls(Form* form) {
        QList<T*> found;
        for (const QString& name : form->controlNames())
            if (auto* c = form->findChild<T*>(name)) found << c;
        return found;
    }

    static inline QuietDesktop desktop;
    static inline sb::WindowRegistry* registry = nullptr;
    static inline QPalette light;
    static inline std::map<QString, QWidget*> firstFocus; // as each window opened
};

QString nameOf(QWidget* w) {
    return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
}

TEST_F(Windows, theMenuOpensTheTopicWindows) {
    const auto open = forms();
    for (const char* name : {"Form1", "Form2", "Form4", "Form14"})
        EXPECT_TRUE(open.count(name)) << name;
}

TEST_F(Windows, everyBoxButtonAndAnswerHasANameForScreenReaders) {
    struct Kind {
        const char* what;
        QAccessible::Role role;
        std::function<bool(QWidget*)> is;
    };
    const Kind kinds[] = {
        {"text box", QAccessible::EditableText,
         [](QWidget* w) { return qobject_cast<QLineEdit*>(w); }},
        {"button", QAccessible::Button,
         [](QWidget* w) { return qobject_cast<QAbstractButton*>(w); }},
        {"answer", QAccessible::StaticText,
         [](QWidget* w) { return qobject_cast<OutputLabel*>(w); }},
    };
    int checked = 0;
    for (const auto& [name, form] : forms())
        for (QWidget* w : controls<QWidget>(form))
            for (const Kind& kind : kinds) {
                if (!kind.is(w)) continue;
                SCOPED_TRACE((name + "." + w->objectName()).toStdString() + " " + kind.what);
                EXPECT_FALSE(nameOf(w).trimmed().isEmpty());
                EXPECT_EQ(QAccessible::queryAccessibleInterface(w)->role(), kind.role);
                ++checked;
            }
    EXPECT_GT(checked, 40);
}

TEST_F(Windows, anAnswerIsReadWithItsCurrentText) {
    for (const auto& [name, form] : forms())
        for (OutputLabel* answer : controls<OutputLabel>(form)) {
            SCOPED_TRACE((name + "." + answer->objectName()).toStdString());
            const QString before = answer->text();
            answer->setText("-0.25");
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(answer);
            EXPECT_EQ(spoken->text(QAccessible::Name), answer->heading());
            EXPECT_EQ(spoken->text(QAccessible::Description), "-0.25");
            EXPECT_EQ(spoken->text(QAccessible::Value), "-0.25");
            answer->setText(before);
        }
}

TEST_F(Windows, theAnswersACommandChangesAreAnnounced) {
    // the offscreen platform has no screen reader to deliver to, so the answers say what they told
    QStringList told;
    for (const auto& [name, form] : forms())
        for (OutputLabel* answer : controls<OutputLabel>(form))
            QObject::connect(answer, &OutputLabel::announced, answer,
                             [&told, answer] { told << answer->objectName(); });
    struct Case {
        const char* form;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* button;
        QStringList announced;
    };
    const Case cases[] = {
        {"Form2", {{"A", "1"}, {"B", "-3"}, {"C", "2"}}, "Command1", {"X1", "X2"}},
        {"Form2", {{"A", "1"}, {"B", "-3"}, {"C", "2"}}, "Command1", {}}, // same answers again
        {"Form2", {{"A", "1"}, {"B", "0"}, {"C", "1"}}, "Command1", {"X1", "X2"}},
        {"Form4", {{"inm4", "6"}, {"ind4", "8"}}, "Command3", {"om4", "od4"}},
        {"Form4", {{"b", "4"}, {"a", "6"}}, "Command2", {"c"}},
    };
    const auto open = forms();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + "." + c.button);
        ASSERT_TRUE(open.count(c.form));
        Form* form = open.at(c.form);
        for (const auto& [box, text] : c.typed) form->findChild<QLineEdit*>(box)->setText(text);
        told.clear();
        form->findChild<QAbstractButton*>(c.button)->click();
        EXPECT_EQ(told, c.announced);
    }
    for (const auto& [name, form] : forms())
        for (OutputLabel* answer : controls<OutputLabel>(form))
            QObject::disconnect(answer, &OutputLabel::announced, answer, nullptr);
}

TEST_F(Windows, anAnswerCanBeSelectedAndCopied) {
    for (const auto& [name, form] : forms())
        for (OutputLabel* answer : controls<OutputLabel>(form)) {
            SCOPED_TRACE((name + "." + answer->objectName()).toStdString());
            EXPECT_TRUE(answer->textInteractionFlags().testFlags(Qt::TextSelectableByMouse |
                                                                 Qt::TextSelectableByKeyboard));
            const QString before = answer->text();
            answer->setText("No Solution");
            QApplication::clipboard()->clear();
            answer->setFocus();
            QTest::keyClick(answer, Qt::Key_A, Qt::ControlModifier);
            EXPECT_EQ(answer->selectedText(), "No Solution");
            QTest::keyClick(answer, Qt::Key_C, Qt::ControlModifier);
            EXPECT_EQ(QApplication::clipboard()->text(), "No Solution");
            answer->setText(before);
        }
}

// Opens the answer's context menu and chooses the action whose text starts with choice;
// false when there is no such action or it is disabled.
bool choose(QLabel* answer, const QString& choice) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            answer->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(answer, &click);
    QMenu* menu = answer->findChild<QMenu*>();
    if (!menu) return false;
    QAction* chosen = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().remove(u'&').startsWith(choice)) chosen = action;
    const bool enabled = chosen && chosen->isEnabled();
    if (enabled) chosen->trigger();
    delete menu;
    return enabled;
}

TEST_F(Windows, anAnswerCanBeCopiedFromItsContextMenu) {
    struct Case {
        int from, length; // the selection; length 0: none
        QString copied;
    };
    const Case cases[] = {{0, 0, "-3/4"}, {1, 3, "3/4"}, {0, 2, "-3"}};
    for (const auto& [name, form] : forms())
        for (OutputLabel* answer : controls<OutputLabel>(form))
            for (const Case& c : cases) {
                SCOPED_TRACE((name + "." + answer->objectName()).toStdString() + " " +
                             c.copied.toStdString());
                const QString before = answer->text();
                answer->setText("-3/4");
                QCoreApplication::processEvents(); // drawn, as the pupil sees it before choosing
                if (c.length > 0) answer->setSelection(c.from, c.length);
                QApplication::clipboard()->clear();
                EXPECT_TRUE(choose(answer, "Copy"));
                EXPECT_EQ(QApplication::clipboard()->text(), c.copied);
                answer->setText(before);
            }
}

TEST_F(Windows, anEmptyAnswerHasNothingToCopy) {
    OutputLabel answer("X1", nullptr);
    EXPECT_FALSE(choose(&answer, "Copy"));
    answer.setText("No Solution");
    EXPECT_TRUE(choose(&answer, "Select All"));
    EXPECT_EQ(answer.selectedText(), "No Solution");
}

// The widgets Tab visits, from the one that has the focus when the window opens.
QStringList tabChain(QWidget* first) {
    QStringList chain;
    if (!first) return chain;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isWindow())
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first && chain.size() < 500);
    return chain;
}

TEST_F(Windows, tabReachesEveryBoxAndButtonFromTheFirstBox) {
    for (const auto& [name, form] : forms()) {
        SCOPED_TRACE(name.toStdString());
        QWidget* first = firstFocus[name];
        ASSERT_TRUE(first);
        const QStringList chain = tabChain(first);
        ASSERT_FALSE(chain.isEmpty());
        for (QWidget* w : controls<QWidget>(form))
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w)) {
                EXPECT_TRUE(chain.contains(w->objectName())) << w->objectName().toStdString();
            }
        if (!controls<QLineEdit>(form).isEmpty()) {
            EXPECT_TRUE(qobject_cast<QLineEdit*>(first)) << chain.first().toStdString();
        }
    }
}

TEST_F(Windows, tabFollowsTheOrderTheWindowIsRead) {
    const std::map<QString, QStringList> orders = {
        {"Form2", {"A", "B", "C", "Command1", "X1", "X2", "Working"}},
        {"Form4", {"s1",   "m1",   "d1",       "op",   "s2",  "m2",     "d2",       "Command1",
                   "s3",   "m3",   "d3",       "bool", "b",   "a",      "Command2", "c",
                   "inm4", "ind4", "Command3", "om4",  "od4", "Working"}},
        {"Form14", {"Command"}},
    };
    const auto open = forms();
    for (const auto& [name, order] : orders) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(open.count(name));
        EXPECT_EQ(tabChain(firstFocus[name]), order);
    }
    // the menu: rows from the top, each from the left
    const QStringList menu = tabChain(firstFocus["Form1"]);
    ASSERT_GE(menu.size(), 5);
    EXPECT_EQ(menu.mid(0, 5),
              QStringList({"Command2", "Command3", "Command14", "Command12", "Command15"}));
    EXPECT_EQ(menu.last(), "Label1");
}

// The controls of the window's own table that Tab reaches, pressing Tab from the first box on
// until the focus comes back to it.
QStringList tabbedThrough(Form* form, QWidget* first) {
    form->activateWindow();
    first->setFocus(Qt::OtherFocusReason);
    QStringList visited;
    QWidget* at = first;
    do {
        if (form->controlNames().contains(at->objectName())) visited << at->objectName();
        QTest::keyClick(at, Qt::Key_Tab);
        at = form->focusWidget();
    } while (at && at != first && visited.size() < 200);
    return visited;
}

TEST_F(Windows, tabGoesThroughEachExerciseInTurn) {
    // each exercise's boxes, buttons and answers; the three windows with an order of their
    // own visit boxes and buttons first, then the answers
    const std::map<QString, QString> chains = {
        {"Form2", "A B C Command1 X1 X2"},
        {"Form3", "in1s in1m in1d Command1 sol1m sol1d  in2m in2d Command2 sol2s sol2m sol2d  "
                  "in3s in3m in3d Command3 out3  in4 Command4 out4s out4m out4d"},
        {"Form4", "s1 m1 d1 op s2 m2 d2 Command1 s3 m3 d3 bool  b a Command2 c  "
                  "inm4 ind4 Command3 om4 od4"},
        {"Form5", "n w Command1 sol Command3 Command2"},
        {"Form6", "a1 d n Command1 ans1  a14 d4 n4 Command3 ans4  a12 an2 n2 Command2 ans2  "
                  "a15 an5 n5 Command6 ans5  d3 an3 n3 Command8 ans3  a16 d6 an6 ans6 ans66  "
                  "a17 q7 n7 command20 ans7  a110 q10 n10 Command10 ans10  "
                  "a18 q8 an8 command21 ans8  a111 an11 n11 Command4 ans11  "
                  "a19 q9 command22 ans9"},
        {"Form7", "r1 Command1 Command3 o1  d1 Command2 Command4 o2  a1 Command23 Command21 o3  "
                  "p1 Command10 Command8 o4  a2 Command5 o5  p2 Command6 o6"},
        {"Form8", "s1 Command1 Command3 a1 Command2 Command4 p1 Command7 Command9 a2 b2 h2 "
                  "Command13 a3 b3 a6 ar6 a7 p7 Command5 Command8 Command14 Command15 Command6 "
                  "Command10 a8 b8 ar7 b7 Command16 h6 Command19 b6 Command17 hh2 Command11 hh1  "
                  "o1 o2 o3 o4 o11 o5 o6 o7 o8 o9 o10"},
        {"Form9", "b1 h1 Command1 o1  s2 b2 Command2 o2  s3 h3 Command7 o3  "
                  "a4 b4 c4 Command9 o4  a5 b5 c5 Command11 o5"},
        {"Form10", "a1 z1 b1 Command1 Command3 b3 z3 a3 Command8 Command6 a2 z2 b2 Command2 "
                   "Command4 a4 b4 c4 Command7 Command5  c3 x1 y1 x3 c1 x2 z4 c2 y2 x4 y4 y3"},
        {"Form11", "z1 x1 b1 Command1 Command3 c3 a3 y3 Command6 Command8 a2 y2 c2 Command2 "
                   "Command4 z4 y4 c4 Command7 Command5  x3 a1 y1 z3 c1 b3 z2 a4 b4 b2 x2 x4"},
        {"Form12", "s1 v1 Command3 t1  s2 t2 Command4 v2  t3 v3 Command5 s3  "
                   "pr1 p1 Command2 np1 de1  pr2 p2 Command1 np2 de2"},
        {"Form13", "r1 i1 op r2 i2 Command1 o1 o2  p Command2 o3  re3 im3 Command3 o4"},
    };
    const auto open = forms();
    for (const auto& [name, chain] : chains) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(open.count(name));
        EXPECT_EQ(tabbedThrough(open.at(name), firstFocus[name]).join(u' '),
                  chain.split(u' ', Qt::SkipEmptyParts).join(u' '));
    }
}

TEST_F(Windows, everyBoxAndAnswerBelongsToOneExercise) {
    for (const auto& [name, form] : forms()) {
        QStringList listed;
        for (const sb::ui::Exercise& e : form->exercises()) {
            SCOPED_TRACE((name + " " + e.boxes.join(u' ')).toStdString());
            EXPECT_FALSE(e.buttons.isEmpty());
            for (const QString& box : e.boxes) EXPECT_TRUE(form->findChild<QLineEdit*>(box));
            for (const QString& b : e.buttons) EXPECT_TRUE(form->findChild<QAbstractButton*>(b));
            for (const QString& answer : e.answers)
                EXPECT_TRUE(form->findChild<OutputLabel*>(answer));
            listed << e.boxes << e.answers;
        }
        QStringList owned;
        for (QWidget* w : controls<QWidget>(form))
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<OutputLabel*>(w))
                owned << w->objectName();
        std::sort(listed.begin(), listed.end());
        std::sort(owned.begin(), owned.end());
        EXPECT_EQ(listed, owned) << name.toStdString();
    }
}

TEST_F(Windows, enterInABoxPressesTheFirstButtonOfItsExercise) {
    struct Case {
        const char* form;
        std::vector<std::pair<const char*, const char*>> typed; // Enter in the last box
        bool keypad;                                            // Enter, or else Return
        const char* button;
        const char* answer; // and what it shows; nullptr: the message shows instead
        const char* shown;
    };
    const Case cases[] = {
        {"Form2", {{"A", "1"}, {"C", "2"}, {"B", "-3"}}, false, "Command1", "X1", "2"},
        {"Form3", {{"in1s", "1"}, {"in1m", "1"}, {"in1d", "2"}}, true, "Command1", "sol1m", "3"},
        {"Form3", {{"in4", "2.5"}}, false, "Command4", "out4s", "2"},
        {"Form4", {{"ind4", "8"}, {"inm4", "6"}}, false, "Command3", "om4", "3"},
        {"Form5", {{"n", "1 2 6"}, {"w", ""}}, true, "Command1", "sol", "3"},
        {"Form6", {{"a1", "1"}, {"n", "10"}, {"d", "1"}}, false, "Command1", "ans1", "55"},
        {"Form7", {{"r1", "1"}}, false, "Command1", "o1", "3.14159265358979"},
        {"Form7", {{"p2", "x"}}, true, "Command6", nullptr, "x Is not a numeric value"},
        {"Form8", {{"a6", "2"}, {"ar6", "10"}}, false, "Command15", "o6", "5"},
        {"Form9", {{"h3", "3"}, {"s3", "6"}}, true, "Command7", "o3", "4"},
        {"Form10", {{"b3", "4"}, {"z3", "90"}, {"a3", "3"}}, false, "Command8", "c3", "5"},
        {"Form11", {{"z4", "90"}, {"y4", "45"}, {"c4", "2"}}, true, "Command7", "x4", "45"},
        {"Form12",
         {{"s1", "0"}, {"v1", "5"}},
         false,
         "Command3",
         nullptr,
         "Must enter a positive value"},
        {"Form12", {{"p2", "10"}, {"pr2", "200"}}, true, "Command1", "np2", "220"},
        {"Form13", {{"p", "2"}}, false, "Command2", "o3", "-1"},
    };
    const auto open = forms();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.typed.back().first);
        ASSERT_TRUE(open.count(c.form));
        Form* form = open.at(c.form);
        form->activateWindow();
        std::map<QString, std::unique_ptr<QSignalSpy>> pressed;
        for (auto* button : controls<QAbstractButton>(form))
            pressed[button->objectName()] =
                std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        QLineEdit* box = nullptr;
        for (const auto& [name, text] : c.typed) {
            box = form->findChild<QLineEdit*>(name);
            box->clear();
            box->setFocus();
            QTest::keyClicks(box, text);
        }
        if (c.answer) form->findChild<QLabel*>(c.answer)->clear();
        desktop.messages.clear();
        QTest::keyClick(box, c.keypad ? Qt::Key_Enter : Qt::Key_Return,
                        c.keypad ? Qt::KeypadModifier : Qt::NoModifier);
        for (const auto& [name, spy] : pressed)
            EXPECT_EQ(spy->count(), name == c.button ? 1 : 0) << name.toStdString();
        const std::string told = desktop.messages.join(u'|').toStdString();
        if (c.answer) {
            EXPECT_EQ(form->findChild<QLabel*>(c.answer)->text().toStdString(), c.shown);
            EXPECT_EQ(told, "");
        } else {
            EXPECT_EQ(told, c.shown);
        }
    }
}

// The drawn pictures come out at the size asked for in device pixels, drawn, not blank.
TEST(Artwork, picturesAreDrawnAtTheDevicePixelRatio) {
    struct Case {
        const char* what;
        QIcon icon;
        QSize size;
    };
    const Case cases[] = {
        {"program icon", sb::artwork::programIcon(), {16, 16}},
        {"program icon", sb::artwork::programIcon(), {48, 48}},
        {"program icon", sb::artwork::programIcon(), {256, 256}},
        {"donation button", sb::artwork::donationButton(), sb::artwork::donationSize},
    };
    for (const Case& c : cases)
        for (const qreal ratio : {1.0, 2.0, 3.0}) {
            SCOPED_TRACE(std::string(c.what) + " at " + std::to_string(c.size.width()) + " x" +
                         std::to_string(ratio));
            const QPixmap pixmap = c.icon.pixmap(c.size, ratio);
            EXPECT_EQ(pixmap.size(), c.size * ratio);
            EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), c.size);
            const QImage image = pixmap.toImage();
            EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0); // not blank
        }
}

TEST(Keys, enterReturnAndSpacePressTheFocusedButtonOrLink) {
    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Return, "Return"}, {Qt::Key_Enter, "Enter"}, {Qt::Key_Space, "Space"}};
    for (const auto& [key, keyName] : keys) {
        SCOPED_TRACE(keyName);
        sb::ui::CaptionButton button("Solve");
        QSignalSpy pressed(&button, &QAbstractButton::clicked);
        QTest::keyClick(&button, key);
        EXPECT_EQ(pressed.count(), 1);
        sb::ui::ClickableLabel link(nullptr);
        QSignalSpy followed(&link, &sb::ui::ClickableLabel::clicked);
        QTest::keyClick(&link, key);
        EXPECT_EQ(followed.count(), 1);
    }
    sb::ui::CaptionButton button("Solve");
    QSignalSpy pressed(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key_X);
    EXPECT_EQ(pressed.count(), 0);
}

TEST(Keys, aBoxTellsEnterAndReturnButNotAKeyHeldDown) {
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        bool held;
        int entered;
    };
    const Case cases[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier, false, 1},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, false, 1},
        {"Return held down", Qt::Key_Return, Qt::NoModifier, true, 0},
        {"keypad Enter held down", Qt::Key_Enter, Qt::KeypadModifier, true, 0},
        {"Space", Qt::Key_Space, Qt::NoModifier, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sb::ui::TextBox box(5, nullptr);
        QSignalSpy entered(&box, &sb::ui::TextBox::entered);
        QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QString(), c.held);
        QApplication::sendEvent(&box, &press);
        EXPECT_EQ(entered.count(), c.entered);
    }
}

// WCAG contrast ratio of two colours
double luminance(QColor c) {
    const auto channel = [](double v) {
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Contrast, ratiosOfKnownPairs) {
    EXPECT_NEAR(contrast(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrast(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
}

// What lies behind a label: the first of it and its containers that paints its own colour.
QColor behind(QWidget* w) {
    for (QWidget* at = w; at; at = at->parentWidget())
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(QPalette::Window);
    return Qt::white;
}

// The contrast of every label's text with what lies behind it, and of every button's
// caption with its face, keyed by FORM.CONTROL.
std::map<QString, double> contrasts() {
    std::map<QString, double> ratios;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* form = qobject_cast<Form*>(top);
        if (!form || !form->isVisible()) continue;
        for (const QString& name : form->controlNames()) {
            QWidget* w = form->findChild<QWidget*>(name);
            const QString key = form->objectName() + "." + name;
            if (qobject_cast<QLabel*>(w))
                ratios[key] = contrast(w->palette().color(QPalette::WindowText), behind(w));
            else if (qobject_cast<QAbstractButton*>(w))
                ratios[key] = contrast(w->palette().color(QPalette::ButtonText),
                                       w->palette().color(QPalette::Button));
        }
    }
    return ratios;
}

TEST_F(Windows, aDarkDesktopLeavesEveryLabelAsReadable) {
    QApplication::setPalette(light);
    const auto onLight = contrasts();
    QApplication::setPalette(sb::ui::darkPalette());
    QCoreApplication::processEvents();
    const auto onDark = contrasts();
    QApplication::setPalette(light);
    ASSERT_EQ(onLight.size(), onDark.size());
    int readable = 0;
    for (const auto& [control, ratio] : onLight) {
        if (ratio < 4.5) continue;
        ++readable;
        EXPECT_GE(onDark.at(control), 4.5) << control.toStdString() << " on light " << ratio;
    }
    EXPECT_GT(readable, 50);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // the program's locale en_US whatever the machine's: the typed and expected texts are
    // written with a decimal point
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
