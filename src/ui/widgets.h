#pragma once

// The few control kinds Qt lacks as they are: a button whose long caption wraps inside it,
// a label that reacts to clicks, and the drawn line and rectangle.

#include <QLabel>
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

class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A label that commands write their answers into. An answer is never wrapped or cut: when
// it is wider than the label, the label's font shrinks until the whole answer fits.
class OutputLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double designedPoints_ = 0; // the size the window was drawn with
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
