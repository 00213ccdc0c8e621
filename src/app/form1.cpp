// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "artwork.h"
#include "maker.h"
#include "ui/desktop.h"
#include "ui/system_colours.h"
#include "window_registry.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>

namespace sb {

namespace {

using namespace ui;

// The topic buttons and the window each one shows.
const std::pair<const char*, const char*> opens[] = {
    {"Command2", "Form3"},  {"Command3", "Form4"},  {"Command15", "Form8"},
    {"Command6", "Form9"},  {"Command13", "Form7"}, {"Command12", "Form12"},
    {"Command1", "Form2"},  {"Command5", "Form6"},  {"Command16", "Form11"},
    {"Command7", "Form10"}, {"Command4", "Form5"},  {"Command8", "Form13"},
    {"Command9", "Form14"},
};

// The calculators tried in turn, the first that starts wins.
QStringList calculators() {
#if defined(Q_OS_WIN)
    return {"calc.exe"};
#elif defined(Q_OS_MACOS)
    return {"/System/Applications/Calculator.app/Contents/MacOS/Calculator"};
#else
    return {"gnome-calculator", "kcalc", "qalculate-gtk", "galculator", "mate-calc", "xcalc"};
#endif
}

Control topic(const QString& name, const QString& caption, Twips at, QColor colour) {
    return button(name, caption, at).bold().size(9.75).background(colour);
}

FormSpec form1Spec() {
    namespace sys = system_colour;
    return {
        "Form1",
        "Sumbrook",
        11130,
        7200,
        sys::activeCaption,
        {
            topic("Command2",
                  QT_TRANSLATE_NOOP(
                      "Form1", "Conversion : Fraction, Improper  Fractions, Decimal fractions "),
                  {480, 480, 2175, 1695}, QColor(0x80FFFF))
                .toolTip(QT_TRANSLATE_NOOP("Form1", "25/4 is 6 1/4 , 1/4 is 0.25")),
            //: the blanks only break the lines in the button; the words wrap by themselves
            topic("Command3",
                  QT_TRANSLATE_NOOP("Form1", "Operators On           Fractions :                "
                                             "[ +, - , * , / ,<  , = ,> ]  Common -               "
                                             "Denominator   ,     Reduction              "),
                  {3120, 480, 2175, 1695}, QColor(0xC0C0FF)),
            topic("Command14", QT_TRANSLATE_NOOP("Form1", "Areas And Perimeters"),
                  {5760, 480, 2175, 375}, sys::captionText)
                .size(8.25),
            topic("Command15", QT_TRANSLATE_NOOP("Form1", "Quadrilateral"), {5760, 840, 2175, 615},
                  QColor(0xFFE0C0)),
            topic("Command6", QT_TRANSLATE_NOOP("Form1", "Triangle"), {5760, 1440, 1095, 735},
                  QColor(0xFF80FF)),
            topic("Command13", QT_TRANSLATE_NOOP("Form1", "Circle"), {6840, 1440, 1095, 735},
                  QColor(0xC0FFC0)),
            topic("Command12", QT_TRANSLATE_NOOP("Form1", "Traffic And Percentage Problems"),
                  {8400, 480, 2175, 1695}, QColor(0x9FC0C9)),
            topic("Command1", QT_TRANSLATE_NOOP("Form1", "Solving Quadratic Equation"),
                  {480, 2640, 2175, 1695}, sys::inactiveCaptionText)
                .toolTip("A*X ^ 2 + B*X + C = 0"),
            topic("Command5",
                  QT_TRANSLATE_NOOP("Form1",
                                    "Progression: Geometric Progression , Arithmetic Progression"),
                  {3120, 2640, 2175, 1695}, QColor(0xFFFFC0)),
            topic("Command17", QT_TRANSLATE_NOOP("Form1", "Triangles"), {5760, 2640, 2175, 360},
                  sys::captionText)
                .size(8.25),
            topic("Command16", QT_TRANSLATE_NOOP("Form1", "The Law Of Sines"),
                  {5760, 3000, 2175, 655}, sys::inactiveCaption),
            topic("Command7", QT_TRANSLATE_NOOP("Form1", "The Law Of Cosines"),
                  {5760, 3660, 2175, 670}, QColor(0xFFC0C0)),
            topic("Command4",
                  QT_TRANSLATE_NOOP("Form1", "Statistics  Mean, Standard-Deviation ,Variance"),
                  {8400, 2640, 2175, 1695}, QColor(0xC0FFFF)),
            topic("Command8", QT_TRANSLATE_NOOP("Form1", "Complex Numbers"),
                  {480, 4800, 2175, 1695}, QColor(0xC0FFC0)),
            topic("Command11", QT_TRANSLATE_NOOP("Form1", "Calculator"), {3120, 4800, 2175, 1695},
                  QColor(0x80FF80)),
            topic(
                "Command10",
                QT_TRANSLATE_NOOP("Form1", "Contact Me With Your Requests Suggestions , Comments"),
                {5760, 4800, 2175, 1695}, sys::toolTipBackground),
            topic("Command9", QT_TRANSLATE_NOOP("Form1", "Donate"), {8400, 4800, 2175, 1695},
                  sys::captionText)
                .size(12),
            //: %1 is the program's web address
            link("Label1",
                 QCoreApplication::translate("Form1", "Visit Sumbrook on the web: %1")
                     .arg(maker::website),
                 {480, 6720, 6975, 375})
                .background(sys::activeCaption)
                .foreground(QColor(0xFF00FF)),
        },
        std::nullopt,
    };
}

// A pupil's pointer comes to rest on a button a moment before it clicks, and the keyboard
// brings the focus to a button before it presses it: the window is built then, hidden, so
// that the click only shows it. Passing over a button on the way elsewhere builds nothing.
// A click made without that rest still holds the button down for a moment before it is let go,
// and the window is built in that moment, once the button shows itself pressed.
constexpr int restMs = 50;

} // namespace

Form1::Form1(WindowRegistry& registry) : Form(form1Spec()), registry_(registry) {
    for (const auto& [button, window] : opens) {
        onClick(button, [this, window = QString(window)] { registry_.show(window); });
        topicOf_[control(button)] = window;
        control(button)->installEventFilter(this);
    }
    rest_.setSingleShot(true);
    connect(&rest_, &QTimer::timeout, this, [this] { registry_.prepare(resting_); });
    onClick("Command11", [this] { Command11_Click(); });
    onClick("Command10", [this] { Command10_Click(); });
    onClick("Label1", [this] { Label1_Click(); });
    // the web line's pointer is drawn when the mouse first comes over it, not before the
    // menu is on the screen
    label("Label1")->installEventFilter(this);
}

void Form1::watchForATopic(QObject* button, QEvent* event) {
    int wait = restMs;
    switch (event->type()) {
    case QEvent::HoverMove: break; // moving on it: rests once it stops
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return;
        wait = 0;
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return;
        break;
    }
    case QEvent::HoverLeave: // passed over it; the focus moving on starts its own rest
        if (resting_ == topicOf_[button]) rest_.stop();
        return;
    default: return;
    }
    resting_ = topicOf_[button];
    rest_.start(wait);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (topicOf_.contains(watched)) {
        watchForATopic(watched, event);
        return Form::eventFilter(watched, event);
    }
    if (event->type() == QEvent::Enter) {
        auto* link = static_cast<QWidget*>(watched);
        link->setCursor(artwork::linkPointer());
        link->removeEventFilter(this);
    }
    return Form::eventFilter(watched, event);
}

void Form1::Command11_Click() {
    for (const QString& calculator : calculators())
        if (Desktop::current().startProgram(calculator)) return;
    say(tr("Cant Find Your Windows Calculator"));
}

void Form1::Command10_Click() {
    const QString mail = "mailto:" + maker::supportEmail + "?subject=Suggestions , Comments";
    if (!Desktop::current().openUrl(mail))
        //: %1 is the maker's email address
        say(tr("Cant Open You Email Programe, My Email Is %1").arg(maker::supportEmail));
}

void Form1::Label1_Click() { Desktop::current().openUrl(maker::website); }

} // namespace sb
