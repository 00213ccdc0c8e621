// SPDX-License-Identifier: GPL-3.0-or-later
// A topic window's working on paper: printed, or saved as PDF.
#include "form.h"

#include "desktop.h"
#include "widgets.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>

namespace sb::ui {

std::vector<ShownValue> Form::lastExercise() const {
    std::vector<ShownValue> out;
    if (lastCommand_.isEmpty()) return out;
    const auto add = [&](const QString& name, bool evenEmpty) {
        const QWidget* w = control(name);
        QString heading = w->accessibleName(), text;
        if (auto* answer = qobject_cast<const OutputLabel*>(w)) heading = answer->heading();
        if (auto* box = qobject_cast<const QLineEdit*>(w)) text = box->text();
        else if (auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
        if (heading.isEmpty()) heading = name;
        if (evenEmpty || !text.isEmpty()) out.push_back({heading, text});
    };
    const auto pressed = std::find_if(exercises_.begin(), exercises_.end(), [&](const Exercise& e) {
        return e.buttons.contains(lastCommand_);
    });
    if (pressed != exercises_.end()) {
        for (const QString& name : pressed->boxes) add(name, true);
        for (const QString& name : pressed->answers) add(name, false);
    } else {
        for (const Exercise& e : exercises_)
            for (const QStringList* names : {&e.boxes, &e.answers})
                for (const QString& name : *names) add(name, false);
    }
    for (const QString& message : said_) out.push_back({tr("Message"), message});
    return out;
}

WorkingDocument Form::workingDocument() {
    return {windowTitle(), lastExercise(), working().figure, workingLines(), layoutDirection()};
}

void Form::printWorking() {
    const WorkingDocument document = workingDocument();
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer, document);
    if (!Desktop::current().choosePrinter(this, printer)) return;
    if (!paintDocument(document, printer))
        Desktop::current().showMessage(this, tr("The working could not be printed."));
}

void Form::saveWorkingAsPdf() {
    // the caption and the button of the exercise: "Statistics - Mean.pdf"
    QString name = windowTitle();
    if (auto* button = findChild<QAbstractButton*>(lastCommand_); button && !lastCommand_.isEmpty())
        name += QStringLiteral(" - ") + button->text();
    static const QRegularExpression unfit(QStringLiteral(R"([\\/:*?"<>|&\x00-\x1f]+)"));
    name = name.replace(unfit, QStringLiteral(" ")).simplified() + QStringLiteral(".pdf");
    QString path = Desktop::current().chooseSaveFile(this, name, tr("PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0) path += u".pdf";
    saveWorkingAsPdf(path);
}

bool Form::saveWorkingAsPdf(const QString& path) {
    const auto failed = savePdf(workingDocument(), path);
    if (failed) Desktop::current().showMessage(this, *failed);
    return !failed;
}

} // namespace sb::ui
