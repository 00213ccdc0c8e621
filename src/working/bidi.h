// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace sb::working {

// A line of the working for a right-to-left language, its formulas kept left to right: each
// run from a letter, digit or symbol that is not right to left up to the last such one before
// the next right-to-left word, when it holds a letter or a digit, is put between a
// left-to-right isolate (U+2066) and its end (U+2069), so "32 ÷ 8 = 4" reads as written
// inside Arabic words; brackets, dashes and signs at a run's ends stay the words' own. An equals sign or colon
// that joins the words to a formula, and the punctuation that ends a sentence, stay outside
// with the words. A line without a right-to-left letter is one formula, isolated whole; a
// line that holds an isolate already is left as it is.
QString isolateFormulas(const QString& line);

// True when the text holds a letter of a right-to-left script (Arabic).
bool hasRightToLeftLetter(const QString& text);

} // namespace sb::working
