// SPDX-License-Identifier: GPL-3.0-or-later
// The list box keeps its text in a model of its own and must edit, select and undo exactly as
// QLineEdit does: a list box and a QLineEdit go through the same random keys, clicks and
// clipboard actions (seeded, so a failure repeats) and must hold the same text, caret and
// selection after each one. Its pictures are those of a text box.

#include "ui/controls.h"
#include "ui/list_box.h"
#include "ui/sliced_line.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using sb::ui::ListBox;
using sb::ui::TextBox;

QFont hinted() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

template <class Box> void prepare(Box& box) {
    box.setFont(hinted());
    box.resize(sb::ui::pixels(10095), sb::ui::pixels(495));
    box.show();
}

QString values(std::mt19937& random, int count) {
    static const QStringList pieces = {u"1"_qs, u"22"_qs, u"-3.5"_qs, u"4/7"_qs, u"x"_qs,
                                       u"1e3"_qs, u"ab"_qs, u"½"_qs, u"(9)"_qs};
    QStringList list;
    for (int i = 0; i < count; ++i) list << pieces[random() % pieces.size()];
    return list.join(random() % 5 ? u" " : u"  ");
}

struct State {
    QString text;
    int cursor, start, end;
    bool operator==(const State&) const = default;
};
State stateOf(const QLineEdit& e) {
    return {e.text(), e.cursorPosition(), e.selectionStart(), e.selectionEnd()};
}
State stateOf(const ListBox& b) {
    const auto& m = b.model();
    const bool sel = m.hasSelection();
    return {m.text(), int(m.cursor()), sel ? int(m.selectionStart()) : -1,
            sel ? int(m.selectionEnd()) : -1};
}
std::string shown(const State& s) {
    return QStringLiteral("\"%1\" caret %2 selection %3..%4")
        .arg(s.text.size() > 80 ? s.text.left(80) + QStringLiteral("...") : s.text)
        .arg(s.cursor).arg(s.start).arg(s.end).toStdString();
}

// One action of a pupil, done to a box
struct Action {
    std::string name;
    std::function<void(QWidget*)> act;
};

std::vector<Action> randomActions(std::mt19937& random, int count, int width) {
    const auto key = [](const char* name, Qt::Key k, Qt::KeyboardModifiers m = {}) {
        return Action{name, [k, m](QWidget* w) { QTest::keyClick(w, k, m); }};
    };
    const std::vector<Action> keys = {
        key("Left", Qt::Key_Left), key("Right", Qt::Key_Right),
        key("Shift+Left", Qt::Key_Left, Qt::ShiftModifier),
        key("Shift+Right", Qt::Key_Right, Qt::ShiftModifier),
        key("Ctrl+Left", Qt::Key_Left, Qt::ControlModifier),
        key("Ctrl+Right", Qt::Key_Right, Qt::ControlModifier),
        key("Ctrl+Shift+Left", Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier),
        key("Ctrl+Shift+Right", Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier),
        key("Home", Qt::Key_Home), key("End", Qt::Key_End),
        key("Shift+Home", Qt::Key_Home, Qt::ShiftModifier),
        key("Shift+End", Qt::Key_End, Qt::ShiftModifier),
        key("Backspace", Qt::Key_Backspace), key("Delete", Qt::Key_Delete),
        key("Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier),
        key("Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier),
        key("Ctrl+A", Qt::Key_A, Qt::ControlModifier), key("Ctrl+C", Qt::Key_C, Qt::ControlModifier),
        key("Ctrl+X", Qt::Key_X, Qt::ControlModifier), key("Ctrl+V", Qt::Key_V, Qt::ControlModifier),
        key("Shift+Insert", Qt::Key_Insert, Qt::ShiftModifier),
        // redo leaves QLineEdit's selection out of its text: redo is walked by text below
        key("Ctrl+Z", Qt::Key_Z, Qt::ControlModifier),
        key("Ctrl+Q (types nothing)", Qt::Key_Q, Qt::ControlModifier),
        key("Escape", Qt::Key_Escape),
    };
    std::vector<Action> actions;
    for (int i = 0; i < count; ++i) {
        const int kind = int(random() % 10);
        if (kind < 5) {
            actions.push_back(keys[random() % keys.size()]);
        } else if (kind < 8) {
            const QString typed = QString(QChar(u"0123456789 ./-ax"[random() % 16]));
            actions.push_back({"type " + typed.toStdString(),
                               [typed](QWidget* w) { QTest::keyClicks(w, typed); }});
        } else {
            const int x = int(random() % width);
            const bool shift = random() % 3 == 0, twice = random() % 4 == 0;
            actions.push_back({(twice ? "double click at " : shift ? "shift click at " : "click at ") +
                                   std::to_string(x),
                               [x, shift, twice](QWidget* w) {
                                   const QPoint at(x, w->height() / 2);
                                   w->grab(); // QLineEdit scrolls when it paints

                                   if (twice) QTest::mouseDClick(w, Qt::LeftButton, {}, at);
                                   else QTest::mouseClick(w, Qt::LeftButton,
                                                          shift ? Qt::ShiftModifier : Qt::KeyboardModifiers{}, at);
                               }});
        }
    }
    return actions;
}

struct ListBoxAgainstQLineEdit : ::testing::Test {
    QLineEdit edit;
    ListBox box{nullptr};
    ListBoxAgainstQLineEdit() {
        edit.setMaxLength(std::numeric_limits<int>::max());
        prepare(edit);
        prepare(box);
        QApplication::setCursorFlashTime(0);
    }
    // Runs the actions on both from text, comparing after each; the clipboard is the same
    // for both before each action, and each must leave the same in it.
    void run(const QString& text, const std::vector<Action>& actions, const std::string& trace) {
        edit.setText(text);
        box.setText(text);
        ASSERT_EQ(stateOf(box), stateOf(edit));
        QClipboard* clipboard = QGuiApplication::clipboard();
        for (size_t i = 0; i < actions.size(); ++i) {
            clipboard->setText(u"7 8"_qs);
            actions[i].act(&edit);
            const QString editClip = clipboard->text();
            clipboard->setText(u"7 8"_qs);
            actions[i].act(&box);
            const State expected = stateOf(edit), got = stateOf(box);
            if (got == expected && clipboard->text() == editClip) continue;
            std::string steps;
            for (size_t j = 0; j <= i; ++j) steps += actions[j].name + "; ";
            FAIL() << trace << " after " << steps << "\n QLineEdit " << shown(expected)
                   << "\n list box  " << shown(got);
        }
    }
};

TEST_F(ListBoxAgainstQLineEdit, randomKeysClicksAndClipboardLeaveTheSameTextCaretAndSelection) {
    struct Case {
        const char* what;
        int sequences, values, actions;
    } const cases[] = {
        {"empty", 300, 0, 12},
        {"short lists", 1500, 6, 15},
        {"lists wider than the box", 40, 400, 15},
    };
    std::mt19937 random(20261208);
    for (const Case& c : cases)
        for (int s = 0; s < c.sequences && !HasFatalFailure(); ++s) {
            const QString text = values(random, c.values);
            run(text, randomActions(random, c.actions, box.width()),
                std::string(c.what) + " #" + std::to_string(s));
        }
}

// Undo walks back through the texts QLineEdit walks back through, and redo forth again.
TEST_F(ListBoxAgainstQLineEdit, undoAndRedoWalkThroughTheSameTexts) {
    std::mt19937 random(7);
    const auto walk = [](QWidget* w, Qt::KeyboardModifiers m, const std::function<QString()>& text) {
        QStringList texts{text()};
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(w, Qt::Key_Z, m);
            if (text() != texts.back()) texts << text();
        }
        return texts;
    };
    for (int s = 0; s < 300 && !HasFatalFailure(); ++s) {
        std::vector<Action> actions = randomActions(random, 20, box.width());
        std::erase_if(actions, [](const Action& a) { return a.name.starts_with("Ctrl+Z"); });
        run(values(random, 5), actions, "sequence " + std::to_string(s));
        const auto editText = [this] { return edit.text(); };
        const auto boxText = [this] { return box.model().text(); };
        ASSERT_EQ(walk(&box, Qt::ControlModifier, boxText), walk(&edit, Qt::ControlModifier, editText))
            << "undo, sequence " << s;
        ASSERT_EQ(walk(&box, Qt::ControlModifier | Qt::ShiftModifier, boxText),
                  walk(&edit, Qt::ControlModifier | Qt::ShiftModifier, editText))
            << "redo, sequence " << s;
    }
}

// The box looks as a text box holding the same text: empty, short, and a long list scrolled
// to its end, to its start and with a selection.
TEST(ListBoxPictures, areThoseOfATextBox) {
    TextBox plain(0, nullptr);
    ListBox list(nullptr);
    prepare(plain);
    prepare(list);
    std::mt19937 random(3);
    const QString longList = values(random, 3000);
    struct Case {
        const char* what;
        QString text;
        std::function<void(QLineEdit&)> then;
    } const cases[] = {
        {"empty", QString(), [](QLineEdit&) {}},
        {"short", u"1 4 65 898 5 2 6 88"_qs, [](QLineEdit&) {}},
        {"short, with a letter", u"12 x9-7 886"_qs, [](QLineEdit&) {}},
        {"short, selected", u"12 x9-7 886"_qs, [](QLineEdit& b) { b.setSelection(1, 4); }},
        {"long, the caret at the end", longList, [](QLineEdit&) {}},
        {"long, the caret at the start", longList, [](QLineEdit& b) { b.setCursorPosition(0); }},
        {"long, a selection", longList, [](QLineEdit& b) { b.setSelection(3, 40); }},
    };
    for (const Case& c : cases) {
        for (QLineEdit* b : {static_cast<QLineEdit*>(&plain), static_cast<QLineEdit*>(&list)}) {
            b->setText(c.text);
            c.then(*b);
        }
        EXPECT_EQ(list.grab().toImage(), plain.grab().toImage()) << c.what;
    }
}

// Found again after each edit, a text's items are those found afresh from the whole text,
// whatever the scripts, marks, surrogates and tabs around the edit.
TEST(LineItems, afterAnEditAreThoseOfTheNewText) {
    const QStringList pieces = {u"12 "_qs, u"ab"_qs, u"αβ"_qs, u"שלום"_qs, u"\t"_qs, u"\u0301"_qs,
                                u"😀"_qs, u"٣"_qs, u" "_qs, u"x"_qs, u"д"_qs};
    std::mt19937 random(11);
    const auto piece = [&] {
        QString s;
        for (int n = int(random() % 4); n > 0; --n) s += pieces[random() % pieces.size()];
        return s;
    };
    for (int round = 0; round < 3000; ++round) {
        QString text;
        for (int n = int(random() % 12); n > 0; --n) text += piece();
        sb::ui::LineItems items(text);
        for (int edit = 0; edit < 8; ++edit) {
            const qsizetype at = random() % (text.size() + 1);
            const qsizetype length = random() % (text.size() - at + 1);
            const QString removed = text.sliced(at, length), inserted = piece();
            text.replace(at, length, inserted);
            items.replaced(text, at, removed, inserted.size());
            ASSERT_TRUE(items == sb::ui::LineItems(text))
                << "round " << round << " edit " << edit << " at " << at << " removed "
                << removed.size() << " inserted " << inserted.size() << " in "
                << QString::number(text.size()).toStdString() << ": "
                << text.toUcs4().size();
        }
    }
}

} // namespace
