// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language the program's texts are in, apart from the number format, which keeps
// following the desktop's (a German number format in English windows shows "0,5").

#include <QString>
#include <QStringList>

namespace sb::ui {

// The languages the program speaks besides English: their codes, as the translations name
// them.
const QStringList& languages();

// Speaks the language of code ("de", "de_AT", "pt_BR", "ar_EG", "en") from now on: the
// program's texts, Qt's own dialogs where Debian's Qt translations are installed, and the
// layout direction. False for a code the program has no translation for; it then speaks
// English.
bool useLanguage(const QString& code);

// Speaks the first language of the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, as Qt
// reads them) that the program has, else English.
void useDesktopLanguage();

// The code of the language spoken: "en", or one of languages().
QString languageSpoken();

} // namespace sb::ui
