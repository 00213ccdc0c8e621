#pragma once

#include "entry/conversions.h"

#include <string>

// The text a window shows for a result, with the decimal point of en_US.
inline std::string shown(double value) {
    return sb::resultText(value, QLocale(QStringLiteral("en_US"))).toStdString();
}
