// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What sumbrook-random checks of the working pane's texts and of the files it saves.

#include "../stands_in.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace random_actions {

// nan or inf written as a word ("nan", "-inf", "Infinity"), but not inside one ("Infinite").
bool showsNotANumber(const QString& text);
// A negative zero in any decimal mark: "-0", "-0,00", "-0E+00".
bool showsNegativeZero(const QString& text);

using sb_tests::standsIn;

// What is wrong with a file the driver wrote by the name it was given (.svg, .png, .pdf):
// nothing when it is a whole file of its kind, else why not.
std::optional<QString> savedFileFault(const QString& name, const QByteArray& bytes);

} // namespace random_actions
