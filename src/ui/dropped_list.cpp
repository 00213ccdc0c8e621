// SPDX-License-Identifier: GPL-3.0-or-later
#include "dropped_list.h"

#include "entry/list_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace sb::ui {

namespace {

class DroppedFiles {
    Q_DECLARE_TR_FUNCTIONS(DroppedFiles)
public:
    // The values of one file, or its message in message.
    static QString read(const QString& path, QStringView decimalMark, QString& message) {
        const QString name = QDir::toNativeSeparators(path);
        const auto refuse = [&](const QString& why) {
            message = why;
            return QString();
        };
        const auto tooLarge = [&] {
            return refuse(tr("%1 is too large: the box takes files of at most %2 MB.")
                              .arg(name)
                              .arg(droppedFileLimit / (1024 * 1024)));
        };
        QFile file(path);
        if (QFileInfo(file).size() > droppedFileLimit) return tooLarge();
        if (!file.open(QIODevice::ReadOnly)) return refuse(tr("%1 could not be read.").arg(name));
        const QByteArray bytes = file.read(droppedFileLimit + 1);
        if (bytes.size() > droppedFileLimit) return tooLarge(); // it grew since
        const auto encoding =
            QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
        QStringDecoder decode(encoding);
        const QString text = decode(bytes);
        if (decode.hasError() || text.contains(QChar(0)))
            return refuse(tr("%1 is not a text file, so nothing was taken from it.").arg(name));
        return fileList(text, decimalMark);
    }
};

} // namespace

DroppedList readDroppedList(const QStringList& paths, QStringView decimalMark) {
    DroppedList dropped;
    for (const QString& path : paths) {
        const QString values = DroppedFiles::read(path, decimalMark, dropped.message);
        if (!dropped.message.isEmpty()) return {{}, dropped.message};
        if (values.isEmpty()) continue; // an empty file adds nothing
        if (!dropped.list.isEmpty()) dropped.list += u' ';
        dropped.list += values;
    }
    return dropped;
}

} // namespace sb::ui
