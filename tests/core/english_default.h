// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include <gtest/gtest.h>

// Steps and figures write their numbers in the default locale: these tests expect en_US.
class EnglishDefault : public testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void TearDown() override { QLocale::setDefault(before_); }

private:
    QLocale before_;
};
