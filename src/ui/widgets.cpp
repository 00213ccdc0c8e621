// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include "accessibility.h"
#include "keys.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace sb::ui {

namespace {

bool isPress(const QKeyEvent* event) {
    return isEnter(event) || (!event->isAutoRepeat() && event->key() == Qt::Key_Space);
}

// The style keeps each button face it draws under the palette's cache key, and every
// button's palette is a copy of its own: buttons alike in colour would each draw their face
// afresh. They draw with one palette for each set of colours, so that a face of a size,
// colour and state is drawn once and then taken from the style's cache.
QPalette sharedPalette(const QPalette& colours) {
    static QList<QPalette> shared; // a few: one for each button colour and desktop palette
    for (const QPalette& p : shared)
        if (p == colours) return p;
    shared << colours;
    return colours;
}

} // namespace

void CaptionButton::paintEvent(QPaintEvent* event) {
    if (!icon().isNull()) return QPushButton::paintEvent(event); // a picture button
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.palette = sharedPalette(option.palette);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area.adjusted(1, 1, -1, -1), Qt::AlignCenter | Qt::TextWordWrap, text());
}

void CaptionButton::keyPressEvent(QKeyEvent* event) {
    // Space presses on release, as QPushButton does; Enter presses at once
    if (isEnter(event)) return click();
    QPushButton::keyPressEvent(event);
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    offerAccessibleInterfaces();
    setTextFormat(Qt::PlainText);
    setText(text); // before the focus policy: a label with the focus builds its document here
    setFocusPolicy(Qt::StrongFocus);
}

bool ClickableLabel::event(QEvent* event) {
    // a focusable label builds its document when polished; the frame's polish is all it needs
    if (event->type() == QEvent::Polish) return QFrame::event(event);
    return QLabel::event(event);
}

void ClickableLabel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event); // QLabel's would build the document, for selection and links
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (isPress(event)) return emit clicked();
    QLabel::keyPressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

OutputLabel::OutputLabel(const QString& heading, QWidget* parent)
    : QLabel(parent), heading_(heading) {
    offerAccessibleInterfaces();
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus); // QLabel would take the focus on clicks only
}

void OutputLabel::announce() {
    if (text() == announced_) return;
    announced_ = text();
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    emit announced(announced_);
}

void OutputLabel::contextMenuEvent(QContextMenuEvent* event) {
    // QLabel offers a menu for links only
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(tr("&Copy"), this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!text().isEmpty());
    QAction* all =
        menu->addAction(tr("Select &All"), this, [this] { setSelection(0, int(text().size())); });
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
    event->accept();
}

void OutputLabel::paintEvent(QPaintEvent* event) {
    if (designedPoints_ == 0) designedPoints_ = font().pointSizeF();
    QFont fitted = font();
    fitted.setPointSizeF(designedPoints_);
    const int room = fitWidth_ > 0 ? fitWidth_ : contentsRect().width();
    // half a point at a time, down to a size that still reads
    while (fitted.pointSizeF() > 6 && QFontMetrics(fitted).horizontalAdvance(text()) > room)
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

void LineControl::mirror() {
    from_.setX(width() - 1 - from_.x());
    to_.setX(width() - 1 - to_.x());
    if (from_.y() == to_.y() && from_.x() > to_.x()) std::swap(from_, to_); // still forwards
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor ink = palette().color(QPalette::WindowText);
    // A level or upright line drawn forwards at one pixel to a pixel covers exactly the
    // rectangle between its ends: filled as one, it costs a fraction of a drawn line and is
    // the same to the pixel. Drawn backwards or scaled its ends fall otherwise, so it is drawn.
    const bool straight = from_.x() == to_.x() || from_.y() == to_.y();
    const bool forwards = from_.x() <= to_.x() && from_.y() <= to_.y();
    if (straight && forwards && painter.deviceTransform().type() <= QTransform::TxTranslate)
        return painter.fillRect(QRect(from_, to_), ink);
    painter.setPen(ink);
    painter.drawLine(from_, to_);
}

void ShapeControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace sb::ui
