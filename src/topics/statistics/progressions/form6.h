// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progressions_working.h"
#include "ui/form.h"

#include <functional>
#include <initializer_list>

namespace sb {

// Arithmetic And Geometric Progression: eleven one-line problems, each reading only the
// boxes of its own row and writing only those boxes and its own answer.
class Form6 : public ui::Form {
    Q_OBJECT
public:
    Form6();
    // The window as drawn up on paper: its controls, read without building it.
    static ui::FormSpec paper();

private:
    void Command1_Click();
    void Command2_Click();
    void Command8_Click();
    void Command3_Click();
    void Command6_Click();
    void ans6_Click();
    void command20_Click();
    void command21_Click();
    void command22_Click();
    void Command10_Click();
    void Command4_Click();

    using Box = progressions::Box;
    using Boxes = std::vector<Box>;

    // Reads the named box and writes back its number, keeping for the working what was typed
    // and written; its value is taken from the box once the row is found valid.
    Box rewrite(const QString& name, const QString& letter);
    // Reads the named box, which keeps its text as typed.
    Box held(const QString& name, const QString& letter);
    // A fresh reading of the (name, letter) boxes, each written back, into read; false when
    // one was bad.
    bool rewriteRow(Boxes& read, std::initializer_list<std::pair<const char*, const char*>> boxes);
    void takeShown(Boxes& read);
    // Shows the row's answer and hands the pane its working.
    // Takes the numbers the written-back boxes show, runs the row's routine on them, shows its
    // answer and hands the pane its working; a box that shows no number, or a routine that
    // faults, ends with the fault message, an empty answer and the working saying why.
    void answer(const QString& output, progressions::Row row, Boxes& read,
                const std::function<progressions::Worked()>& routine);
    // Tells a refused value and hands the pane the working saying why it was refused; read
    // takes the numbers its written-back boxes show.
    void refuse(const QString& message, progressions::Row row, Boxes& read);
};

} // namespace sb
