// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-random's own checks: what they take for a fault and what they let pass.

#include "checker.h"
#include "pane_actions.h"
#include "pane_checks.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace random_actions;

namespace {

TEST(RandomChecks, NotANumberIsAWordOfItsOwn) {
    const std::vector<std::pair<QString, bool>> table = {
        {"nan", true},           {"x = -inf", true},    {"Infinity", true},
        {"1/NaN", true},         {"+INF.", true},       {"Infinite Progression", false},
        {"financial", false},    {"banana", false},     {"information", false},
        {"0.5", false},
    };
    for (const auto& [text, shows] : table)
        EXPECT_EQ(showsNotANumber(text), shows) << text.toStdString();
    for (const QString& zero : {"-0", "-0.00", "-0,0", "-0E+00", "x = -0."})
        EXPECT_TRUE(showsNegativeZero(zero)) << zero.toStdString();
    for (const QString& fine : {"-0.5", "-10", "0", "x-0y", "-0.001"})
        EXPECT_FALSE(showsNegativeZero(fine)) << fine.toStdString();
}

TEST(RandomChecks, ASavedFileIsWholeOfItsKind) {
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const std::vector<std::tuple<QString, QByteArray, bool>> table = {
        {"f.png", png, true},
        {"f.png", png.mid(1), false},
        {"f.pdf", "%PDF-1.4\n%...", true},
        {"f.pdf", "PDF-1.4", false},
        {"f.svg", R"(<?xml version="1.0"?><svg xmlns="http://www.w3.org/2000/svg"><g/></svg>)", true},
        {"f.svg", "<html><svg/></html>", false},
        {"f.svg", "<svg><g></svg>", false}, // cut short or badly nested: no XML
        {"f.svg", "not xml at all", false},
        {"f.png", "", false},
        {"f.txt", "text", false},
    };
    for (const auto& [name, bytes, whole] : table)
        EXPECT_EQ(!savedFileFault(name, bytes).has_value(), whole)
            << name.toStdString() << " " << bytes.toStdString();
}

// Window Form2 with one box and one answer, and a pane.
std::map<QString, Window> oneTopic() {
    std::map<QString, Window> windows;
    windows["Form1"].initial = {{"Command1", {"button", 0, "Quadratic"}}};
    windows["Form2"] = {"Command1", true,
                        {{"A", {"box", 5, ""}}, {"X1", {"output", 0, ""}},
                         {"Command1", {"button", 0, "Solve"}}}};
    return windows;
}

Snapshot showing(const QString& box, const QString& answer) {
    Snapshot s;
    s.windows["Form1"] = oneTopic().at("Form1").initial;
    s.windows["Form2"] = {{"A", {"box", 5, box}}, {"X1", {"output", 0, answer}},
                          {"Command1", {"button", 0, "Solve"}}};
    return s;
}

TEST(RandomChecks, TheWorkingShowsEveryAnswerAsTheWindowDoes) {
    const auto windows = oneTopic();
    // printed after the command: the working of the pane, open
    const std::vector<std::tuple<QStringList, bool>> table = {
        {{R"(Form2.working "Answer: X1 = 0.5")"}, true},
        {{R"(Form2.working "so x = 0.5.")"}, true},
        {{R"(Form2.working "Answer: X1 = 10.5")"}, false},
        {{R"(Form2.working "Answer: X1 = 0.55")"}, false},
        {{R"(Form2.working "Answer: X1 = 0,5")"}, false},
        {{R"(Form2.working "x = nan")"}, false},
        {{R"(Form2.figure label x 1.0 2.0 "inf")"}, false},
        {{R"(Form2.figure-description "A line ending at 0.5")", R"(Form2.working "0.5")"}, true},
    };
    for (const auto& [printed, holds] : table) {
        Checker checker(windows);
        checker.start();
        const Step click{"click Form2.Command1", {"working Form2"}, printed, showing("2", "0.5")};
        EXPECT_EQ(!checker.check(showing("2", ""), click).has_value(), holds)
            << printed.join(u' ').toStdString();
    }
}

TEST(RandomChecks, ANanThePupilTypedMayBeQuoted) {
    const auto windows = oneTopic(); // the checker keeps a reference
    Checker checker(windows);
    checker.start();
    const Snapshot typed = showing("1nan", "");
    EXPECT_FALSE(checker.check(showing("", ""), {"type Form2.A \"1nan\"", {}, {}, typed}));
    const Step refused{"click Form2.Command1", {"working Form2"},
                       {R"(message "1nan Is not a numeric value")",
                        R"(Form2.working "The window said: \"1nan Is not a numeric value\"")"},
                       typed};
    EXPECT_FALSE(checker.check(typed, refused)) << "the working quotes the message";
    const Step other{"click Form2.Command1", {"working Form2"},
                     {R"(Form2.working "x = inf")"}, typed};
    EXPECT_TRUE(checker.check(typed, other)) << "an inf nobody typed";
}

TEST(RandomChecks, PaneActionsChangeNoControlAndCopyTheStepsShown) {
    const auto windows = oneTopic(); // the checker keeps a reference
    Checker checker(windows);
    checker.start();
    const Snapshot before = showing("2", "0.5");
    const QString lines = R"(Form2.working "a")";
    const std::vector<std::tuple<Step, bool>> table = {
        {{"click Form2.MoreDetail", {}, {lines}, before}, true},
        {{"click Form2.MoreDetail", {}, {}, showing("3", "0.5")}, false},
        {{"key Form2 F2", {}, {}, showing("2", "")}, false},
        {{"click Form2.CopyWorking", {}, {R"(clipboard-text "a\nb")", lines, R"(Form2.working "b")"},
          before}, true},
        {{"click Form2.CopyWorking", {}, {R"(clipboard-text "a")", lines, R"(Form2.working "b")"},
          before}, false},
        {{"click Form2.Print", {}, {R"(message "Cannot print")"}, before}, false},
    };
    for (const auto& [step, holds] : table)
        EXPECT_EQ(!checker.check(before, step).has_value(), holds) << step.command.toStdString();
}

TEST(RandomChecks, ASavedFileIsThereOrTheDriverSaidWhyNot) {
    QTemporaryDir folder;
    const QString svg = folder.filePath("1.svg"), pdf = folder.filePath("2.pdf");
    QFile written(pdf);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("%PDF-1.4\n");
    written.close();
    const auto windows = oneTopic(); // the checker keeps a reference
    Checker checker(windows);
    const Snapshot s = showing("", "");
    const auto step = [&](const QString& command, const QStringList& printed) {
        return !checker.check(s, {command, {}, printed, s}).has_value();
    };
    EXPECT_TRUE(step("save-working Form2 \"" + pdf + '"', {}));
    EXPECT_FALSE(step("save-figure Form2 \"" + svg + '"', {})) << "no file";
    EXPECT_TRUE(step("save-figure Form2 \"" + svg + '"', {"error 3: cannot save \"" + svg + '"'}));
    EXPECT_FALSE(step("print Form2 \"" + pdf + '"', {"message \"No printer\""}))
        << "a file left by a save that failed";
    EXPECT_FALSE(step("save-working Form2 \"" + pdf + '"', {"message \"a\"", "message \"b\""}));
}

// Any sequence of actions leaves open exactly the panes toggled an odd number of times since
// their window last opened.
TEST(RandomChecks, PanesFollowTheActions) {
    const auto windows = oneTopic();
    Generator g(5);
    for (int round = 0; round < 200; ++round) {
        Panes panes;
        Snapshot now;
        now.windows["Form1"];
        bool open = false, shown = false;
        for (int i = 0; i < 30; ++i) {
            static const std::vector<QString> actions = {"click Form2.Working", "key Form2 F2",
                                                         "close Form2", "click Form1.Command1",
                                                         "click Form2.Command1"};
            const QString action = g.pick(actions);
            panes.apply(action, now, windows);
            if (action == u"close Form2") shown = open = false, now.windows.erase("Form2");
            else if (action == u"click Form1.Command1") shown = true, now.windows["Form2"];
            else if (shown && togglesPane(action)) open = !open;
            ASSERT_EQ(panes.open("Form2"), open) << round << " " << i;
            if (open && action.contains(u"Command1") && action.startsWith(u"click Form2"))
                EXPECT_EQ(probesAfter(action, panes, windows),
                          (QStringList{"working Form2", "figure Form2"}));
        }
    }
}

} // namespace
