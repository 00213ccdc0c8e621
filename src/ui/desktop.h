// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace sb::ui {

// Everything that leaves the program goes through here: message boxes, starting another
// program, asking the desktop to open an address, asking where to save a file and how to
// print.
// The driver installs a recording one.
class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box titled "Sumbrook" with one OK button; returns when it is answered.
    virtual void showMessage(QWidget* parent, const QString& text);
    // Starts a program by name, not waiting for it; false when it cannot be started.
    virtual bool startProgram(const QString& name);
    // Asks the desktop to open an address; false when the request cannot be issued.
    virtual bool openUrl(const QString& address);
    // Asks the pupil where to save a file (a suggested name and a filter such as
    // "SVG drawing (*.svg)"); the path chosen, or empty when the pupil cancels.
    virtual QString chooseSaveFile(QWidget* parent, const QString& suggested,
                                   const QString& filter);
    // Asks the pupil how to print (the printer, its pages, or a file to print to), setting
    // printer up; false when the pupil cancels.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer);

    static Desktop& current();
    // Makes desktop the current one; the caller keeps it alive while it is installed.
    static void install(Desktop* desktop);
};

inline const QString programTitle = QStringLiteral("Sumbrook");

} // namespace sb::ui
