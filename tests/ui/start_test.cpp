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

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
