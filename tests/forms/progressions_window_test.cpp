// SPDX-License-Identifier: GPL-3.0-or-later
// The progressions window, driven directly: what a row's answer shows while its refusal is
// on the screen, and every row with hostile values.

#include "topics/statistics/progressions/form6.h"
#include "ui/desktop.h"

#include "entry/conversions.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records each message with the text of one answer at the moment it was shown.
class AnswerWatch : public sb::ui::Desktop {
public:
    explicit AnswerWatch(QString answer) : answer_(std::move(answer)) {}
    std::vector<std::pair<QString, QString>> told; // message, answer meanwhile
    void showMessage(QWidget* window, const QString& text) override {
        told.emplace_back(text, window->findChild<QLabel*>(answer_)->text());
    }

private:
    QString answer_;
};

void fill(QWidget& window, const QStringList& boxes, const QStringList& texts) {
    for (qsizetype i = 0; i < boxes.size(); ++i)
        window.findChild<QLineEdit*>(boxes[i])->setText(texts[i]);
}

QString answerOf(QWidget& window, const QString& name) {
    return window.findChild<QLabel*>(name)->text();
}

const QString notZeroOrOne = "Q Must not be equals to zero or one.!!!";
const QString infinite = "In Infinite Progression Q Must be smaller than 1 and bigger than -1 "
                         "and not be equals to Zero.!!!";
const QString ratio = "A1 Must not be equals to zero And N must be bigger than one.!!!";

// Each geometric row answers once, then is refused: its answer is emptied before the
// message, after it, or kept, row by row. Boxes and their texts are separated by blanks.
TEST(ProgressionsWindow, AGeometricRefusalAndTheAnswer) {
    struct Row {
        const char *button, *answer, *boxes, *good, *refused;
        QString message;
        QString meanwhile; // the answer while the message is up
        QString after;
    };
    const Row rows[] = {
        {"command20", "ans7", "a17 q7 n7", "1 2 10", "1 1 10", notZeroOrOne, "1023", ""},
        {"command21", "ans8", "a18 q8 an8", "1 2 512", "1 1 512", notZeroOrOne, "", ""},
        {"command21", "ans8", "a18 q8 an8", "1 2 512", "1 0/2 512", notZeroOrOne, "", ""},
        {"command22", "ans9", "a19 q9", "1 0.5", "1 1", infinite, "", ""},
        {"command22", "ans9", "a19 q9", "1 0.5", "1 0/3", infinite, "", ""},
        {"Command10", "ans10", "a110 q10 n10", "3 2 5", "3 1 5", notZeroOrOne, "48", "48"},
        {"Command4", "ans11", "a111 an11 n11", "2 162 5", "2 162 1", ratio, "", ""},
        {"Command4", "ans11", "a111 an11 n11", "2 162 5", "0 162 5", ratio, "", ""},
        // N is tested as its box shows it once written back: cut to 8 characters it is 1
        {"Command4", "ans11", "a111 an11 n11", "2 162 5", "2 162 1.0000000001", ratio, "", ""},
    };
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.button << " with " << row.refused);
        const QStringList boxes = QString(row.boxes).split(' ');
        AnswerWatch desktop(row.answer);
        sb::ui::Desktop::install(&desktop);
        sb::Form6 window;
        fill(window, boxes, QString(row.good).split(' '));
        window.findChild<QAbstractButton*>(row.button)->click();
        fill(window, boxes, QString(row.refused).split(' '));
        window.findChild<QAbstractButton*>(row.button)->click();
        sb::ui::Desktop::install(nullptr);

        ASSERT_EQ(desktop.told.size(), 1u);
        EXPECT_EQ(desktop.told[0].first.toStdString(), row.message.toStdString());
        EXPECT_EQ(desktop.told[0].second.toStdString(), row.meanwhile.toStdString());
        EXPECT_EQ(answerOf(window, row.answer).toStdString(), row.after.toStdString());
    }
}

// Every row with every combination of hostile values: the program keeps running, the row's
// answer is a number or empty (never nan or inf), and no other row changes.
TEST(ProgressionsWindow, HostileValuesLeaveANumberOrNothing) {
    const QStringList hostile = {"1e308", "-1e-300", "0",         "1",   "-1",
                                 "0.5",   "1/0",     "1.2345e-5", "1e9", "-2.5"};
    struct Row {
        const char* button;
        QStringList boxes;
        const char* answer;
    };
    const Row rows[] = {
        {"Command1", {"a1", "d", "n"}, "ans1"},
        {"Command2", {"a12", "an2", "n2"}, "ans2"},
        {"Command8", {"d3", "an3", "n3"}, "ans3"},
        {"Command3", {"a14", "d4", "n4"}, "ans4"},
        {"Command6", {"a15", "an5", "n5"}, "ans5"},
        {"ans6", {"a16", "d6", "an6"}, "ans66"},
        {"command20", {"a17", "q7", "n7"}, "ans7"},
        {"command21", {"a18", "q8", "an8"}, "ans8"},
        {"command22", {"a19", "q9"}, "ans9"},
        {"Command10", {"a110", "q10", "n10"}, "ans10"},
        {"Command4", {"a111", "an11", "n11"}, "ans11"},
    };
    struct Silent : sb::ui::Desktop {
        void showMessage(QWidget*, const QString&) override {}
    } silent;
    sb::ui::Desktop::install(&silent);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    sb::Form6 window;
    const QLocale english(QStringLiteral("en_US"));
    for (const Row& row : rows) {
        // the other rows show what they were left with, which must stay
        QStringList others;
        for (const Row& other : rows) others << answerOf(window, other.answer);
        for (const QString& p : hostile)
            for (const QString& q : hostile)
                for (const QString& r : hostile) {
                    const QStringList typed = QStringList{p, q, r}.mid(0, row.boxes.size());
                    SCOPED_TRACE(testing::Message()
                                 << row.button << ": " << typed.join(", ").toStdString());
                    fill(window, row.boxes, typed);
                    window.findChild<QAbstractButton*>(row.button)->click();
                    const QString answer = answerOf(window, row.answer);
                    EXPECT_TRUE(answer.isEmpty() || sb::isNumeric(answer, english))
                        << answer.toStdString();
                }
        for (std::size_t i = 0; i < std::size(rows); ++i) {
            if (&rows[i] == &row) continue;
            EXPECT_EQ(answerOf(window, rows[i].answer).toStdString(),
                      others[qsizetype(i)].toStdString())
                << rows[i].answer;
        }
    }
    sb::ui::Desktop::install(nullptr);
}

// Tab takes the rows one after another, each row's boxes from the left, then its button and
// its answer; the infinite sum's button stands higher than its boxes and still comes after.
TEST(ProgressionsWindow, TabGoesRowByRow) {
    const QStringList rows[] = {
        {"a1", "d", "n", "Command1", "ans1"},      {"a14", "d4", "n4", "Command3", "ans4"},
        {"a12", "an2", "n2", "Command2", "ans2"},  {"a15", "an5", "n5", "Command6", "ans5"},
        {"d3", "an3", "n3", "Command8", "ans3"},   {"a16", "d6", "an6", "ans6", "ans66"},
        {"a17", "q7", "n7", "command20", "ans7"},  {"a110", "q10", "n10", "Command10", "ans10"},
        {"a18", "q8", "an8", "command21", "ans8"}, {"a111", "an11", "n11", "Command4", "ans11"},
        {"a19", "q9", "command22", "ans9"},
        {"Working"}, // the working pane's button comes last
    };
    QStringList expected;
    for (const QStringList& row : rows) expected << row;
    sb::Form6 window;
    QStringList visited;
    QWidget* at = window.findChild<QWidget*>("a1");
    do {
        if (at->focusPolicy() & Qt::TabFocus) visited << at->objectName();
        at = at->nextInFocusChain();
    } while (at->objectName() != "a1" && visited.size() < 100);
    EXPECT_EQ(visited.join(u' ').toStdString(), expected.join(u' ').toStdString());
}

} // namespace
