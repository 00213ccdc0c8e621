// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws a figure model with QPainter: the same code paints the pane on the screen, the SVG
// file and the PNG picture, so what is saved is what the pupil saw.

#include "working/working.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QRectF>

#include <vector>

class QFontMetrics;
class QPainter;
class QPalette;

namespace sb::ui {

// The figure's colours, taken from the palette it is drawn under. Each ink keeps a contrast
// of at least 3:1 against the paper, light or dark.
struct FigureColours {
    QColor paper, text, grid;
    QColor inks[4]; // working::Ink order
    // On paper the inks differ by their strokes too (solid, dash-dot, dotted, thin), so a
    // page printed in black and white still tells them apart.
    bool strokesByInk = false;
    static FigureColours from(const QPalette& palette);
    // Dark on white, whatever the desktop's theme: for printing and PDF.
    static FigureColours forPaper();
};

// A text of the figure where the painter sets it. element is the index of the element whose
// text it is (a label, a point's text, a caption), or -1 for the axes' numbers and names.
struct PlacedLabel {
    QRectF rect;
    QPointF anchor;
    int element = -1;
    QString text;
};

// A straight piece of a line drawn in the figure: a segment, an arrow, a side of a polygon or
// a bar, a short piece of a curve, an arc or a circle, or an axis (element -1).
struct FigureLine {
    QLineF line;
    int element = -1;
};

// Where the painter sets the figure's texts in an area, and the lines they keep off. Each text
// first tries the place it asks for; when that would overlap an earlier text or cross a line
// it does not name (see working::names), it takes the first clear place around its anchor,
// the nearest directions first, each also slid along a little, then the same up to four
// lines of text further out; a place off the lines through its anchor too comes before one
// that only names them. With none clear it keeps the place it asked for. The axes' texts
// come first and stay where they are.
struct FigureLayout {
    std::vector<PlacedLabel> labels; // in the order they were placed
    std::vector<FigureLine> lines;
    // True when the label may touch the line: it names the line's element, or the line runs
    // through the label's anchor.
    bool names(const working::Figure& figure, const PlacedLabel& label,
               const FigureLine& line) const;
};

// The pen an element's lines are drawn with: its ink, heavy or dashed as its look says, and on
// paper a stroke of each ink's own.
QPen figurePen(const working::Look& look, const FigureColours& colours);

// The font the figure's texts are set in, from the font of what it is painted on.
QFont figureFont(QFont base);

// The layout of the figure in area, its texts measured with metrics (of figureFont).
FigureLayout layOutFigure(const QFontMetrics& metrics, const QRectF& area,
                          const working::Figure& figure);

// Paints the figure into area, and nothing outside it.
void paintFigure(QPainter& painter, const QRectF& area, const working::Figure& figure,
                 const FigureColours& colours);

// The size of a figure in a file or a pasted document: wide enough to read its labels.
inline constexpr QSize figureFileSize{640, 420};

// The figure as a picture of figureFileSize at pixelRatio, on its colours' paper.
QImage figureImage(const working::Figure& figure, const FigureColours& colours, qreal pixelRatio);

// Writes the figure as SVG (its description in the title and desc elements) or PNG, by the
// extension of path, whole or not at all (a file already there keeps its bytes when writing
// fails); false when it cannot be written.
bool saveFigure(const working::Figure& figure, const QString& path, const QPalette& palette,
                qreal pixelRatio = 1);

// The ratio of the lighter colour's luminance to the darker's, as accessibility rules
// measure contrast (1 to 21).
double contrast(const QColor& a, const QColor& b);

} // namespace sb::ui
