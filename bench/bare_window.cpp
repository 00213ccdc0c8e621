// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick the program's start is measured against: Qt alone, one window of 25 buttons
// and 25 labels, shown and left to the event loop. Built beside the program, never installed.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(742, 480); // the main menu's size
    for (int i = 0; i < 25; ++i) {
        const int column = i % 5, row = i / 5;
        auto* button = new QPushButton(QStringLiteral("Button %1").arg(i + 1), &window);
        button->setGeometry(10 + column * 145, 10 + row * 90, 135, 50);
        auto* label = new QLabel(QStringLiteral("Label %1").arg(i + 1), &window);
        label->setGeometry(10 + column * 145, 62 + row * 90, 135, 20);
    }
    window.show();
    return app.exec();
}
