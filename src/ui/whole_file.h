// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace sb::ui {

// Writes bytes to path whole or not at all: into a file beside it, renamed over it once every
// byte is written, so a full disk or an unwritable folder leaves a file already there as it
// was. False when it cannot be written.
bool writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace sb::ui
