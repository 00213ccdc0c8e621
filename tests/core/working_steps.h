// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "working/working.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// The working is written in the program's locale; the expected texts are in en_US.
class InEnUs : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

// The step lines a pupil sees without "More detail", one a line.
inline std::string lines(const sb::working::Working& w) {
    return w.lines(false).join(u'\n').toStdString();
}

// A command's working and the steps it must show.
struct StepsRow {
    const char* what;
    sb::working::Working working;
    std::string steps;
};

inline void expectSteps(const std::vector<StepsRow>& rows) {
    for (const StepsRow& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(lines(row.working), row.steps);
    }
}
