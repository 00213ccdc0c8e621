// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_document.h"

#include "desktop.h"
#include "figure_painter.h"
#include "whole_file.h"
#include "working_pane.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>
#include <memory>

namespace sb::ui {

namespace {

// The device's units are the screen's pixels, so the figure is drawn at the sizes it has
// in the pane, its pens and texts included.
constexpr int resolution = 96;
constexpr qreal gap = 6;          // between the heading, the exercise, the figure and the steps
constexpr qreal stepGap = 3;      // between two steps
constexpr int longestValue = 300; // characters of a box shown; a long list ends in "…"
constexpr int longestTitle = 120;

QFont textFont(qreal points, bool bold = false) {
    QFont font = QGuiApplication::font();
    font.setPointSizeF(points);
    font.setBold(bold);
    // no ligatures: "fi" stays two letters, so the PDF's text is found as typed; Arabic
    // needs its letters joined, so a right-to-left language keeps the shaping
    if (QGuiApplication::layoutDirection() == Qt::LeftToRight)
        font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
QFont headingFont() { return textFont(14, true); }
QFont bodyFont() { return textFont(10); }
QFont footFont() { return textFont(8); }

QString cut(const QString& text, int most) {
    if (text.size() <= most) return text;
    if (text[most - 1].isHighSurrogate()) --most; // never half a character
    return text.left(most) + QChar(0x2026);
}

QString valueText(const ShownValue& value) {
    return value.name + QStringLiteral(": ") + cut(value.text, longestValue);
}

// A text wrapped within width, as one block that is never split over two pages.
struct Block {
    std::unique_ptr<QTextLayout> layout;
    qreal height = 0;
};

Block wrap(const QString& text, const QFont& font, QPaintDevice& device, qreal width,
           Qt::LayoutDirection direction) {
    Block block{std::make_unique<QTextLayout>(text, font, &device)};
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignAbsolute |
                        (direction == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    block.layout->setTextOption(option);
    block.layout->beginLayout();
    for (QTextLine line = block.layout->createLine(); line.isValid();
         line = block.layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, block.height));
        block.height += line.height();
    }
    block.layout->endLayout();
    return block;
}

qreal figureHeight(const QRectF& body) {
    return std::min(body.width() * 0.62, body.height() * 0.55);
}

// The texts of the document in reading order, each with its kind and font.
struct Part {
    PlacedItem::Kind kind;
    int index;
    QString text;
    QFont font;
};

std::vector<Part> parts(const WorkingDocument& d) {
    std::vector<Part> out;
    out.push_back(
        {PlacedItem::Heading, 0, programTitle + QStringLiteral(" – ") + d.caption, headingFont()});
    for (size_t i = 0; i < d.exercise.size(); ++i)
        out.push_back({PlacedItem::Value, int(i), valueText(d.exercise[i]), bodyFont()});
    if (!d.figure.empty()) out.push_back({PlacedItem::Figure, 0, {}, {}});
    if (!d.figure.note.isEmpty()) out.push_back({PlacedItem::Note, 0, d.figure.note, bodyFont()});
    for (int i = 0; i < d.lines.size(); ++i)
        out.push_back({PlacedItem::Step, i, d.lines[i], bodyFont()});
    return out;
}

QString footText(int page, int pages) {
    return WorkingPane::tr("page %1 of %2").arg(page + 1).arg(pages);
}

} // namespace

QString WorkingDocument::title() const {
    QStringList boxes;
    for (const ShownValue& v : exercise) boxes << v.name + u' ' + v.text;
    return cut(boxes.isEmpty() ? caption
                               : caption + QStringLiteral(" – ") + boxes.join(QStringLiteral(", ")),
               longestTitle);
}

QPageLayout localPageLayout() {
    const bool us = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

DocumentLayout layOutDocument(const WorkingDocument& document, QPaintDevice& device,
                              const QRectF& page) {
    DocumentLayout out;
    const qreal foot = QFontMetricsF(footFont(), &device).height() + gap;
    out.body = page.adjusted(0, 0, 0, -foot);
    int onPage = 0;
    qreal y = out.body.top();
    for (const Part& part : parts(document)) {
        const qreal height =
            part.kind == PlacedItem::Figure
                ? figureHeight(out.body)
                : wrap(part.text, part.font, device, out.body.width(), document.direction).height;
        // a part that does not fit below goes whole to the next page; only a part taller
        // than a page, which no step is, would run over its foot
        if (y + height > out.body.bottom() && y > out.body.top()) ++onPage, y = out.body.top();
        out.items.push_back(
            {part.kind, part.index, onPage, QRectF(out.body.left(), y, out.body.width(), height)});
        y += height + (part.kind == PlacedItem::Step ? stepGap : gap);
    }
    out.pages = onPage + 1;
    return out;
}

bool paintDocument(const WorkingDocument& document, QPagedPaintDevice& device) {
    QPainter p;
    if (!p.begin(&device)) return false;
    const QRectF page(0, 0, device.width(), device.height());
    const DocumentLayout layout = layOutDocument(document, device, page);
    const std::vector<Part> texts = parts(document);
    // paper is white whatever the desktop's theme: nothing is taken from the palette
    const FigureColours paper = FigureColours::forPaper();
    p.setPen(paper.text);
    int onPage = 0;
    const auto paintFoot = [&] {
        p.setFont(footFont());
        p.drawText(QRectF(page.left(), layout.body.bottom(), page.width(),
                          page.bottom() - layout.body.bottom()),
                   Qt::AlignHCenter | Qt::AlignBottom, footText(onPage, layout.pages));
    };
    for (size_t i = 0; i < layout.items.size(); ++i) {
        const PlacedItem& item = layout.items[i];
        while (item.page > onPage) {
            paintFoot();
            if (!device.newPage()) return false;
            ++onPage;
        }
        if (item.kind == PlacedItem::Figure) {
            p.setFont(bodyFont());
            paintFigure(p, item.rect, document.figure, paper);
            p.setPen(paper.text);
            continue;
        }
        const Block block =
            wrap(texts[i].text, texts[i].font, device, item.rect.width(), document.direction);
        block.layout->draw(&p, item.rect.topLeft());
    }
    paintFoot();
    return p.end();
}

std::optional<QString> savePdf(const WorkingDocument& document, const QString& path) {
    const QString failed = WorkingPane::tr("The working could not be saved as %1.")
                               .arg(QDir::toNativeSeparators(path));
    // made in memory, then written whole or not at all
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(localPageLayout());
        writer.setResolution(resolution);
        writer.setTitle(document.title());
        writer.setCreator(programTitle);
        if (!paintDocument(document, writer)) return failed;
    }
    if (!writeWholeFile(path, pdf.data())) return failed;
    return std::nullopt;
}

void preparePrinter(QPrinter& printer, const WorkingDocument& document) {
    printer.setPageLayout(localPageLayout());
    printer.setResolution(resolution);
    printer.setDocName(document.title());
    printer.setCreator(programTitle);
}

} // namespace sb::ui
