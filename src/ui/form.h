// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls.h"
#include "entry/value_entry.h"
#include "typefaces.h"
#include "working/working.h"
#include "working_document.h"

#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPushButton;

namespace sb::ui {

// One exercise of a window: the boxes a pupil fills, in the order the value is written (a
// mixed number: whole part, numerator, denominator), the buttons that solve it and the
// answers they write. Enter in one of its boxes presses its first button.
struct Exercise {
    QStringList boxes, buttons, answers;
};

// An exercise from three lists of control names, each separated by blanks.
inline Exercise exercise(const QString& boxes, const QString& buttons, const QString& answers) {
    const auto names = [](const QString& list) { return list.split(u' ', Qt::SkipEmptyParts); };
    return {names(boxes), names(buttons), names(answers)};
}

// The way Tab goes through a window: in reading order (top to bottom, then left to right),
// or through its exercises as listed, each with its boxes, then its buttons, then its answers.
enum class Tab { Reading, Exercises };

// What a window is on paper: its class name, caption, client area, colour, controls, and the
// exercises its controls make up.
struct FormSpec {
    QString name; // the window's class name, Form1 .. Form14
    QString caption;
    int width, height; // client area in twips
    std::optional<QColor> background;
    ControlTable controls;
    std::optional<EntryRules> entry; // for windows that read values with eval
    // What the boxes take and one example worked out: the working pane before any command
    // and after a refused one. Called only when somebody looks at the working.
    working::Guide (*guide)() = nullptr;
    std::vector<Exercise> exercises = {}; // in reading order
    Tab tab = Tab::Reading;

    // The window in the language spoken: its caption and its controls' texts, tips and
    // spoken names as translated in the context of its class name (the tables mark them
    // with QT_TRANSLATE_NOOP("Form2", ...)).
    FormSpec translated() const;

    // The same window with these exercises, Tab going the way given.
    FormSpec withExercises(std::vector<Exercise> list, Tab way = Tab::Reading) const {
        FormSpec copy = *this;
        copy.exercises = std::move(list);
        copy.tab = way;
        return copy;
    }
};

class WorkingPane;

// The one answer to an arithmetic fault that a command did not anticipate, in the language
// spoken.
QString faultMessage();

// A top-level window built from its FormSpec. Closing it discards it. Tab visits its boxes,
// buttons, answers and links in reading order or exercise by exercise, as its FormSpec says
// (what belongs to no exercise then comes last, in reading order), unless the window gives
// its own order; its first box has the focus when it opens.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const FormSpec& paper);

    // The typefaces a topic window shows besides its table's: the "Show Working" caption in the
    // desktop's button font, and the plain desktop font its boxes lay their empty text out in
    // when they are made. Nothing else is shown in them.
    static std::vector<Typeface> desktopTypefaces();

    // The names of the window's controls, in table order.
    const QStringList& controlNames() const { return controlNames_; }
    const std::vector<Exercise>& exercises() const { return exercises_; }

    // The working pane on the right, opened and closed by the "Show Working" button: the
    // guide before any command, then the working of the last command, or why it was refused.
    const working::Working& working();
    // The step lines the pane shows (whether it is open or not).
    QStringList workingLines();
    bool workingOpen() const;
    void toggleWorking();
    void setMoreDetail(bool withDetail);

    // The working on paper (see working_document.h): the caption, the last command's
    // exercise as its boxes hold it and the window answered it, the figure and the steps.
    WorkingDocument workingDocument();
    // The exercise of the last command: the boxes and answers of the exercise whose button
    // was pressed (of every exercise, those with text, for a button of none), then the
    // messages the command gave; nothing before the first command.
    std::vector<ShownValue> lastExercise() const;
    // "Print...": the desktop's print dialog, then the pages.
    void printWorking();
    // "Save as PDF...": asks where, proposing a name from the caption and the exercise.
    void saveWorkingAsPdf();
    // Writes the PDF to path; a message naming the file when it cannot. True when written.
    bool saveWorkingAsPdf(const QString& path);

protected:
    template <class T = QWidget> T* control(const QString& name) const {
        T* found = findChild<T*>(name);
        Q_ASSERT_X(found, "Form::control", qPrintable(name));
        return found;
    }
    QLineEdit* box(const QString& name) const;
    QLabel* label(const QString& name) const;

    // Runs handler when the named button or clickable label is clicked. An arithmetic
    // fault inside it ends the command with faultMessage; what it had not written yet
    // stays unwritten, and the controls named in emptiedOnFault (labels or boxes) are
    // emptied after the message.
    void onClick(const QString& name, std::function<void()> handler,
                 const QStringList& emptiedOnFault = {});

    void say(const QString& text);

    bool event(QEvent* event) override;

    // Hands the pane the working of this command's answer. build runs only when somebody
    // looks at the working, so a command costs nothing more while the pane is closed; it
    // must capture the values the command computed, never compute them again.
    void showWorking(std::function<working::Working()> build);

    // Empties the named labels and boxes, in order.
    void empty(const QStringList& names);

    // Tab visits the named controls in this order; the first box among them gets the focus.
    void tabOrder(const QStringList& names);

    // Reads a box with this window's value entry rules (see value_entry.h).
    double eval(const QLineEdit* box);
    bool inputsValid = false;

    // A fresh reading of the named boxes in the order given, every one of them even after a
    // refused one (each tells its own message); their numbers, or nothing when any was
    // refused.
    std::optional<std::vector<double>> readAll(const QStringList& boxes);

    // Reads the box and writes back the number it was read as ("0" for a refused text). The
    // box keeps at most its maximum length, so a longer number is cut there, and from then
    // on the cut text is the value: read it with shownNumber. Returns the whole text, as it
    // was before the box cut it.
    QString writeBack(const QString& box);
    // The number of the text a box shows; a text that is no number is a fault.
    double shownNumber(const QString& box) const;

    // Writes the result text of value into the named label.
    void showResult(const QString& output, double value);

private:
    QList<QWidget*> exerciseOrder(const QList<QWidget*>& reading) const;
    void chainFocus(const QList<QWidget*>& order);
    void placeWorkingButton();
    void shiftControls(int by); // all but the pane, sideways
    void commandDone();

    std::optional<EntryRules> entry_;
    QStringList controlNames_;
    std::vector<Exercise> exercises_;
    QSize part_;   // the window's own area, which keeps its pixels when the pane opens
    QSize closed_; // the window with its pane closed: its own area and the button's strip

    working::Guide (*guide_)() = nullptr;
    QPushButton* workingButton_ = nullptr;
    WorkingPane* pane_ = nullptr;               // made when first opened
    std::function<working::Working()> pending_; // the last command's working, not built yet
    std::optional<working::Working> working_;
    bool moreDetail_ = false;
    bool roomMade_ = false; // for the translated texts, at the first paint
    bool inCommand_ = false;
    QStringList said_;    // the messages of the command running
    QString lastCommand_; // the button or label of the last command
};

} // namespace sb::ui
