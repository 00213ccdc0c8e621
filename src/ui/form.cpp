// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "accessibility.h"
#include "desktop.h"
#include "entry/conversions.h"
#include "entry/fault.h"
#include "language.h"
#include "system_colours.h"
#include "text_room.h"
#include "widgets.h"
#include "working/bidi.h"
#include "working_pane.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QShortcut>

#include <algorithm>

namespace sb::ui {

namespace {

// The working pane's size beside the window; a short window grows to the pane's height.
constexpr int paneWidth = 420, paneLeastHeight = 480;
constexpr QSize workingButtonSize(96, 25);
constexpr int edge = 6; // the button's distance from the window's edges

} // namespace

QString faultMessage() { return Form::tr("Unreasonable Data!!!."); }

FormSpec FormSpec::translated() const {
    if (languageSpoken() == QStringLiteral("en")) return *this; // the tables are English
    FormSpec spoken = *this;
    const QByteArray context = name.toLatin1();
    const auto translate = [&](QString& text) {
        if (!text.isEmpty())
            text = QCoreApplication::translate(context.constData(), text.toUtf8().constData());
    };
    translate(spoken.caption);
    // a right-to-left language keeps the formulas of its labels and buttons left to right
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    for (Control& c : spoken.controls) {
        translate(c.text);
        if (rightToLeft && c.kind != Kind::TextBox) c.text = working::isolateFormulas(c.text);
        translate(c.tip);
        translate(c.spoken);
    }
    return spoken;
}

Form::Form(const FormSpec& written)
    : entry_(written.entry), exercises_(written.exercises), guide_(written.guide) {
    offerAccessibleInterfaces();
    const FormSpec paper = written.translated();
    setObjectName(paper.name);
    setWindowTitle(paper.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(paper.width), pixels(paper.height));
    if (paper.background) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *paper.background);
        // the window paints its own colour, so its labels keep the light desktop's ink
        p.setColor(QPalette::WindowText, system_colour::windowText);
        setPalette(p);
        setAutoFillBackground(true);
    }
    buildControls(this, paper.controls);
    for (const Control& c : paper.controls) controlNames_ << c.name;
    part_ = size();
    placeWorkingButton();
    // a right-to-left language reads the window from the right: every control mirrored
    if (layoutDirection() == Qt::RightToLeft) mirrorControls(this);

    QList<QWidget*> reading;
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus && w != workingButton_) reading << w;
    std::stable_sort(reading.begin(), reading.end(), [this](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    chainFocus(paper.tab == Tab::Exercises ? exerciseOrder(reading) : reading);

    // Enter in a box is a click on its exercise's first button, as a dialog's default button
    for (const Exercise& e : exercises_) {
        Q_ASSERT_X(!e.buttons.isEmpty(), "Form", qPrintable(paper.name));
        auto* solve = control<QAbstractButton>(e.buttons.front());
        for (const QString& name : e.boxes)
            connect(control<TextBox>(name), &TextBox::entered, solve, &QAbstractButton::click);
    }
}

QList<QWidget*> Form::exerciseOrder(const QList<QWidget*>& reading) const {
    QList<QWidget*> order;
    for (const Exercise& e : exercises_)
        for (const QStringList* names : {&e.boxes, &e.buttons, &e.answers})
            for (const QString& name : *names) order << control(name);
    const QSet<QWidget*> listed(order.cbegin(), order.cend());
    for (QWidget* w : reading)
        if (!listed.contains(w)) order << w;
    return order;
}

void Form::tabOrder(const QStringList& names) {
    QList<QWidget*> order;
    for (const QString& name : names) order << control(name);
    chainFocus(order);
}

std::vector<Typeface> Form::desktopTypefaces() {
    return {{QApplication::font("QPushButton"), tr("Show Working")}, {QApplication::font(), {}}};
}

// A topic window, which has a guide, gets a "Show Working" button. It goes in the first free
// corner of the window's own area, so it covers none of its controls; where every corner is
// taken, in a thin strip below it.
void Form::placeWorkingButton() {
    if (!guide_) return;
    workingButton_ = new QPushButton(tr("Show Working"), this);
    workingButton_->setObjectName(QStringLiteral("Working"));
    workingButton_->setToolTip(tr("Show or hide the worked steps and the figure (F2)"));
    workingButton_->setAccessibleDescription(workingButton_->toolTip());
    connect(workingButton_, &QPushButton::clicked, this, &Form::toggleWorking);
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(shortcut, &QShortcut::activated, this, &Form::toggleWorking);

    const QSize b = workingButtonSize;
    const int w = part_.width(), h = part_.height();
    const QPoint corners[] = {{w - edge - b.width(), h - edge - b.height()},
                              {edge, h - edge - b.height()},
                              {w - edge - b.width(), edge},
                              {edge, edge}};
    const auto taken = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    auto isFree = [&](const QRect& at) {
        const QRect room = at.adjusted(-3, -3, 3, 3);
        return std::none_of(taken.begin(), taken.end(), [&](const QWidget* c) {
            return c != workingButton_ && c->geometry().intersects(room);
        });
    };
    const auto corner = std::find_if(std::begin(corners), std::end(corners),
                                     [&](const QPoint& at) { return isFree(QRect(at, b)); });
    if (corner != std::end(corners)) {
        workingButton_->setGeometry(QRect(*corner, b));
    } else {
        setFixedSize(w, h + b.height() + 2 * edge);
        workingButton_->setGeometry(QRect(QPoint(w - edge - b.width(), h + edge), b));
    }
    closed_ = size();
}

const working::Working& Form::working() {
    if (!working_) {
        try {
            if (pending_) working_ = pending_();
            else working_ = guide_ ? working::introduction(guide_()) : working::Working{};
        } catch (...) { // a value the steps cannot show: tell it as the fault it is
            working_ = working::refusal({faultMessage()}, guide_ ? guide_() : working::Guide{});
        }
        pending_ = nullptr;
    }
    return *working_;
}

void Form::showWorking(std::function<working::Working()> build) { pending_ = std::move(build); }

bool Form::event(QEvent* event) {
    // A translated text that its control cannot show whole gets room before the window first
    // paints, and not sooner: measuring it starts the font machinery, which the main menu
    // leaves until it has mapped. The English texts are laid out for their controls.
    if (event->type() == QEvent::Paint && !roomMade_) {
        roomMade_ = true;
        if (languageSpoken() != QStringLiteral("en")) makeRoomForTexts(this);
    }
    return QWidget::event(event);
}

void Form::shiftControls(int by) {
    for (QWidget* w : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w != pane_) w->move(w->x() + by, w->y());
}

QStringList Form::workingLines() { return shownLines(working(), moreDetail_, layoutDirection()); }

bool Form::workingOpen() const { return pane_ && pane_->isVisible(); }

void Form::toggleWorking() {
    if (!workingButton_) return;
    if (workingOpen()) {
        pane_->hide();
        if (layoutDirection() == Qt::RightToLeft) shiftControls(-paneWidth);
        setFixedSize(closed_);
        workingButton_->setText(tr("Show Working"));
        return;
    }
    if (!pane_) {
        pane_ = new WorkingPane(this);
        connect(pane_, &WorkingPane::detailToggled, this, &Form::setMoreDetail);
        connect(pane_, &WorkingPane::printRequested, this, &Form::printWorking);
        connect(pane_, &WorkingPane::savePdfRequested, this, qOverload<>(&Form::saveWorkingAsPdf));
        QWidget* before = workingButton_;
        for (QWidget* next : pane_->focusOrder()) setTabOrder(before, next), before = next;
    }
    const int height = std::max(closed_.height(), paneLeastHeight);
    setFixedSize(closed_.width() + paneWidth, height);
    // after the window in the way it is read: on its left in a right-to-left language
    const bool onLeft = layoutDirection() == Qt::RightToLeft;
    if (onLeft) shiftControls(paneWidth);
    pane_->setGeometry(onLeft ? 0 : closed_.width(), 0, paneWidth, height);
    pane_->present(working(), moreDetail_);
    pane_->show();
    workingButton_->setText(tr("Hide Working"));
}

void Form::setMoreDetail(bool withDetail) {
    moreDetail_ = withDetail;
    if (workingOpen()) pane_->present(working(), moreDetail_);
}

// After each command: its own working, or why it was refused in the words it used; after one
// with nothing to work out (a Clear), the guide again.
void Form::commandDone() {
    if (!pending_ && !said_.isEmpty())
        pending_ = [said = said_, guide = guide_] {
            return working::refusal(said, guide ? guide() : working::Guide{});
        };
    working_.reset();
    if (workingOpen()) pane_->present(working(), moreDetail_);
}

void Form::chainFocus(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    // the working button comes after every control of the window's own, those the order
    // leaves out included
    if (workingButton_) {
        // the chain is a ring: the last control is the one Tab leaves to reach the first
        QWidget* first = order.isEmpty() ? this : order.first();
        QWidget* last = nullptr;
        for (QWidget* w = first->nextInFocusChain(); w != first; w = w->nextInFocusChain())
            if (w != workingButton_ && w->focusPolicy() & Qt::TabFocus) last = w;
        if (last) setTabOrder(last, workingButton_);
    }
    const auto firstBox = std::find_if(order.begin(), order.end(),
                                       [](QWidget* w) { return qobject_cast<QLineEdit*>(w); });
    if (firstBox != order.end()) (*firstBox)->setFocus();
    else if (!order.isEmpty()) order.first()->setFocus();
}

QLineEdit* Form::box(const QString& name) const { return control<QLineEdit>(name); }

QLabel* Form::label(const QString& name) const { return control<QLabel>(name); }

void Form::onClick(const QString& name, std::function<void()> handler,
                   const QStringList& emptiedOnFault) {
    auto guarded = [this, name, handler = std::move(handler), emptiedOnFault] {
        said_.clear();
        lastCommand_ = name;
        pending_ = nullptr;
        inCommand_ = true;
        try {
            handler();
        } catch (const ArithmeticFault&) {
            pending_ = nullptr; // whatever working the command had begun is not its answer
            say(faultMessage());
            empty(emptiedOnFault);
        }
        inCommand_ = false;
        commandDone();
        // only commands write answers, so after each one the changed answers are told
        for (OutputLabel* answer : findChildren<OutputLabel*>()) answer->announce();
    };
    QWidget* source = control(name);
    if (auto* b = qobject_cast<QAbstractButton*>(source))
        connect(b, &QAbstractButton::clicked, this, guarded);
    else if (auto* l = qobject_cast<ClickableLabel*>(source))
        connect(l, &ClickableLabel::clicked, this, guarded);
    else Q_ASSERT_X(false, "Form::onClick", qPrintable(name));
}

void Form::empty(const QStringList& names) {
    for (const QString& name : names) {
        QWidget* emptied = control(name);
        if (auto* l = qobject_cast<QLabel*>(emptied)) l->clear();
        else if (auto* b = qobject_cast<QLineEdit*>(emptied)) b->clear();
    }
}

std::optional<std::vector<double>> Form::readAll(const QStringList& boxes) {
    inputsValid = true;
    std::vector<double> values;
    for (const QString& name : boxes) values.push_back(eval(box(name)));
    if (!inputsValid) return std::nullopt;
    return values;
}

QString Form::writeBack(const QString& name) {
    QLineEdit* written = box(name);
    const QString whole = resultText(eval(written));
    written->setText(whole);
    written->setCursorPosition(0); // the box shows the number from its first digit
    return whole;
}

double Form::shownNumber(const QString& name) const { return numberOf(box(name)->text()); }

void Form::showResult(const QString& output, double value) {
    label(output)->setText(resultText(value));
}

void Form::say(const QString& message) {
    const QString text =
        layoutDirection() == Qt::RightToLeft ? working::isolateFormulas(message) : message;
    if (inCommand_) said_ << text;
    Desktop::current().showMessage(this, text);
}

double Form::eval(const QLineEdit* box) {
    Q_ASSERT(entry_);
    return sb::eval(box->text(), inputsValid, *entry_, [this](const QString& m) { say(m); });
}

} // namespace sb::ui
