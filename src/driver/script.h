// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The driver's script language: one command a line, words and double-quoted TEXT with
// \" \\ \n \t \uXXXX escapes. The same quoting is used for the transcript.

#include <QString>
#include <QStringList>

#include <optional>

namespace sb::drive {

struct Command {
    QString verb;      // type, click, show, close, windows, controls, locale, desktop, screenshot
    QStringList words; // the unquoted words after the verb, e.g. Form2.A
    std::optional<QString> text; // the quoted TEXT, when the line has one
};

struct ParsedLine {
    std::optional<Command> command; // none for blank lines and comments
    QString error;                  // why the line could not be read, when it could not
};

ParsedLine parseLine(const QString& line);

// TEXT as the transcript writes it: quoted, with \" \\ \n \t escaped and every other control
// character or half surrogate pair as \uXXXX.
QString quoted(const QString& text);

} // namespace sb::drive
