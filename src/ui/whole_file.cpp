// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file.h"

#include <QSaveFile>

namespace sb::ui {

bool writeWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    // one write: a disk that fills up mid-way writes fewer bytes without telling an error,
    // so the count is what shows it
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace sb::ui
