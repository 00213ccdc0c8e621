// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few control kinds Qt lacks as they are: a text box that keeps whole characters and paints
// only what is in view (text_box.h), a button whose long caption wraps inside it, a label that
// reacts to clicks, a label that holds an answer, and the drawn line and rectangle.

#include "text_box.h"

#include <QLabel>
#include <QPushButton>

namespace sb::ui {

// A button whose caption wraps inside the button; text() stays the exact caption. A button
// with a picture shows the picture. With the focus, Enter presses it as Space does.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label that acts when clicked, or when it has the focus and Space or Enter is pressed;
// screen readers see a link. It shows plain text only, so it never builds the text document
// QLabel keeps for a label with the focus: building that starts the font machinery, which
// would then run before its window is on the screen.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent) : ClickableLabel(QString(), parent) {}
    ClickableLabel(const QString& text, QWidget* parent);
signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A label a command writes its answer into. The pupil can select the answer with the mouse
// or the keyboard and copy it (Ctrl+C or the context menu). A screen reader announces it
// by its heading (its accessible name, "X1") with the answer it holds as its description
// and value, read afresh whenever asked. An answer is never wrapped or cut: when it is wider
// than the label, the label's font shrinks until the whole answer fits.
class OutputLabel : public QLabel {
    Q_OBJECT
public:
    OutputLabel(const QString& heading, QWidget* parent);
    const QString& heading() const { return heading_; }
    // The answer's font shrinks until it fits this width (or reaches its smallest size).
    void fitWithin(int width) { fitWidth_ = width; }
    // Tells screen readers of the answer when it differs from the one last told.
    void announce();
signals:
    void announced(const QString& answer);

protected:
    // Copy (the selection, or the whole answer when nothing is selected) and Select All
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString heading_;
    QString announced_;
    double designedPoints_ = 0; // the size the window was drawn with
    int fitWidth_ = 0;          // 0: the label's own width
};

// A straight line between two points given relative to the window.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint from, QPoint to, QWidget* parent);
    void mirror(); // its ends, within its own box

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from_, to_; // relative to this widget
};

// The outline of a rectangle.
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace sb::ui
