// SPDX-License-Identifier: GPL-3.0-or-later
#include "working_clipboard.h"

#include "figure_painter.h"

#include <QBuffer>
#include <QMimeData>

namespace sb::ui {

namespace {

// An <img> with the picture inside it as a data: address, as a pasted document keeps no
// link to a file of ours. Written as XHTML, so every tag closes.
QString embedded(const QImage& image, const QString& description) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QStringLiteral(
               R"(<p><img src="data:image/png;base64,%1" width="%2" height="%3" alt="%4"/></p>)")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(figureFileSize.width())
        .arg(figureFileSize.height())
        .arg(description.toHtmlEscaped());
}

} // namespace

QMimeData* workingMimeData(const QStringList& lines, const working::Figure& figure,
                           Qt::LayoutDirection direction, qreal pixelRatio) {
    auto* data = new QMimeData;
    data->setText(lines.join(u'\n'));
    QString html = direction == Qt::RightToLeft ? QStringLiteral(R"(<div dir="rtl">)")
                                                : QStringLiteral("<div>");
    if (!figure.empty()) {
        // on paper's white, with paper's inks, whatever the desktop: it goes into a document
        const QImage image = figureImage(figure, FigureColours::forPaper(), pixelRatio);
        html += embedded(image, figure.description);
        data->setImageData(image);
    }
    html += QStringLiteral("<ul>");
    for (const QString& line : lines)
        html += QStringLiteral("<li>") + line.toHtmlEscaped() + QStringLiteral("</li>");
    html += QStringLiteral("</ul></div>");
    data->setHtml(html);
    return data;
}

} // namespace sb::ui
