// SPDX-License-Identifier: GPL-3.0-or-later
// The working on paper, read back from the PDF with poppler's tools: every step and answer
// the pane shows is in its text, the fonts are embedded, nothing is a raster picture, the
// pages are white in a dark theme, and a long working breaks between whole lines.

#include "app/window_registry.h"
#include "ui/dark_palette.h"
#include "ui/figure_painter.h"
#include "ui/form.h"
#include "ui/widgets.h"
#include "ui/working_document.h"
#include "working_property.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPdfWriter>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

using namespace sb::ui;
using working_property::anyValue;

// Messages are counted; the print dialog prints to a PDF file; the save dialog answers path.
class PaperDesktop : public working_property::QuietDesktop {
public:
    QString printTo, saveAs, suggested;
    bool choosePrinter(QWidget*, QPrinter& printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    QString chooseSaveFile(QWidget*, const QString& name, const QString&) override {
        suggested = name;
        return saveAs;
    }
};

QString run(const QString& tool, QStringList arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        ADD_FAILURE() << tool.toStdString() << " failed on " << arguments.join(' ').toStdString()
                      << " (scripts/setup installs poppler-utils)";
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Whitespace left out: a wrapped line breaks between words, and pdftotext guesses spaces
// from the gaps between letters.
QString normalised(QString text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

// The PDF as its reader sees it: its text, pages, title, raster pictures and fonts.
struct PdfReading {
    QString text, title;
    int pages = 0, rasters = 0;
    QStringList notEmbedded;
};

// pdftotext -raw: in the order painted, and a line that ends in "-" is not joined to the next
// as a hyphenated word ("+ -" wrapped before "* /" would lose its minus)
PdfReading read(const QString& path) {
    PdfReading r;
    r.text = normalised(run("pdftotext", {"-raw", "-enc", "UTF-8", path, "-"}));
    for (const QString& line : run("pdfinfo", {"-enc", "UTF-8", path}).split(u'\n')) {
        if (line.startsWith("Pages:")) r.pages = line.mid(6).trimmed().toInt();
        if (line.startsWith("Title:")) r.title = line.mid(6).trimmed();
    }
    r.rasters = int(run("pdfimages", {"-list", path}).trimmed().split(u'\n').size()) - 2;
    const QStringList fonts = run("pdffonts", {path}).split(u'\n', Qt::SkipEmptyParts);
    const qsizetype emb = fonts.value(0).indexOf("emb");
    for (const QString& font : fonts.mid(2))
        if (font.mid(emb, 3) != u"yes") r.notEmbedded << font;
    return r;
}

void expectReadable(const PdfReading& pdf, Form& window, const std::string& what) {
    for (const QString& line : window.workingLines())
        EXPECT_TRUE(pdf.text.contains(normalised(line)))
            << what << ": the step \"" << line.toStdString() << "\" is not in the PDF's text:\n"
            << pdf.text.toStdString();
    // the boxes and answers of the exercise, and the window's messages
    for (const ShownValue& value : window.lastExercise())
        EXPECT_TRUE(pdf.text.contains(normalised(value.name + ": " + value.text)))
            << what << ": " << value.name.toStdString() << " " << value.text.toStdString();
    EXPECT_EQ(pdf.title, window.workingDocument().title()) << what;
    EXPECT_GE(pdf.pages, 1) << what;
    EXPECT_TRUE(pdf.text.contains(normalised(QStringLiteral("page %1 of %1").arg(pdf.pages))))
        << what;
    EXPECT_EQ(pdf.rasters, 0) << what << ": a raster picture in the PDF";
    EXPECT_EQ(pdf.notEmbedded.join(u'\n').toStdString(), "") << what;
}

// The program's windows, a folder for the files, and the desktop above.
class WorkingPaper : public testing::Test {
protected:
    PaperDesktop desktop;
    QTemporaryDir folder;
    sb::WindowRegistry registry;
    WorkingPaper() { sb::registerProgramWindows(registry); }
    Form* open(const QString& name) { return qobject_cast<Form*>(registry.show(name)); }
    // The window with its pane open, after the button's command on the values typed in.
    Form* solved(const QString& name,
                 std::initializer_list<std::pair<const char*, const char*>> values,
                 const char* button) {
        Form* window = open(name);
        window->toggleWorking();
        for (const auto& [box, text] : values) window->findChild<QLineEdit*>(box)->setText(text);
        window->findChild<QAbstractButton*>(button)->click();
        return window;
    }
};

// Every command of every topic window, saved as PDF and printed: the text reads back.
TEST_F(WorkingPaper, EveryCommandOfEveryWindowReadsBackFromSavedAndPrintedPdf) {
    std::mt19937 random(11);
    const working_property::Values plus = [](std::mt19937&) { return QStringLiteral("+"); };
    for (int n = 2; n <= 13; ++n) {
        const QString name = QStringLiteral("Form%1").arg(n);
        std::map<QString, working_property::Values> kinds{{"", anyValue}};
        if (n == 4 || n == 13) kinds["operator"] = plus;
        Form* window = open(name);
        ASSERT_NE(window, nullptr);
        for (const auto& command : working_property::randomCommands(name, kinds)) {
            for (const auto& [box, values] : command.boxes)
                window->findChild<QLineEdit*>(box)->setText(values(random));
            window->findChild<QAbstractButton*>(command.button)->click();
            window->setMoreDetail(n % 2 == 0); // with and without the detail lines
            const std::string what = (name + u'.' + command.button).toStdString();
            const QString saved = folder.filePath(name + command.button + ".pdf");
            desktop.printTo = folder.filePath(name + command.button + "-printed.pdf");
            ASSERT_TRUE(window->saveWorkingAsPdf(saved)) << what;
            window->printWorking();
            expectReadable(read(saved), *window, what + " saved");
            expectReadable(read(desktop.printTo), *window, what + " printed");
        }
        window->close();
    }
}

// The pane's button proposes a name from the caption and the exercise, and a name chosen
// without ".pdf" gets it.
TEST_F(WorkingPaper, ThePanesButtonSavesUnderTheProposedKindOfName) {
    Form* window = solved("Form2", {{"A", "1"}, {"B", "-3"}, {"C", "2"}}, "Command1");
    desktop.saveAs = folder.filePath("roots");
    window->findChild<QPushButton*>("SavePdf")->click();
    EXPECT_EQ(desktop.suggested.toStdString(), "Solving Quadratic Equation - Solve.pdf");
    EXPECT_EQ(read(desktop.saveAs + ".pdf").pages, 1);
    window->close();
}

// In a dark desktop theme the printed page is white, with the same text as in a light one.
TEST_F(WorkingPaper, ADarkThemePrintsTheSameTextOnWhitePaper) {
    Form* window = solved("Form11", {{"y2", "30"}, {"a2", "6"}, {"c2", "10"}}, "Command2");
    const QPalette light = QApplication::palette();
    QString texts[2];
    for (int dark = 0; dark < 2; ++dark) {
        QApplication::setPalette(dark ? darkPalette() : light);
        desktop.printTo = folder.filePath(QStringLiteral("theme%1.pdf").arg(dark));
        window->findChild<QPushButton*>("Print")->click(); // the pane's button, as a pupil prints
        texts[dark] = read(desktop.printTo).text;
    }
    QApplication::setPalette(light);
    EXPECT_EQ(texts[1].toStdString(), texts[0].toStdString());
    run("pdftoppm",
        {"-r", "20", "-f", "1", "-l", "1", "-png", desktop.printTo, folder.filePath("dark")});
    const QImage page(folder.filePath("dark-1.png"));
    ASSERT_FALSE(page.isNull());
    for (const int x : {0, page.width() - 1})
        for (const int y : {0, page.height() - 1})
            EXPECT_EQ(page.pixelColor(x, y), QColor(Qt::white)) << x << "," << y;
    window->close();
}

// Over documents of random length: every item lies whole within one page's body, in reading
// order, with none overlapping another; a working of many lines takes several pages.
TEST_F(WorkingPaper, ALongWorkingBreaksBetweenWholeLinesAndKeepsTheFigureWhole) {
    Form* window = open("Form2");
    const sb::working::Figure figure = window->working().figure;
    window->close();
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter writer(&sink);
    writer.setPageLayout(localPageLayout());
    writer.setResolution(96);
    const QRectF page(0, 0, writer.width(), writer.height());
    std::mt19937 random(3);
    std::uniform_int_distribution<int> lines(0, 300), words(1, 60), values(0, 12);
    for (int round = 0; round < 40; ++round) {
        WorkingDocument d;
        d.caption = "Statistics";
        if (round % 3) d.figure = figure;
        for (int i = values(random); i > 0; --i) d.exercise.push_back({"x", "1 2 3"});
        for (int i = lines(random); i > 0; --i)
            d.lines << QStringLiteral("step ").repeated(words(random)).trimmed();
        const DocumentLayout layout = layOutDocument(d, writer, page);
        const std::string what = "round " + std::to_string(round);
        int steps = 0;
        for (size_t i = 0; i < layout.items.size(); ++i) {
            const PlacedItem& item = layout.items[i];
            EXPECT_TRUE(layout.body.contains(item.rect)) << what << " item " << i;
            EXPECT_LT(item.page, layout.pages) << what;
            if (item.kind == PlacedItem::Step) {
                EXPECT_EQ(item.index, steps++) << what;
            }
            if (i == 0) continue;
            const PlacedItem& before = layout.items[i - 1];
            EXPECT_TRUE(before.page < item.page ||
                        (before.page == item.page && before.rect.bottom() <= item.rect.top()))
                << what << " item " << i << " is not after the one before";
        }
        EXPECT_EQ(steps, d.lines.size()) << what;
        if (d.lines.size() > 150) {
            EXPECT_GE(layout.pages, 2) << what;
        }
    }
}

// On paper no two looks of the figure (each ink, plain or dashed) share a stroke, so a
// black-and-white print keeps them apart; the screen keeps its strokes as they were.
TEST_F(WorkingPaper, EachInkHasAStrokeOfItsOwnOnPaper) {
    using sb::working::Ink;
    std::map<std::pair<int, qreal>, std::string> strokes;
    for (const Ink ink : {Ink::Main, Ink::Second, Ink::Third, Ink::Faint})
        for (const bool dashed : {false, true}) {
            const QPen pen = figurePen({ink, dashed}, FigureColours::forPaper());
            const std::string look = std::to_string(int(ink)) + (dashed ? " dashed" : "");
            const auto [at, fresh] =
                strokes.emplace(std::pair{int(pen.style()), pen.widthF()}, look);
            EXPECT_TRUE(fresh) << look << " is drawn as " << at->second;
            const QPen screen = figurePen({ink, dashed}, FigureColours::from(QPalette()));
            EXPECT_EQ(screen.style(), dashed ? Qt::DashLine : Qt::SolidLine) << look;
            EXPECT_EQ(screen.widthF(), 1.8) << look;
        }
}

} // namespace
