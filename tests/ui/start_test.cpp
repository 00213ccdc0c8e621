// SPDX-License-Identifier: GPL-3.0-or-later
// What the program does before its main menu is on the screen, and what it leaves for later:
// the menu's web line builds no text document, its pointer is drawn when first needed, and
// the program's icon is drawn at most once for each size.

#include "app/artwork.h"
#include "app/start_up.h"
#include "app/window_registry.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
