// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sliced_line.h"

#include <QBasicTimer>
#include <QLineEdit>

#include <functional>
#include <optional>

namespace sb::ui {

// A single-line text box holding at most maxLength UTF-16 code units (0: no limit). Whatever
// changes its text, typing, pasting, dropping, an input method or setText, a character that
// does not fit whole is dropped whole. Enter or Return, on the keypad too, tells entered.
//
// A long text, such as a pasted list of a million values, is painted a slice at a time: only
// the part in view is laid out and drawn, where QLineEdit would measure and draw the whole
// text at every paint and every blink of the caret. It looks and scrolls as QLineEdit does;
// mouse, drag and drop and input methods are told where the text lies as this box shows it.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(int maxLength, QWidget* parent);
    int limit() const { return limit_; }

    // From how many code units on a paint lays out only the part of the text in view.
    void paintSlicesFrom(qsizetype length);
    // The code units the last paint laid out: the whole text when QLineEdit painted it.
    qsizetype laidOut() const { return laidOut_; }

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
signals:
    void entered();

protected:
    // A box that keeps its text elsewhere and hands it to QLineEdit without letting it lay
    // the text out (see ListBox): it always paints its text itself.
    struct PaintsItsText {};
    TextBox(PaintsItsText, QWidget* parent);

    virtual const LineItems& items() const;
    void paintSlice();
    QRect lineArea() const; // where the text goes, as QLineEdit lays it out
    // The view as the next paint shows it
    const SlicedLine::View& viewNow() const {
        return line_.show(text(), items(), cursorPosition(), lineArea().width(), font());
    }
    void restartBlink();

    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool paintsSlice() const;
    // How far right of where this box draws the text QLineEdit takes it to be, from where it
    // last drew it itself: mouse and input method positions move by this much.
    int qtShift() const;
    // Hands QLineEdit a copy of a mouse event moved by qtShift.
    void forwardShifted(QMouseEvent* event, const std::function<void(QMouseEvent*)>& handle);

    int limit_;
    bool paintsItsText_ = false;
    qsizetype slicesFrom_ = 1000; // shorter, QLineEdit's own paint costs little
    bool slicing_ = false;        // the last paint showed a slice
    bool qtScrolled_ = false;     // QLineEdit painted a text since, and may have scrolled it
    bool composing_ = false;      // an input method is composing: QLineEdit draws that
    mutable std::optional<LineItems> items_; // of the text, found when first needed
    mutable SlicedLine line_;
    mutable std::optional<int> shift_; // qtShift, for a slice from shiftFrom_
    mutable qsizetype shiftFrom_ = 0;
    qsizetype laidOut_ = 0;
    QBasicTimer blink_;
    bool caretOn_ = true;
    QRect caretDrawn_;
    int lineTop_ = 0;
};

} // namespace sb::ui
