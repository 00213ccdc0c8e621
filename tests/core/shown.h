// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/conversions.h"

#include <string>

// A result as a window shows it, in the en_US locale the expected texts are written in.
inline std::string shown(double value) {
    return sb::resultText(value, QLocale(QStringLiteral("en_US"))).toStdString();
}
