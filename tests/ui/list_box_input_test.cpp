// SPDX-License-Identifier: GPL-3.0-or-later
// What reaches a list box besides keys and clicks: pasted and dropped lists (line breaks and
// tabs become blanks; a dropped text file gives its list, or a message and no change), its
// context menu (QLineEdit's entries, enabled alike), and screen readers, which read and set
// its text.

#include "ui/desktop.h"
#include "ui/list_box.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using sb::ui::ListBox;

struct Box : ListBox {
    Box() : ListBox(nullptr) {
        resize(400, 24);
        show();
    }
    using ListBox::contextMenuEvent;
    using ListBox::dropEvent;
};

class RecordingDesktop : public sb::ui::Desktop {
public:
    QStringList messages;
    RecordingDesktop() { install(this); }
    ~RecordingDesktop() override { install(nullptr); }
    void showMessage(QWidget*, const QString& text) override { messages << text; }
};

TEST(ListBoxPaste, takesLinesAndTabsAsBlanksAndIsOneUndoStep) {
    const struct {
        const char* clip;
        const char* before;
        const char* after;
    } cases[] = {
        {"1\n2\n3", "", "1 2 3"},
        {"1\r\n2\r\n3\r\n", "", "1 2 3"},
        {"\n\n3\t\t4\n", "", "3 4"},
        {"4\t5", "1 2 ", "1 2 4 5"},
        {" 3 4", "1 2", "1 2 3 4"}, // blanks are the pupil's own and stay
    };
    for (const auto& c : cases) {
        Box box;
        box.setText(QString::fromUtf8(c.before));
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clip));
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text().toStdString(), c.after) << c.clip;
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(box.text().toStdString(), c.before) << c.clip;
    }
}

TEST(ListBoxDrop, takesTextAndTextFilesAndTellsWhyAFileCannotBeTaken) {
    QTemporaryDir folder;
    const auto file = [&](const char* name, const QByteArray& bytes) {
        QFile f(folder.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return QUrl::fromLocalFile(f.fileName());
    };
    const QUrl column = file("column.txt", "5\n6\n7\n"), row = file("row.csv", "8\t9\n");
    const QUrl missing = QUrl::fromLocalFile(folder.filePath(QStringLiteral("gone.txt")));
    const QUrl picture = file("picture.png", "\x89PNG");
    const QUrl namedText = file("picture.txt", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    const struct {
        const char* what;
        QString text;
        QList<QUrl> urls;
        const char* after;
        bool told;
    } cases[] = {
        {"a list dragged from a spreadsheet", u"1\n2\n3"_qs, {}, "1 2 3", false},
        {"a text file", {}, {column}, "5 6 7", false},
        {"two files", {}, {column, row}, "5 6 7 8 9", false},
        {"a file that is gone", {}, {missing}, "", true},
        {"a picture", {}, {picture}, "", false}, // refused as a drop: no list file
        {"a picture named as text", {}, {column, namedText}, "", true},
    };
    for (const auto& c : cases) {
        RecordingDesktop desktop;
        Box box;
        QMimeData data;
        if (!c.text.isNull()) data.setText(c.text);
        if (!c.urls.isEmpty()) data.setUrls(c.urls);
        QDropEvent drop(QPointF(2, 12), Qt::CopyAction, &data, Qt::LeftButton, {});
        box.dropEvent(&drop);
        EXPECT_EQ(box.text().toStdString(), c.after) << c.what;
        EXPECT_EQ(desktop.messages.size(), c.told ? 1 : 0) << c.what;
    }
}

// The menu's entries as text, each with whether it can be chosen
QStringList entries(QMenu* menu) {
    QStringList shown;
    for (QAction* a : menu->actions())
        shown << (a->isSeparator() ? u"-"_qs : a->text() + (a->isEnabled() ? QString() : QStringLiteral(" (off)")));
    return shown;
}

TEST(ListBoxContextMenu, hasQLineEditsEntriesEnabledAlike) {
    const struct {
        const char* what;
        const char* text;
        std::function<void(QWidget*)> then;
    } cases[] = {
        {"empty", "", [](QWidget*) {}},
        {"a list", "1 2 3", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Home); }},
        {"a selection", "1 2 3", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Left, Qt::ShiftModifier); }},
        {"all selected", "1 2 3", [](QWidget* w) { QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier); }},
        {"typed, so undone", "1", [](QWidget* w) { QTest::keyClicks(w, u" 2"_qs); }},
        {"undone, so redone", "1",
         [](QWidget* w) {
             QTest::keyClicks(w, u" 2"_qs);
             QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
         }},
    };
    for (const bool clipboardHolds : {false, true})
        for (const auto& c : cases) {
            QGuiApplication::clipboard()->setText(clipboardHolds ? u"4"_qs : QString());
            QLineEdit edit;
            Box box;
            for (QLineEdit* b : {&edit, static_cast<QLineEdit*>(&box)}) {
                b->setText(QString::fromUtf8(c.text));
                c.then(b);
            }
            std::unique_ptr<QMenu> standard(edit.createStandardContextMenu());
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), box.mapToGlobal(QPoint(5, 5)));
            box.contextMenuEvent(&event);
            auto* menu = box.findChild<QMenu*>(QStringLiteral("qt_edit_menu"));
            ASSERT_TRUE(menu) << c.what;
            EXPECT_EQ(entries(menu), entries(standard.get())) << c.what << " " << clipboardHolds;
            delete menu;
        }
}

TEST(ListBoxScreenReader, readsAndSetsTheText) {
    Box box;
    box.setAccessibleName(u"The numbers"_qs);
    box.setText(u"1 2 3"_qs);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&box);
    ASSERT_TRUE(a && a->textInterface() && a->editableTextInterface());
    EXPECT_EQ(a->role(), QAccessible::EditableText);
    EXPECT_EQ(a->text(QAccessible::Name), u"The numbers"_qs);
    EXPECT_EQ(a->textInterface()->text(2, 5), u"2 3"_qs);
    EXPECT_EQ(a->textInterface()->characterCount(), 5);

    const struct {
        const char* what;
        std::function<void()> act;
        const char* text;
    } cases[] = {
        {"insertText", [&] { a->editableTextInterface()->insertText(1, u"0"_qs); }, "10 2 3"},
        {"deleteText", [&] { a->editableTextInterface()->deleteText(0, 3); }, "2 3"},
        {"replaceText", [&] { a->editableTextInterface()->replaceText(0, 1, u"7"_qs); }, "7 3"},
        {"setText", [&] { a->setText(QAccessible::Value, u"7 3 9"_qs); }, "7 3 9"},
        {"typed", [&] { QTest::keyClick(&box, Qt::Key_5); }, "7 3 95"},
    };
    for (const auto& c : cases) {
        c.act();
        EXPECT_EQ(box.text().toStdString(), c.text) << c.what;
        EXPECT_EQ(a->textInterface()->text(0, a->textInterface()->characterCount()).toStdString(),
                  c.text) << c.what;
        EXPECT_EQ(a->text(QAccessible::Value).toStdString(), c.text) << c.what;
    }
    a->textInterface()->setSelection(0, 0, 1);
    EXPECT_EQ(box.model().selectedText(), u"7"_qs);
    a->textInterface()->setCursorPosition(2);
    EXPECT_EQ(box.model().cursor(), 2);
}

} // namespace

namespace {

// An input method composes without changing the text, commits into it (replacing what it
// says), and is told of the text around the caret only, however long the list.
TEST(ListBoxInputMethod, composesCommitsAndSeesTheTextAroundTheCaret) {
    Box box;
    box.setText(u"1 2 3"_qs);
    const auto send = [&](const QString& preedit, const QString& commit, int from = 0, int length = 0) {
        QInputMethodEvent event(preedit, {});
        event.setCommitString(commit, from, length);
        QApplication::sendEvent(&box, &event);
    };
    send(u"4"_qs, {});
    EXPECT_EQ(box.text(), u"1 2 3"_qs);
    send({}, u" 45"_qs);
    EXPECT_EQ(box.text(), u"1 2 3 45"_qs);
    send({}, u"6"_qs, -1, 1); // the 5 replaced
    EXPECT_EQ(box.text(), u"1 2 3 46"_qs);
    EXPECT_EQ(box.inputMethodQuery(Qt::ImSurroundingText).toString(), u"1 2 3 46"_qs);
    EXPECT_EQ(box.inputMethodQuery(Qt::ImCursorPosition).toInt(), 8);

    QString list;
    for (int i = 0; i < 100'000; ++i) list += u"12 "_qs;
    box.setText(list);
    box.setCursorPosition(150'000);
    const QString around = box.inputMethodQuery(Qt::ImSurroundingText).toString();
    const int caret = box.inputMethodQuery(Qt::ImCursorPosition).toInt();
    EXPECT_LE(around.size(), 1024);
    EXPECT_EQ(around.left(caret), list.sliced(150'000 - caret, caret));
    EXPECT_EQ(box.inputMethodQuery(Qt::ImAbsolutePosition).toInt(), 150'000);
}

} // namespace
