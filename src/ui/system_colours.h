// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The desktop's named colours as the windows use them (classic desktop shades).
namespace sb::ui::system_colour {
inline const QColor activeCaption{10, 36, 106};
inline const QColor inactiveCaption{128, 128, 128};
inline const QColor inactiveCaptionText{212, 208, 200};
inline const QColor captionText{255, 255, 255};
inline const QColor toolTipBackground{255, 255, 225};
inline const QColor windowText{0, 0, 0}; // the ink of a light desktop
} // namespace sb::ui::system_colour
