// SPDX-License-Identifier: GPL-3.0-or-later
// "Copy Working" through the real button after commands of every topic window: the pane's
// lines as text and as an HTML list that parses, the figure in the HTML and as a picture.
#include "working_property.h"

#include "app/window_registry.h"
#include "ui/dark_palette.h"
#include "ui/figure_painter.h"
#include "ui/working_clipboard.h"
#include "ui/working_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMimeData>
#include <QXmlStreamReader>

namespace {
using namespace sb;

QAbstractButton* button(const QWidget& w, const char* name) {
    return w.findChild<QAbstractButton*>(name);
}

// Copies and checks each form against the pane; true when a figure went with the lines.
bool expectCopyMatchesPane(ui::Form& window, const std::string& context) {
    button(window, "CopyWorking")->click();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const auto* steps = window.findChild<QListWidget*>("Steps");
    QStringList pane, items, pictures;
    for (int i = 0; i < steps->count(); ++i) pane << steps->item(i)->text();
    const bool ticked = button(window, "MoreDetail")->isChecked(); // detail lines with it
    EXPECT_EQ(pane, ui::shownLines(window.working(), ticked, window.layoutDirection())) << context;
    QXmlStreamReader html(data->html());
    while (html.readNext() != QXmlStreamReader::Invalid && !html.atEnd()) {
        if (html.name() == u"li" && html.isStartElement()) items << html.readElementText();
        if (html.name() == u"img" && html.isStartElement()) {
            const QString src = html.attributes().value("src").toString();
            const QImage png =
                QImage::fromData(QByteArray::fromBase64(src.section(u',', 1).toLatin1()), "PNG");
            pictures << QStringLiteral("%1 %2x%3 %4")
                            .arg(src.section(u',', 0, 0))
                            .arg(png.width())
                            .arg(png.height())
                            .arg(html.attributes().value("alt"));
        }
    }
    EXPECT_EQ(html.errorString().toStdString(), "") << context;
    EXPECT_EQ(items.join(u'\n').toStdString(), pane.join(u'\n').toStdString()) << context;
    EXPECT_EQ(data->text().toStdString(), pane.join(u'\n').toStdString()) << context;
    const working::Figure& figure = window.working().figure;
    const QSize size = ui::figureFileSize * window.devicePixelRatioF();
    const QString picture = QStringLiteral("data:image/png;base64 %1x%2 %3")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(figure.description);
    EXPECT_EQ(pictures.join(u'|').toStdString(), figure.empty() ? "" : picture.toStdString())
        << context;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), figure.empty() ? QSize(0, 0) : size) << context;
    // white paper whatever the desktop's colours, as it goes into a white document
    EXPECT_TRUE(figure.empty() || image.pixelColor(0, 0) == QColor(Qt::white)) << context;
    return !figure.empty();
}

TEST(CopyWorking, EveryWindowCopiesItsLinesAndFigureAsThePaneShowsThem) {
    working_property::QuietDesktop quiet;
    WindowRegistry registry;
    registerProgramWindows(registry);
    std::mt19937 random(11);
    for (int n = 2; n <= 13; ++n) {
        const QString name = QStringLiteral("Form%1").arg(n);
        auto* window = qobject_cast<ui::Form*>(registry.show(name));
        button(*window, "Working")->click();
        int figures = 0;
        for (const auto& command :
             working_property::randomCommands(name, {{{}, working_property::between(1, 9)}}))
            for (const bool detail : {false, true}) {
                for (const auto& [box, values] : command.boxes)
                    window->findChild<QLineEdit*>(box)->setText(values(random));
                button(*window, command.button.toUtf8())->click();
                if (button(*window, "MoreDetail")->isChecked() != detail)
                    button(*window, "MoreDetail")->click();
                figures +=
                    expectCopyMatchesPane(*window, (name + u' ' + command.button).toStdString());
            }
        EXPECT_GT(figures, 0) << name.toStdString();
        window->close();
    }
}

TEST(CopyWorking, ARightToLeftWindowOnADarkDesktopSaysSoAndCopiesOnWhite) {
    working_property::QuietDesktop quiet;
    const QPalette before = QApplication::palette();
    QApplication::setPalette(ui::darkPalette());
    WindowRegistry registry;
    registerProgramWindows(registry);
    auto* window = qobject_cast<ui::Form*>(registry.show("Form2"));
    window->setLayoutDirection(Qt::RightToLeft);
    button(*window, "Working")->click();
    for (const auto& [box, value] : {std::pair{"A", "1"}, {"B", "-3"}, {"C", "2"}})
        window->findChild<QLineEdit*>(box)->setText(value);
    button(*window, "Command1")->click();
    EXPECT_TRUE(expectCopyMatchesPane(*window, "Form2"));
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->html().startsWith(R"(<div dir="rtl">)"));
    window->close();
    QApplication::setPalette(before);
}

} // namespace
