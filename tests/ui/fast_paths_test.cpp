// SPDX-License-Identifier: GPL-3.0-or-later
// The work the program saves before its main menu is on the screen and when it opens a window,
// and what each saving must leave as it was: the menu's web line builds no text document, its
// pointer is drawn when first needed, no window builds its working pane before it is opened,
// the program's icon is drawn at most once for each size, and a line is filled where that
// gives the pixels of the drawn line.

#include "app/artwork.h"
#include "app/start_up.h"
#include "app/window_registry.h"
#include "ui/typefaces.h"
#include "ui/widgets.h"
#include "ui/working_pane.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

// The text document a QLabel keeps for selection and links.
bool hasTextDocument(const QLabel* label) {
    for (const QObject* child : label->children())
        if (child->inherits("QWidgetTextControl")) return true;
    return false;
}

class MainMenu : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        registry = new sb::WindowRegistry;
        sb::startUp(*registry);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == u"Form1") link = w->findChild<QLabel*>("Label1");
    }
    static void TearDownTestSuite() { delete registry; }

    static inline sb::WindowRegistry* registry = nullptr;
    static inline QLabel* link = nullptr;
};

TEST_F(MainMenu, theWebLineBuildsNoTextDocumentEvenWithTheFocus) {
    ASSERT_TRUE(link);
    EXPECT_FALSE(hasTextDocument(link));
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(link, &in);
    EXPECT_FALSE(hasTextDocument(link));
    EXPECT_EQ(link->focusPolicy(), Qt::StrongFocus);
}

TEST_F(MainMenu, noTopicWindowBuildsItsWorkingPaneBeforeItIsOpened) {
    int panes = 0;
    for (int number = 2; number <= 13; ++number) {
        QWidget* topic = registry->show(QStringLiteral("Form%1").arg(number));
        ASSERT_TRUE(topic) << number;
        QCoreApplication::processEvents(); // shown and painted
        if (!topic->findChild<QAbstractButton*>("Working")) continue;
        ++panes;
        EXPECT_FALSE(topic->findChild<sb::ui::WorkingPane*>()) << number;
    }
    EXPECT_GE(panes, 9);
}

TEST_F(MainMenu, theWebLineShowsAHandFromTheFirstTimeTheMouseIsOverIt) {
    ASSERT_TRUE(link);
    EXPECT_FALSE(link->testAttribute(Qt::WA_SetCursor)); // not drawn before it is needed
    for (int time = 0; time < 2; ++time) {
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(link, &enter);
        EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(link->cursor().hotSpot(), QPoint(11, 1));
    }
}

// The topic window of that name, open or hidden; nullptr when none is built.
QWidget* built(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name) return w;
    return nullptr;
}

QWidget* menuButton(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == u"Form1") return w->findChild<QWidget*>(name);
    return nullptr;
}

// Closes the named windows, open or hidden: the next show or rest builds them afresh.
void discard(std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (QWidget* w = built(name)) w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void hoverOn(QWidget* button) {
    QHoverEvent move(QEvent::HoverMove, QPointF(5, 5), QPointF(5, 5), QPointF(4, 4));
    QApplication::sendEvent(button, &move);
}

// Waits for the named window to be built, as long as a slow (sanitized) build may take; nullptr
// when it is not.
QWidget* builtSoon(const QString& name) {
    return QTest::qWaitFor([&] { return built(name) != nullptr; }, 10000) ? built(name) : nullptr;
}

TEST_F(MainMenu, aTopicWindowIsBuiltHiddenOnceThePointerRestsOnItsButtonAndShownByTheClick) {
    discard({"Form13"});
    QWidget* button = menuButton("Command8"); // Form13
    ASSERT_TRUE(button);
    hoverOn(button);
    EXPECT_FALSE(built("Form13")); // not while it moves
    QWidget* prepared = builtSoon("Form13");
    ASSERT_TRUE(prepared);
    EXPECT_FALSE(prepared->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(built("Form13"), prepared);
    EXPECT_TRUE(prepared->isVisible());

    const QPointer<QWidget> shown = prepared;
    discard({"Form13"});
    EXPECT_FALSE(shown); // a closed window is discarded
    hoverOn(button);
    ASSERT_TRUE(builtSoon("Form13")); // and built afresh
    EXPECT_FALSE(built("Form13")->isVisible());
}

TEST_F(MainMenu, aWindowPreparedWhileThePointerRestsReachesTheScreenWholeAtItsFirstPaint) {
    discard({"Form8"});
    QWidget* button = menuButton("Command15"); // Form8, the largest window
    ASSERT_TRUE(button);
    hoverOn(button);
    QWidget* prepared = builtSoon("Form8");
    ASSERT_TRUE(prepared);
    EXPECT_TRUE(prepared->testAttribute(Qt::WA_WState_Created)); // its native window is made
    ASSERT_TRUE(prepared->backingStore());
    EXPECT_EQ(prepared->backingStore()->size(), prepared->size());

    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0); // a caret that does not blink between the two pictures
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prepared));
    QCoreApplication::processEvents();
    // the screen holds the window as painted, not the buffer as it was prepared
    const QImage onScreen = prepared->screen()->grabWindow(prepared->winId()).toImage();
    const QImage painted = prepared->grab().toImage();
    QApplication::setCursorFlashTime(flash);
    ASSERT_EQ(onScreen.size(), painted.size());
    EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
              painted.convertToFormat(QImage::Format_RGB32));
}

TEST_F(MainMenu, aClickWithoutRestBuildsTheWindowWhileTheButtonIsHeldDown) {
    discard({"Form12"});
    QWidget* button = menuButton("Command12"); // Form12
    ASSERT_TRUE(button);
    QTest::mousePress(button, Qt::RightButton);
    QTest::mouseRelease(button, Qt::RightButton);
    QTest::qWait(100);
    EXPECT_FALSE(built("Form12")); // only the button that clicks
    QTest::mousePress(button, Qt::LeftButton);
    QWidget* prepared = builtSoon("Form12");
    ASSERT_TRUE(prepared);
    EXPECT_FALSE(prepared->isVisible());
    QTest::mouseRelease(button, Qt::LeftButton);
    EXPECT_EQ(built("Form12"), prepared);
    EXPECT_TRUE(prepared->isVisible());
}

TEST_F(MainMenu, passingOverAButtonBuildsNothingAndOneHiddenWindowAtMostIsKept) {
    discard({"Form10", "Form11", "Form13"});
    QWidget* passed = menuButton("Command7");  // Form10
    QWidget* rested = menuButton("Command16"); // Form11
    ASSERT_TRUE(passed && rested);
    hoverOn(passed);
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), QPointF(5, 5));
    QApplication::sendEvent(passed, &leave);
    QTest::qWait(300); // a slow build may only pass, never fail, for want of time here
    EXPECT_FALSE(built("Form10"));
    hoverOn(rested);
    ASSERT_TRUE(builtSoon("Form11"));
    EXPECT_FALSE(built("Form10"));

    hoverOn(passed); // the window prepared before goes
    ASSERT_TRUE(builtSoon("Form10"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(built("Form11"));
    EXPECT_FALSE(built("Form10")->isVisible());
}

TEST_F(MainMenu, theKeyboardBringingTheFocusToAButtonBuildsItsWindowAndAClickDoesNot) {
    discard({"Form5", "Form7"});
    QWidget* clicked = menuButton("Command4"); // Form5
    QWidget* tabbed = menuButton("Command13"); // Form7
    ASSERT_TRUE(clicked && tabbed);
    QFocusEvent byClick(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(clicked, &byClick);
    QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(tabbed, &byTab);
    ASSERT_TRUE(builtSoon("Form7"));
    EXPECT_FALSE(built("Form5"));
    QApplication::sendEvent(clicked, &byTab);
    EXPECT_TRUE(builtSoon("Form5"));
}

TEST_F(MainMenu, everyTypefaceATopicWindowShowsIsPreparedWithItsLetters) {
    const std::vector<sb::ui::Typeface> prepared = sb::ui::typefacesOf(sb::topicWindowTables());
    for (int number = 2; number <= 14; ++number) {
        QWidget* topic = registry->show(QStringLiteral("Form%1").arg(number));
        ASSERT_TRUE(topic) << number;
        for (const QWidget* w : topic->findChildren<QWidget*>()) {
            QString shown;
            if (auto* label = qobject_cast<const QLabel*>(w)) shown = label->text();
            else if (auto* button = qobject_cast<const QAbstractButton*>(w)) shown = button->text();
            if (shown.isEmpty() || w->objectName() == u"Working") continue; // the desktop's font
            SCOPED_TRACE(qPrintable(topic->objectName() + '.' + w->objectName()));
            auto found = std::find_if(prepared.begin(), prepared.end(), [&](const auto& t) {
                return t.font == w->font() || t.font.resolve(w->font()) == w->font();
            });
            ASSERT_NE(found, prepared.end()) << qPrintable(w->font().toString());
            for (QChar letter : shown)
                EXPECT_TRUE(letter.isSpace() || found->letters.contains(letter))
                    << int(letter.unicode());
        }
        topic->close();
    }
}

TEST(Typefaces, eachFontOnceWithEachLetterOnceAndNumbersInBoxesAndAnswers) {
    using namespace sb::ui;
    const Twips at{0, 0, 600, 300};
    const std::vector<ControlTable> tables = {
        {label("a", "Ab A", at), button("b", "bA", at), textBox("c", at), output("d", at)},
        {label("e", "Ab", at).bold(), label("f", "Big", at).size(18), line("g", 0, 0, 10, 10)},
    };
    const std::vector<Typeface> found = typefacesOf(tables);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].font, fontOf(label("x", "", at)));
    EXPECT_EQ(found[0].letters, QStringLiteral("Ab0123456789.,-+E"));
    EXPECT_TRUE(found[1].font.bold());
    EXPECT_EQ(found[1].letters, QStringLiteral("Ab"));
    EXPECT_EQ(found[2].font.pointSizeF(), 18);
    EXPECT_EQ(found[2].letters, QStringLiteral("Big"));
}

// The drawing rendered as the build renders the installed icons.
QImage drawn(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(":/sumbrook.svg")).render(&painter, QRectF(0, 0, size, size));
    return image;
}

TEST(ProgramIcon, theSizesEveryWindowHandsToTheDesktopAreThoseOfTheDrawing) {
    const QIcon icon = sb::artwork::programIcon();
    for (const int size : {16, 32, 64, 128}) {
        SCOPED_TRACE(size);
        const QImage shown = icon.pixmap(QSize(size, size), 1.0).toImage();
        EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied), drawn(size));
    }
}

TEST(ProgramIcon, eachSizeIsDrawnOnce) {
    const QIcon icon = sb::artwork::programIcon();
    for (const int size : {16, 48, 100}) {
        SCOPED_TRACE(size);
        const QPixmap first = icon.pixmap(QSize(size, size), 1.0);
        EXPECT_EQ(QIcon(icon).pixmap(QSize(size, size), 1.0).cacheKey(), first.cacheKey());
    }
}

TEST(LineControl, fillsOrDrawsTheSamePixelsAsADrawnLine) {
    struct Case {
        const char* what;
        QPoint from, to;
    };
    const Case cases[] = {
        {"level", {2, 5}, {60, 5}},
        {"upright", {7, 1}, {7, 40}},
        {"a point", {3, 3}, {3, 3}},
        {"level, backwards", {60, 5}, {2, 5}},
        {"upright, backwards", {7, 40}, {7, 1}},
        {"slanting", {2, 2}, {50, 30}},
    };
    for (const Case& c : cases)
        for (const qreal scale : {1.0, 2.0}) {
            SCOPED_TRACE(std::string(c.what) + " at x" + std::to_string(scale));
            QWidget window;
            window.setFixedSize(80, 50);
            window.setAutoFillBackground(true);
            new sb::ui::LineControl(c.from, c.to, &window);
            QImage shown(window.size() * scale, QImage::Format_RGB32);
            shown.setDevicePixelRatio(scale);
            window.render(&shown);

            QImage drawn(window.size() * scale, QImage::Format_RGB32);
            drawn.setDevicePixelRatio(scale);
            drawn.fill(window.palette().color(QPalette::Window));
            QPainter painter(&drawn);
            painter.setClipRect(QRect(c.from, c.to).normalized().adjusted(0, 0, 1, 1)); // its box
            painter.setPen(window.palette().color(QPalette::WindowText));
            painter.drawLine(c.from, c.to);
            painter.end();
            EXPECT_EQ(shown, drawn);
        }
}

} // namespace
