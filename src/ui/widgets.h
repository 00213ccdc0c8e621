#pragma once

// The few control kinds Qt lacks as they are: a text box that keeps whole characters, a button
// whose long caption wraps inside it, a label that reacts to clicks, and the drawn line and
// rectangle.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sb::ui {

// A button whose caption wraps inside the button; text() stays the exact caption. A button
// with a picture shows the picture.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A single-line text box holding at most maxLength UTF-16 code units (0: no limit). Whatever
// changes its text, typing, pasting, dropping, an input method or setText, a character that
// does not fit whole is dropped whole.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(int maxLength, QWidget* parent);
    int limit() const { return limit_; }

private:
    int limit_;
};

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A straight line between two points given relative to the window.
class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(QPoint from, QPoint to, QWidget* parent);

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
