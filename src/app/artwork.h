#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

// Pictures the program draws itself rather than ships as files.
namespace sb::artwork {

QPixmap donationButton(); // 93 x 31 pixels, a "Donate" button
QCursor linkPointer();    // 32 x 32, a pointing hand
QIcon programIcon();

} // namespace sb::artwork
