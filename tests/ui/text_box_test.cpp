// SPDX-License-Identifier: GPL-3.0-or-later
// A text box paints a long text a slice at a time. It must look, scroll and answer the mouse
// exactly as when QLineEdit paints the whole line: two boxes, one painting slices from the
// first character on and one never, go through the same steps and must show the same pixels
// and put the caret at the same places. The fonts are hinted, so that their advances are whole
// pixels: unhinted, a slice may sit a fraction of a pixel off the whole line, which no test
// of equal pixels can allow.

#include "ui/controls.h"
#include "ui/text_box.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using sb::ui::TextBox;

// a box whose drop handler a test can call, as a drag that ends over it does
struct Box : TextBox {
    using TextBox::dropEvent;
    using TextBox::TextBox;
};

// a list of whole numbers, as a pupil pastes it, count values long
QString numbers(int count) {
    QString list;
    for (int i = 1; i <= count; ++i) list += QString::number(i * 7919 % 1000) + u' ';
    list.chop(1);
    return list;
}

// the statistics window's list box, in the font the program's windows find, or in another
std::unique_ptr<TextBox> listBox(qsizetype slicesFrom,
                                 const QString& family = QStringLiteral("Liberation Sans")) {
    std::unique_ptr<TextBox> box = std::make_unique<Box>(0, nullptr);
    QFont font(family);
    font.setPointSizeF(8.25);
    font.setHintingPreference(QFont::PreferFullHinting);
    box->setFont(font);
    box->resize(sb::ui::pixels(10095), sb::ui::pixels(495));
    box->paintSlicesFrom(slicesFrom);
    box->show();
    return box;
}

class SlicedBox : public ::testing::TestWithParam<const char*> {
protected:
    std::unique_ptr<TextBox> whole = listBox(std::numeric_limits<qsizetype>::max(), GetParam());
    std::unique_ptr<TextBox> sliced = listBox(0, GetParam());

    // Does step to both boxes; then they must show the same
    void both(const char* what, const std::function<void(TextBox&)>& step) {
        SCOPED_TRACE(what);
        step(*whole);
        step(*sliced);
        expectAlike();
    }
    void expectAlike() {
        const QImage a = whole->grab().toImage(), b = sliced->grab().toImage();
        EXPECT_EQ(whole->cursorPosition(), sliced->cursorPosition());
        EXPECT_LT(sliced->laidOut(), sliced->text().size()) << "the slice is the whole text";
        EXPECT_TRUE(a == b) << "the boxes differ, see " << saved(a, "whole") << " and "
                            << saved(b, "sliced");
    }
    static std::string saved(const QImage& image, const char* name) {
        static int n = 0;
        const QString path =
            QDir::temp().filePath(QStringLiteral("sumbrook-text-box-%1-%2.png").arg(++n).arg(name));
        image.save(path);
        return path.toStdString();
    }
};

TEST_P(SlicedBox, scrollsAsTheWholeLineWould) {
    const QString text = numbers(800) + QStringLiteral(" ½ 3/4 1/2/3 é x\u0301y ") + numbers(400);
    both("pasted, the caret at the end", [&](TextBox& b) { b.setText(text); });
    both("home", [](TextBox& b) { b.home(false); });
    both("a few to the right, in view", [](TextBox& b) { b.cursorForward(false, 7); });
    both("far into the list", [](TextBox& b) { b.setCursorPosition(2000); });
    both("a little further, past the right edge", [](TextBox& b) { b.cursorForward(false, 60); });
    both("back past the left edge", [](TextBox& b) { b.cursorBackward(false, 150); });
    both("a selection", [](TextBox& b) { b.setSelection(1990, 40); });
    both("a selection running out of view", [](TextBox& b) { b.setSelection(1800, 400); });
    both("typed", [](TextBox& b) { b.insert(QStringLiteral("12 34 ")); });
    both("the end", [](TextBox& b) { b.end(false); });
    both("deleted at the end", [](TextBox& b) {
        for (int i = 0; i < 40; ++i) b.backspace();
    });
    both("among the fractions and accents",
         [&](TextBox& b) { b.setCursorPosition(text.indexOf(u'½')); });
    both("the start again", [](TextBox& b) { b.home(false); });
}

// A letter anywhere makes the digits around it Latin, which some fonts kern; and the line is
// shaped in items of at most 4096 code units, with no kerning between them
TEST_P(SlicedBox, isShapedAsTheWholeLine) {
    const QString ones(5000, u'1'); // kerned in Latin, by Liberation Sans
    const QString text = numbers(300) + QStringLiteral(" é ") + ones + u' ' + numbers(300) +
                         QStringLiteral(" Ω ") + ones;
    both("a list with letters", [&](TextBox& b) { b.setText(text); });
    const int greek = int(text.indexOf(u'Ω'));
    for (const int at :
         {4090, 4110, 8185, 8200, greek - 20, greek + 30, greek + 4090, greek + 4110, 1000}) {
        SCOPED_TRACE(at);
        both("the caret about where an item ends", [&](TextBox& b) { b.setCursorPosition(at); });
    }
}

TEST_P(SlicedBox, drawsTheCaretAndTheFocusAsTheWholeLineWould) {
    QImage unfocused, caret[2], selected[2];
    for (int i : {0, 1}) {
        TextBox* b = i == 0 ? whole.get() : sliced.get();
        b->setText(numbers(600));
        b->setCursorPosition(1000);
        unfocused = b->grab().toImage();
        QApplication::setActiveWindow(b);
        b->setFocus(); // the caret is on: no time passes for it to blink
        ASSERT_TRUE(b->hasFocus());
        caret[i] = b->grab().toImage();
        b->cursorBackward(true, 12);
        selected[i] = b->grab().toImage();
    }
    EXPECT_TRUE(caret[0] == caret[1])
        << saved(caret[0], "whole") << " " << saved(caret[1], "sliced");
    EXPECT_TRUE(selected[0] == selected[1])
        << saved(selected[0], "whole") << " " << saved(selected[1], "sliced");
    EXPECT_FALSE(caret[1] == unfocused);
}

// The same clicks put the caret at the same places, and a double click selects the same word
TEST_P(SlicedBox, theMouseFindsTheCharacterUnderIt) {
    const QString text = numbers(900);
    for (TextBox* b : {whole.get(), sliced.get()}) {
        b->setText(text);
        b->setCursorPosition(1500);
        b->grab();
    }
    const int y = whole->height() / 2;
    for (int x : {4, 30, 100, 333, 600, whole->width() - 5}) {
        SCOPED_TRACE(x);
        QTest::mouseClick(whole.get(), Qt::LeftButton, {}, QPoint(x, y));
        QTest::mouseClick(sliced.get(), Qt::LeftButton, {}, QPoint(x, y));
        EXPECT_EQ(whole->cursorPosition(), sliced->cursorPosition());
        whole->grab(); // each scrolls as its paint says
        sliced->grab();
    }
    QTest::mouseDClick(whole.get(), Qt::LeftButton, {}, QPoint(200, y));
    QTest::mouseDClick(sliced.get(), Qt::LeftButton, {}, QPoint(200, y));
    EXPECT_EQ(whole->selectedText(), sliced->selectedText());
    EXPECT_FALSE(sliced->selectedText().isEmpty());
    for (TextBox* b : {whole.get(), sliced.get()}) { // selecting by dragging
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, y));
        QTest::mouseMove(b, QPoint(420, y));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(420, y));
    }
    EXPECT_EQ(whole->selectedText(), sliced->selectedText());
    EXPECT_GT(sliced->selectedText().size(), 30);

    QMimeData dropped; // a text dropped goes in where it is let go
    dropped.setText(QStringLiteral("77 "));
    for (TextBox* b : {whole.get(), sliced.get()}) {
        b->grab();
        QDropEvent drop(QPointF(300, y), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        static_cast<Box*>(b)->dropEvent(&drop); // as a drag ends over the box
    }
    EXPECT_EQ(whole->text(), sliced->text());
    EXPECT_NE(sliced->text(), text);
}

TEST_P(SlicedBox, anInputMethodIsShownTheCaretWhereItIsDrawn) {
    for (TextBox* b : {whole.get(), sliced.get()}) {
        b->setText(numbers(700));
        b->setCursorPosition(1200);
        b->grab();
    }
    // where QLineEdit would put it; only its width follows the caret QLineEdit last drew itself
    const QRectF a = whole->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const QRectF b = sliced->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    EXPECT_EQ(a.topLeft(), b.topLeft());
    EXPECT_EQ(a.height(), b.height());
}

INSTANTIATE_TEST_SUITE_P(Fonts, SlicedBox, ::testing::Values("Liberation Sans", "DejaVu Sans"));

// What is laid out at a paint is bounded by the box, whatever the length of the text; the
// measure of the whole paint is the benchmark (bench/paste_cost.sh)
TEST(LongBox, aPaintLaysOutWhatIsInViewNotTheWholeList) {
    auto box = listBox(1000);
    box->setText(numbers(200'000));
    for (int at : {0, 345678, int(box->text().size())}) {
        box->setCursorPosition(at);
        box->grab();
        EXPECT_LT(box->laidOut(), 2000) << "caret at " << at;
    }
}

TEST(LongBox, anInputMethodComposingIsDrawnByTheLineEdit) {
    auto box = listBox(1000);
    box->setText(numbers(2000));
    QInputMethodEvent composing(QStringLiteral("ab"), {});
    QApplication::sendEvent(box.get(), &composing);
    box->grab();
    EXPECT_EQ(box->laidOut(), box->text().size());
    QInputMethodEvent committed;
    committed.setCommitString(QStringLiteral("7"));
    QApplication::sendEvent(box.get(), &committed);
    box->grab();
    EXPECT_LT(box->laidOut(), 2000);
}

} // namespace
