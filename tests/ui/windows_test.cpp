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
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace {

using sb::ui::Form;
using sb::ui::OutputLabel;

// Nothing leaves the test: no message box waits for an answer, no program starts.
class QuietDesktop : public sb::ui::Desktop {
public:
    void showMessage(QWidget*, const QString&) override {}
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
        {"Form2", {"A", "B", "C", "Command1", "X1", "X2"}},
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
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
