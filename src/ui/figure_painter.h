// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws a figure model with QPainter: the same code paints the pane on the screen, the SVG
// file and the PNG picture, so what is saved is what the pupil saw.

#include "working/working.h"

#include <QColor>
#include <QRectF>

class QPainter;
class QPalette;

namespace sb::ui {

// The figure's colours, taken from the palette it is drawn under. Each ink keeps a contrast
// of at least 3:1 against the paper, light or dark.
struct FigureColours {
    QColor paper, text, grid;
    QColor inks[4]; // working::Ink order
    static FigureColours from(const QPalette& palette);
};

// Paints the figure into area, and nothing outside it.
void paintFigure(QPainter& painter, const QRectF& area, const working::Figure& figure,
                 const FigureColours& colours);

// Writes the figure as SVG (its description in the title and desc elements) or PNG, by the
// extension of path; false when it cannot be written.
bool saveFigure(const working::Figure& figure, const QString& path, const QPalette& palette,
                qreal pixelRatio = 1);

// The ratio of the lighter colour's luminance to the darker's, as accessibility rules
// measure contrast (1 to 21).
double contrast(const QColor& a, const QColor& b);

} // namespace sb::ui
