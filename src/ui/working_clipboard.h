// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working as "Copy Working" puts it on the clipboard, so it pastes well anywhere: a plain
// text editor takes the lines as text; a word processor or a mail takes the HTML, the figure
// as a picture above the steps as a list; a drawing program takes the figure alone.

#include "working/working.h"

#include <QImage>
#include <QSize>
#include <QStringList>

class QMimeData;

namespace sb::ui {

// The copied figure's size in the document, at any pixel ratio: wide enough to read its labels.
inline constexpr QSize copiedFigureSize{640, 420};

// The figure at copiedFigureSize and pixelRatio, on white paper with the light desktop's
// inks, whatever the desktop's colours: it goes into a white document.
QImage paperFigure(const working::Figure& figure, qreal pixelRatio);

// The lines as shown (see shownLines) as text, HTML (dir="rtl" in a right-to-left window)
// and, when there is a figure, the figure as a picture in the HTML and on its own.
QMimeData* workingMimeData(const QStringList& lines, const working::Figure& figure,
                           Qt::LayoutDirection direction, qreal pixelRatio);

} // namespace sb::ui
