// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list pasted or dropped into a statistics list box: a column or a row from a spreadsheet, or
// the lines of a text file, become the list the box takes, its values one blank apart.

#include <QString>

namespace sb {

// Every run of line breaks, carriage returns and tabs, with the blanks next to it, becomes one
// blank; at either end of the text it is dropped. A text without them is kept as it is.
QString pastedList(QStringView text);

// The text of a dropped file as a list: as pastedList, and commas and semicolons separate
// values as line breaks do. Where the desktop's decimal mark is a comma, a comma between two
// digits is a decimal mark and stays.
QString fileList(QStringView text, QStringView decimalMark);

} // namespace sb
