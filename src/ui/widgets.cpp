#include "widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace sb::ui {

void CaptionButton::paintEvent(QPaintEvent* event) {
    if (!icon().isNull()) return QPushButton::paintEvent(event); // a picture button
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text());
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void OutputLabel::paintEvent(QPaintEvent* event) {
    if (designedPoints_ == 0) designedPoints_ = font().pointSizeF();
    QFont fitted = font();
    fitted.setPointSizeF(designedPoints_);
    const int room = contentsRect().width();
    // half a point at a time, down to a size that still reads
    while (fitted.pointSizeF() > 5 && QFontMetrics(fitted).horizontalAdvance(text()) > room)
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    if (fitted != font()) setFont(fitted);
    QLabel::paintEvent(event);
}

LineControl::LineControl(QPoint from, QPoint to, QWidget* parent) : QWidget(parent) {
    const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(from_, to_);
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sb::ui
