// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the maker can be reached; both are build options.
namespace sb::maker {
inline const QString supportEmail = QStringLiteral(SUMBROOK_SUPPORT_EMAIL);
inline const QString website = QStringLiteral(SUMBROOK_WEBSITE);
} // namespace sb::maker
