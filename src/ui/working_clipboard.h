// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as "Copy Working" puts it on the clipboard, so it pastes well anywhere: a plain
// text editor takes the lines as text; a word processor or a mail takes the HTML, the figure
// as a picture above the steps as a list; a drawing program takes the figure alone.

#include "working/working.h"

#include <QStringList>

class QMimeData;

namespace sb::ui {

// The lines as shown (see shownLines) as text, HTML (dir="rtl" in a right-to-left window)
// and, when there is a figure, the figure as a picture in the HTML and on its own.
QMimeData* workingMimeData(const QStringList& lines, const working::Figure& figure,
                           Qt::LayoutDirection direction, qreal pixelRatio);

} // namespace sb::ui
