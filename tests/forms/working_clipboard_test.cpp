// SPDX-License-Identifier: GPL-3.0-or-later
// "Copy Working" through the real button, after random commands of every topic window: the
// clipboard holds the pane's lines as text, the same lines and the figure in HTML that parses,
// and the figure as a picture, drawn on white paper whatever the desktop's colours.

#include "working_property.h"

#include "app/window_registry.h"
#include "ui/dark_palette.h"
#include "ui/working_clipboard.h"
#include "ui/working_pane.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMimeData>
#include <QXmlStreamReader>

namespace {

using namespace sb;

// What the HTML holds; error is empty when it parses as XML.
struct Html {
    QString error, dir;
    QStringList items, alts;
    std::vector<QImage> images; // each <img>'s data decoded
};

Html readHtml(const QString& html) {
    Html out;
    QXmlStreamReader xml(html);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto a = xml.attributes();
        if (xml.name() == u"div") out.dir = a.value("dir").toString();
        if (xml.name() == u"li") out.items << xml.readElementText();
        if (xml.name() == u"img") {
            out.alts << a.value("alt").toString();
            const QString prefix = QStringLiteral("data:image/png;base64,");
            const QString src = a.value("src").toString();
            out.images.push_back(src.startsWith(prefix)
                                     ? QImage::fromData(QByteArray::fromBase64(
                                                            src.mid(prefix.size()).toLatin1()),
                                                        "PNG")
                                     : QImage());
        }
    }
    if (xml.hasError()) out.error = xml.errorString();
    return out;
}

QStringList paneLines(const QWidget& window) {
    QStringList lines;
    const auto* steps = window.findChild<QListWidget*>("Steps");
    for (int i = 0; i < steps->count(); ++i) lines << steps->item(i)->text();
    return lines;
}

QAbstractButton* button(const QWidget& w, const char* name) {
    return w.findChild<QAbstractButton*>(name);
}

// Copies the window's working and checks every form against what the pane shows; true when
// the copy held a figure.
bool expectCopyMatchesPane(ui::Form& window, const std::string& context) {
    button(window, "CopyWorking")->click();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const bool ticked = button(window, "MoreDetail")->isChecked();
    const QStringList expected =
        ui::shownLines(window.working(), ticked, window.layoutDirection());
    const std::string text = expected.join(u'\n').toStdString();
    EXPECT_EQ(paneLines(window).join(u'\n').toStdString(), text) << context;
    EXPECT_EQ(data->text().toStdString(), text) << context;
    const Html html = readHtml(data->html());
    EXPECT_EQ(html.error.toStdString(), "") << context;
    EXPECT_EQ(html.items.join(u'\n').toStdString(), text) << context;
    const working::Figure& figure = window.working().figure;
    if (figure.empty()) {
        EXPECT_TRUE(html.images.empty() && !data->hasImage()) << context;
        return false;
    }
    const QSize size = ui::copiedFigureSize * window.devicePixelRatioF();
    EXPECT_EQ(html.alts.join(u'|').toStdString(), figure.description.toStdString()) << context;
    EXPECT_TRUE(html.images.size() == 1 && html.images[0].size() == size) << context;
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), size) << context;
    EXPECT_EQ(image.pixelColor(0, 0).name().toStdString(), "#ffffff") << context; // reads on a white page
    return true;
}

TEST(CopyWorking, EveryWindowCopiesItsLinesAndFigureAsThePaneShowsThem) {
    working_property::QuietDesktop quiet;
    WindowRegistry registry;
    registerProgramWindows(registry);
    std::mt19937 random(11);
    for (int n = 2; n <= 13; ++n) {
        const QString name = QStringLiteral("Form%1").arg(n);
        auto* window = qobject_cast<ui::Form*>(registry.show(name));
        ASSERT_NE(window, nullptr) << name.toStdString();
        button(*window, "Working")->click();
        int figures = 0;
        const auto commands = working_property::randomCommands(
            name, {{QString(), working_property::between(1, 9)}});
        for (const auto& command : commands)
            for (int round = 0; round < 2; ++round) {
                for (const auto& [box, values] : command.boxes)
                    window->findChild<QLineEdit*>(box)->setText(values(random));
                button(*window, command.button.toUtf8())->click();
                // the second round with the detail ticked, where the working has any
                if (button(*window, "MoreDetail")->isChecked() != (round == 1))
                    button(*window, "MoreDetail")->click();
                figures += expectCopyMatchesPane(
                    *window, (name + u' ' + command.button).toStdString());
            }
        EXPECT_GT(figures, 0) << name.toStdString();
        window->close();
    }
}

// Arabic lays the window out right to left: the HTML says so, and the lines keep each formula
// left to right as the pane does. A dark desktop still copies a figure on white paper.
TEST(CopyWorking, ARightToLeftWindowOnADarkDesktopCopiesRightToLeftOnWhite) {
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
    EXPECT_EQ(readHtml(QApplication::clipboard()->mimeData()->html()).dir.toStdString(), "rtl");
    EXPECT_NE(QApplication::clipboard()->text(), window->working().lines(false).join(u'\n'));
    window->close();
    QApplication::setPalette(before);
}

} // namespace
