// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-bare-paste [FILE]: a plain QLineEdit, as large as the statistics window's list box
// and in its font, pastes the text of FILE from the clipboard and paints once. Without FILE
// it only opens, so that the difference of two runs under callgrind is what the paste and
// its one paint cost: the yardstick of paste_cost.sh.

#include "ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>

#include <limits>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLineEdit box;
    box.setMaxLength(std::numeric_limits<int>::max()); // Qt's default would cut the list
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    box.setFont(font);
    box.resize(sb::ui::pixels(10095), sb::ui::pixels(495));
    box.show();
    box.activateWindow();
    box.setFocus();
    QApplication::processEvents();
    if (argc < 2) return 0;

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly)) return 2;
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n')) text.chop(1); // as the driver's paste-file reads it
    QGuiApplication::clipboard()->setText(text);
    box.paste();
    QApplication::processEvents(); // the one paint
    return box.text().size() == text.size() ? 0 : 1;
}
