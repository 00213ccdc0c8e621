#include "form.h"

#include "desktop.h"
#include "entry/fault.h"
#include "widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace sb::ui {

Form::Form(const FormSpec& spec) : entry_(spec.entry) {
    setObjectName(spec.name);
    setWindowTitle(spec.caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(pixels(spec.width), pixels(spec.height));
    if (spec.background) {
        QPalette p = palette();
        p.setColor(QPalette::Window, *spec.background);
        setPalette(p);
        setAutoFillBackground(true);
    }
    buildControls(this, spec.controls);
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

void Form::say(const QString& text) { Desktop::current().showMessage(this, text); }

double Form::eval(const QLineEdit* box) {
    Q_ASSERT(entry_);
    return sb::eval(box->text(), inputsValid, *entry_, [this](const QString& m) { say(m); });
}

} // namespace sb::ui
