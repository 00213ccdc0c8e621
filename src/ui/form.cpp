// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include "desktop.h"
#include "entry/conversions.h"
#include "entry/fault.h"
#include "system_colours.h"
#include "widgets.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace sb::ui {

Form::Form(const FormSpec& paper) : entry_(paper.entry) {
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

    QList<QWidget*> reading;
    for (QWidget* w : findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus) reading << w;
    std::stable_sort(reading.begin(), reading.end(), [this](QWidget* a, QWidget* b) {
        const QPoint pa = a->mapTo(this, QPoint()), pb = b->mapTo(this, QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    chainFocus(reading);
}

void Form::tabOrder(const QStringList& names) {
    QList<QWidget*> order;
    for (const QString& name : names) order << control(name);
    chainFocus(order);
}

void Form::chainFocus(const QList<QWidget*>& order) {
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    const auto firstBox = std::find_if(order.begin(), order.end(),
                                       [](QWidget* w) { return qobject_cast<QLineEdit*>(w); });
    if (firstBox != order.end()) (*firstBox)->setFocus();
    else if (!order.isEmpty()) order.first()->setFocus();
}

QLineEdit* Form::box(const QString& name) const { return control<QLineEdit>(name); }

QLabel* Form::label(const QString& name) const { return control<QLabel>(name); }

void Form::onClick(const QString& name, std::function<void()> handler,
                   const QStringList& emptiedOnFault) {
    auto guarded = [this, handler = std::move(handler), emptiedOnFault] {
        try {
            handler();
        } catch (const ArithmeticFault&) {
            say(faultMessage);
            empty(emptiedOnFault);
        }
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

void Form::writeBack(const QString& name) {
    QLineEdit* written = box(name);
    written->setText(resultText(eval(written)));
    written->setCursorPosition(0); // the box shows the number from its first digit
}

double Form::shownNumber(const QString& name) const { return numberOf(box(name)->text()); }

void Form::showResult(const QString& output, double value) {
    label(output)->setText(resultText(value));
}

void Form::say(const QString& text) { Desktop::current().showMessage(this, text); }

double Form::eval(const QLineEdit* box) {
    Q_ASSERT(entry_);
    return sb::eval(box->text(), inputsValid, *entry_, [this](const QString& m) { say(m); });
}

} // namespace sb::ui
