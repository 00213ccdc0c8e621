// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests run on the offscreen platform unless told otherwise, with the program's
// locale en_US whatever the machine's, as the expected texts are written with a decimal point.

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
