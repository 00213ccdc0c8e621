// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "script.h"
#include "ui/desktop.h"

#include <QDir>
#include <QLocale>
#include <QObject>
#include <QPalette>
#include <QTextStream>

class QWidget;
namespace sb::ui {
class Form;
}

namespace sb::drive {

// Prints the transcript: one line an event, and remembers whether any was an error.
class Transcript {
public:
    explicit Transcript(QTextStream& out) : out_(out) {}
    void say(const QString& line);
    void error(int lineNumber, const QString& what);
    bool hadError() const { return hadError_; }

private:
    QTextStream& out_;
    bool hadError_ = false;
};

// Requests to start a program or open an address are written down, not carried out;
// message boxes are the real ones, answered by the driver.
class RecordingDesktop : public ui::Desktop {
public:
    explicit RecordingDesktop(Transcript& transcript) : transcript_(transcript) {}
    bool startProgram(const QString& name) override;
    bool openUrl(const QString& address) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    // a save dialog is answered with Cancel: save-working and save-figure name their files
    QString chooseSaveFile(QWidget*, const QString&, const QString&) override { return {}; }
    bool canIssue = true; // "desktop ok" / "desktop fail"
    QString printTo;      // the file "print" prints to, as the print dialog's "print to file"

private:
    Transcript& transcript_;
};

// Answers every message box as it is shown: writes its text down, checks that it is modal,
// titled with the program's title and has one OK button, and presses OK.
class MessageBoxAnswerer : public QObject {
public:
    explicit MessageBoxAnswerer(Transcript& transcript) : transcript_(transcript) {}
    int lineNumber = 0; // the script line being carried out, for error lines

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answer(QWidget* box);
    Transcript& transcript_;
};

// Carries out script commands on the program's real windows.
class Driver {
public:
    // locale: the program's locale until a script sets another
    Driver(Transcript& transcript, const QLocale& locale);
    void run(int lineNumber, const Command& command);
    QDir scriptFolder; // where relative paths of paste-file start

private:
    QWidget* window(const QString& name) const; // the open window of that class name
    QWidget* target(const QString& formDotControl) const;
    void settle();

    void type(const Command& c);
    void paste(const Command& c);
    void pasteFile(const Command& c);
    void pasteInto(const QString& formDotControl, const QString& text);
    void click(const Command& c);
    void key(const Command& c);
    void clipboard(const Command& c);
    void show(const Command& c);
    void close(const Command& c);
    void windows();
    void controls();
    void locale(const Command& c);
    void desktop(const Command& c);
    void screenshot(const Command& c);
    void accessible(const Command& c);
    void focusChain(const Command& c);
    void geometry(const Command& c);
    void palette(const Command& c);
    void working(const Command& c);
    void figure(const Command& c);
    void saveFigure(const Command& c);
    // the working on paper: saved as PDF, and printed to a PDF file
    void saveWorking(const Command& c);
    void print(const Command& c);
    ui::Form* form(const QString& name) const; // the open window, which must be a topic window

    Transcript& transcript_;
    RecordingDesktop desktop_;
    MessageBoxAnswerer answerer_;
    bool ended_ = false;
    QPalette light_; // the desktop's palette at start
};

} // namespace sb::drive
