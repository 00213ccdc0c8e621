// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language, through its real widgets: each caption, label and button
// shows its text whole, no two controls' texts stand on each other, and the Arabic windows are
// the English ones mirrored, with the working pane on their left.

#include "app/start_up.h"
#include "app/window_registry.h"
#include "ui/accessibility.h"
#include "ui/form.h"
#include "ui/language.h"
#include "ui/text_room.h"
#include "working_property.h"

#include <QAccessible>
#include <QApplication>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

struct Placed {
    QRect at;                             // in the window's pixels
    std::optional<sb::ui::TextRoom> room; // its text's room, in the window's pixels
};

// Every control of the window's table, and its "Show Working" button, by name.
std::map<QString, Placed> layoutOf(const sb::ui::Form* window) {
    std::map<QString, Placed> placed;
    QStringList names = window->controlNames();
    if (window->findChild<QWidget*>(QStringLiteral("Working"))) names << QStringLiteral("Working");
    for (const QString& name : names) {
        const QWidget* c = window->findChild<QWidget*>(name);
        const QPoint origin = c->mapTo(window, QPoint());
        auto room = sb::ui::textRoom(c);
        if (room) room->text.translate(origin);
        placed[name] = {QRect(origin, c->size()), room};
    }
    return placed;
}

// Runs check on every window of the program in the language, each new and shown.
template <class Check> void everyWindowIn(const QString& language, Check check) {
    sb::ui::useLanguage(language);
    sb::WindowRegistry registry;
    sb::startUp(registry); // the program's look and typefaces, and its main menu
    for (int n = 1; n <= 14; ++n) {
        auto* window = qobject_cast<sb::ui::Form*>(registry.show(QStringLiteral("Form%1").arg(n)));
        ASSERT_NE(window, nullptr);
        window->grab(); // painted, as a pupil sees it
        check(window);
        if (n != 1) window->close();
    }
    sb::ui::useLanguage(QStringLiteral("en"));
}

const QStringList everyLanguage = {"en", "de", "fr", "es", "pt_BR", "uk", "ar"};

// ... and, with the pane open, the pane's own buttons and check box show their texts whole.
TEST(Languages, EveryTextShowsWholeAndClearOfTheOthers) {
    for (const QString& language : everyLanguage)
        everyWindowIn(language, [&](sb::ui::Form* window) {
            const auto where = [&](const QString& name) {
                return QStringLiteral("%1 %2.%3")
                    .arg(language, window->objectName(), name)
                    .toStdString();
            };
            const auto placed = layoutOf(window);
            for (auto a = placed.begin(); a != placed.end(); ++a) {
                if (!a->second.room) continue;
                EXPECT_TRUE(a->second.room->whole) << where(a->first) << " is clipped";
                for (auto b = std::next(a); b != placed.end(); ++b)
                    EXPECT_FALSE(b->second.room &&
                                 a->second.room->text.intersects(b->second.room->text))
                        << where(a->first) << " overlaps " << b->first.toStdString();
            }
            if (!window->findChild<QWidget*>(QStringLiteral("Working"))) return;
            window->toggleWorking();
            window->grab();
            for (const char* name : {"MoreDetail", "Print", "SavePdf", "CopyWorking"}) {
                const QWidget* control = window->findChild<QWidget*>(name);
                if (!control->isVisibleTo(window)) continue; // "More detail" without detail lines
                const auto room = sb::ui::textRoom(control);
                EXPECT_TRUE(room && room->whole) << where(name) << " is clipped";
            }
        });
}

TEST(Languages, ArabicWindowsMirrorTheEnglishOnesWithThePaneOnTheLeft) {
    std::map<QString, std::map<QString, Placed>> english;
    everyWindowIn(QStringLiteral("en"),
                  [&](const sb::ui::Form* w) { english[w->objectName()] = layoutOf(w); });
    everyWindowIn(QStringLiteral("ar"), [&](sb::ui::Form* window) {
        const int width = window->width();
        for (const auto& [name, arabic] : layoutOf(window)) {
            const QRect& left = english[window->objectName()][name].at;
            const QRect mirrored(width - left.x() - left.width(), left.y(), left.width(),
                                 left.height());
            // the pane's button may be wider for a longer caption: it keeps its corner
            if (name == QStringLiteral("Working"))
                EXPECT_TRUE(
                    arabic.at.y() == mirrored.y() &&
                    (arabic.at.left() == mirrored.left() || arabic.at.right() == mirrored.right()))
                    << window->objectName().toStdString();
            else
                EXPECT_EQ(arabic.at, mirrored)
                    << window->objectName().toStdString() << '.' << name.toStdString();
        }
        if (!window->findChild<QWidget*>(QStringLiteral("Working"))) return;
        const QWidget* first = window->findChild<QWidget*>(window->controlNames().front());
        const int before = first->x();
        window->toggleWorking();
        const QWidget* pane = window->findChild<QWidget*>(QStringLiteral("WorkingPane"));
        ASSERT_NE(pane, nullptr) << window->objectName().toStdString();
        EXPECT_EQ(pane->x(), 0);
        EXPECT_EQ(first->x(), before + pane->width()) << window->objectName().toStdString();
        window->toggleWorking();
        EXPECT_EQ(first->x(), before);
    });
}

// What a screen reader is told of every window in every language: a frame named by its
// caption, with no name made of drawing characters anywhere in it, and with the pane open, a
// list of steps, the figure an image with its description and "More detail" a check box. (The
// AT-SPI test reads the English windows through the real bus.)
TEST(Languages, ScreenReadersMeetFramesAndNoDrawings) {
    const auto descendants = [](QAccessibleInterface* a) {
        std::vector<QAccessibleInterface*> all{a};
        for (std::size_t i = 0; i < all.size(); ++i)
            for (int c = 0; c < all[i]->childCount(); ++c) all.push_back(all[i]->child(c));
        return all;
    };
    for (const QString& language : everyLanguage)
        everyWindowIn(language, [&](sb::ui::Form* window) {
            const std::string where = (language + u' ' + window->objectName()).toStdString();
            if (window->findChild<QWidget*>(QStringLiteral("Working"))) window->toggleWorking();
            QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(window);
            EXPECT_EQ(frame->role(), QAccessible::Window) << where;
            EXPECT_EQ(frame->text(QAccessible::Name), window->windowTitle()) << where;
            std::multiset<QAccessible::Role> roles;
            for (QAccessibleInterface* a : descendants(frame)) {
                const QString name = a->text(QAccessible::Name);
                roles.insert(a->role());
                EXPECT_FALSE(!name.isEmpty() && sb::ui::isDrawingOfCharacters(name))
                    << where << ": " << name.toStdString();
                if (a->role() == QAccessible::Graphic) {
                    EXPECT_EQ(a->text(QAccessible::Description),
                              window->working().figure.description)
                        << where;
                }
            }
            if (!window->findChild<QWidget*>(QStringLiteral("Working"))) return;
            for (QAccessible::Role role :
                 {QAccessible::Graphic, QAccessible::List, QAccessible::CheckBox})
                EXPECT_EQ(roles.count(role), 1u) << where << " role " << role;
        });
}

// Qt's own dialogs speak the language too (their buttons, the file dialog), from Debian's Qt
// translations.
TEST(Languages, QtsOwnDialogsFollow) {
    for (const QString& language : everyLanguage) {
        sb::ui::useLanguage(language);
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel") == u"Cancel",
                  language == u"en")
            << language.toStdString();
    }
    sb::ui::useLanguage(QStringLiteral("en"));
}

// In every language each answer a window shows stands in its working, as the window shows it
// ("No Solution" in the pupil's words too), over random values of every command.
class AnswersInTheWorking : public testing::TestWithParam<const char*> {};

TEST_P(AnswersInTheWorking, OfEveryWindow) {
    sb::ui::useLanguage(QString::fromLatin1(GetParam()));
    sb::WindowRegistry registry;
    sb::registerProgramWindows(registry);
    for (int n = 2; n <= 13; ++n) {
        const QString name = QStringLiteral("Form%1").arg(n);
        auto* window = qobject_cast<sb::ui::Form*>(registry.show(name));
        working_property::expectAnswersInWorking(
            *window, working_property::randomCommands(name, {{"", working_property::anyValue}}),
            40);
        window->close();
    }
    sb::ui::useLanguage(QStringLiteral("en"));
}

INSTANTIATE_TEST_SUITE_P(Languages, AnswersInTheWorking,
                         testing::Values("de", "fr", "es", "pt_BR", "uk", "ar"));

} // namespace
