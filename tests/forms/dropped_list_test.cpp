// SPDX-License-Identifier: GPL-3.0-or-later
// Files dropped on a statistics list box: their values, or a message naming the file and
// nothing taken.

#include "ui/dropped_list.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct FileCase {
    const char* name;
    QByteArray bytes;
    const char* decimalMark;
    QString list;    // the values taken
    QString message; // or the start of the message, with the file's name in place of %1
};

TEST(DroppedList, FilesGiveTheirValuesOrAMessage) {
    QTemporaryDir dir;
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const FileCase cases[] = {
        {"column.txt", "1\n2\r\n3\n\n", ".", "1 2 3", {}},
        {"row.csv", "1.5,2.5,3\n", ".", "1.5 2.5 3", {}},
        {"comma.csv", "1,5;2,5\r\n3,25\r\n", ",", "1,5 2,5 3,25", {}},
        {"bom.csv", "\xEF\xBB\xBF" "4,5\n", ".", "4 5", {}},
        {"unicode.txt", utf16(u"7\t8\r\n"), ".", "7 8", {}},
        {"empty.txt", "", ".", "", {}},
        {"picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), ".", {},
         "%1 is not a text file"},
        {"latin1.txt", "1\n2 \xB5m\n", ".", {}, "%1 is not a text file"},
    };
    for (const FileCase& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const sb::ui::DroppedList got =
            sb::ui::readDroppedList({path}, QString::fromLatin1(c.decimalMark));
        EXPECT_EQ(got.list, c.list) << c.name;
        if (c.message.isEmpty())
            EXPECT_EQ(got.message, QString()) << c.name;
        else
            EXPECT_TRUE(got.message.startsWith(c.message.arg(path))) << got.message.toStdString();
    }
}

// Several files are taken in order; one that cannot be taken leaves all of them out, as does
// one too large to hold, which is never read into memory.
TEST(DroppedList, AllOrNothing) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, qint64 size, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        if (size > 0) file.resize(size); // a sparse file: no disk taken
        return file.fileName();
    };
    const QString a = write("a.txt", 0, "1\n2\n"), b = write("b.csv", 0, "3,4");
    EXPECT_EQ(sb::ui::readDroppedList({a, b}, u".").list, QStringLiteral("1 2 3 4"));
    const QString huge = write("huge.txt", sb::ui::droppedFileLimit + 1, "1\n");
    const auto tooLarge = sb::ui::readDroppedList({a, huge}, u".");
    EXPECT_TRUE(tooLarge.list.isEmpty());
    EXPECT_EQ(tooLarge.message, huge + QStringLiteral(" is too large: the box takes files of at "
                                                      "most 64 MB."));
    const QString missing = dir.filePath(QStringLiteral("gone.txt"));
    EXPECT_EQ(sb::ui::readDroppedList({a, missing}, u".").message,
              missing + QStringLiteral(" could not be read."));
}

} // namespace
