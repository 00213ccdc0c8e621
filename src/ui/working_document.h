// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The working on paper: the program's name and the window's caption, the exercise with its
// answers, the figure and the steps, flowing over as many pages as they need. One layout
// paints on any paged device, so the saved PDF and the printed pages are the same.

#include "working/working.h"

#include <QPageLayout>
#include <QRectF>
#include <QStringList>

#include <optional>
#include <vector>

class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;

namespace sb::ui {

// A box or an answer of the exercise, by its heading, or a message the window gave.
struct ShownValue {
    QString name, text;
};

struct WorkingDocument {
    QString caption;                  // the window's
    std::vector<ShownValue> exercise; // as the boxes hold it and the window answered it
    working::Figure figure;
    QStringList lines; // the steps as the pane shows them
    Qt::LayoutDirection direction = Qt::LeftToRight;

    // The document's title: the caption, and the exercise's name when there is one.
    QString title() const;
};

// Where each part of the document lands: its page (from 0) and its rectangle on the page,
// in the device's units. A step is one item however many lines it wraps to.
struct PlacedItem {
    enum Kind { Heading, Value, Figure, Note, Step } kind;
    int index = 0; // of the value or the step
    int page = 0;
    QRectF rect;
};

struct DocumentLayout {
    std::vector<PlacedItem> items; // in reading order
    int pages = 1;
    QRectF body; // the printable area of each page, less the room of the foot
};

// The paper of the pupil's country: Letter where measures are imperial (the US), A4
// elsewhere, with margins every printer can print.
QPageLayout localPageLayout();

// Lays the document out on pages of that paintable size, measured on the device.
DocumentLayout layOutDocument(const WorkingDocument& document, QPaintDevice& device,
                              const QRectF& page);

// Paints every page on the device (a QPdfWriter or a QPrinter), dark on white whatever the
// desktop's theme; false when the device cannot be painted on.
bool paintDocument(const WorkingDocument& document, QPagedPaintDevice& device);

// Writes the document as a PDF to path, whole or not at all: a file already there keeps its
// bytes when writing fails. The reason it failed, translated and naming the file, or nothing.
std::optional<QString> savePdf(const WorkingDocument& document, const QString& path);

// Sets up a printer for the document: the local paper, its title and creator.
void preparePrinter(QPrinter& printer, const WorkingDocument& document);

} // namespace sb::ui
