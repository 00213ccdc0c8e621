// SPDX-License-Identifier: GPL-3.0-or-later
// The quadrilateral window, driven directly: the order in which Tab moves through it.

#include "topics/geometry/quadrilaterals/form8.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(QuadrilateralWindow, TabOrder) {
    // the window's own order, which is not the order it is read in; the answers, which Tab
    // also reaches so they can be selected and copied, come after it, and the working last
    const QStringList order = {
        "s1",        "Command1",  "Command3", "a1",        "Command2", "Command4",  "p1",
        "Command7",  "Command9",  "a2",       "b2",        "h2",       "Command13", "a3",
        "b3",        "a6",        "ar6",      "a7",        "p7",       "Command5",  "Command8",
        "Command14", "Command15", "Command6", "Command10", "a8",       "b8",        "ar7",
        "b7",        "Command16", "h6",       "Command19", "b6",       "Command17", "hh2",
        "Command11", "hh1",       "o1",       "o2",        "o3",       "o4",        "o11",
        "o5",        "o6",        "o7",       "o8",        "o9",       "o10",       "Working"};
    sb::Form8 window;
    QWidget* first = window.focusWidget();
    ASSERT_TRUE(first);
    QStringList visited;
    QWidget* at = first;
    do {
        if (at->focusPolicy() & Qt::TabFocus) visited << at->objectName();
        at = at->nextInFocusChain();
    } while (at != first && visited.size() <= order.size());
    EXPECT_EQ(visited, order) << visited.join(" ").toStdString();
}

} // namespace
