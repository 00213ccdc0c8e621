#include "widgets.h"

#include "entry/box_text.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QValidator>

#include <limits>

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

namespace {

// Qt's own limit counts code units and cuts where it falls, so the box leaves it unlimited
// and keeps its limit here: every change of the text passes validate before it is shown.
class WholeCharacters : public QValidator {
public:
    WholeCharacters(QLineEdit* box, int maxLength) : QValidator(box), maxLength_(maxLength) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { shown_ = t; });
    }
    State validate(QString& text, int& cursor) const override {
        const BoxText kept = keepWholeCharacters(shown_, text, cursor, maxLength_);
        text = kept.text;
        cursor = int(kept.cursor);
        return Acceptable;
    }

private:
    int maxLength_;
    QString shown_; // the text before the change being validated
};

} // namespace

TextBox::TextBox(int maxLength, QWidget* parent) : QLineEdit(parent), limit_(maxLength) {
    setMaxLength(std::numeric_limits<int>::max());
    if (maxLength > 0) setValidator(new WholeCharacters(this, maxLength));
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
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
