// SPDX-License-Identifier: GPL-3.0-or-later
// Files dropped on a statistics list box: their values, or a message naming the first file
// that cannot be taken and nothing taken of any.

#include "ui/dropped_list.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

struct Drop {
    QStringList files; // dropped together, in order
    const char* decimalMark;
    QString list;    // the values taken
    QString message; // or the start of the message, with the failing file's path for %1
};

TEST(DroppedList, FilesGiveTheirValuesOrAMessage) {
    QTemporaryDir dir;
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    // a file's bytes, and its size when it is larger: sparse, it takes no disk
    const std::map<QString, std::pair<QByteArray, qint64>> files = {
        {"column.txt", {"1\n2\r\n3\n\n", 0}},
        {"row.csv", {"1.5,2.5,3\n", 0}},
        {"comma.csv", {"1,5;2,5\r\n3,25\r\n", 0}},
        {"bom.csv", {"\xEF\xBB\xBF" "4,5\n", 0}},
        {"unicode.txt", {utf16(u"7\t8\r\n"), 0}},
        {"empty.txt", {"", 0}},
        {"picture.png", {QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), 0}},
        {"latin1.txt", {"1\n2 \xB5m\n", 0}},
        {"huge.txt", {"1\n", sb::ui::droppedFileLimit + 1}},
    };
    for (const auto& [name, content] : files) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.first);
        if (content.second > 0) file.resize(content.second);
    }
    const Drop drops[] = {
        {{"column.txt"}, ".", "1 2 3", {}},
        {{"row.csv"}, ".", "1.5 2.5 3", {}},
        {{"comma.csv"}, ",", "1,5 2,5 3,25", {}},
        {{"bom.csv"}, ".", "4 5", {}},
        {{"unicode.txt"}, ".", "7 8", {}},
        {{"empty.txt"}, ".", "", {}},
        {{"column.txt", "empty.txt", "row.csv"}, ".", "1 2 3 1.5 2.5 3", {}},
        {{"picture.png"}, ".", {}, "%1 is not a text file"},
        {{"latin1.txt"}, ".", {}, "%1 is not a text file"},
        {{"column.txt", "huge.txt"}, ".", {},
         "%1 is too large: the box takes files of at most 64 MB."},
        {{"column.txt", "gone.txt"}, ".", {}, "%1 could not be read."},
    };
    for (const Drop& d : drops) {
        QStringList paths;
        for (const QString& name : d.files) paths << dir.filePath(name);
        const sb::ui::DroppedList got =
            sb::ui::readDroppedList(paths, QString::fromLatin1(d.decimalMark));
        const std::string what = d.files.join(u' ').toStdString();
        EXPECT_EQ(got.list, d.list) << what;
        if (d.message.isEmpty())
            EXPECT_EQ(got.message, QString()) << what;
        else
            EXPECT_TRUE(got.message.startsWith(d.message.arg(paths.back())))
                << got.message.toStdString();
    }
}

} // namespace
