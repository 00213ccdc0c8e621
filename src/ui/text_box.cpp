// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include "entry/box_text.h"
#include "keys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <QValidator>
#include <QtMath>

#include <limits>

namespace sb::ui {

namespace {

// QLineEdit keeps its text this far in from the contents on the left and right
constexpr int horizontalMargin = 2;

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

// How far right of its cursor rectangle's left edge QLineEdit draws the caret: measured on
// an empty line edit, which has never scrolled and has its caret at the start of the line.
int caretInCursorRect() {
    struct Probe : QLineEdit {
        int offset() const {
            QStyleOptionFrame panel;
            initStyleOption(&panel);
            const QRect contents =
                style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
            return contents.marginsRemoved(textMargins()).x() + horizontalMargin - cursorRect().x();
        }
    };
    static const int offset = Probe().offset();
    return offset;
}

} // namespace

TextBox::TextBox(int maxLength, QWidget* parent) : QLineEdit(parent), limit_(maxLength) {
    // QLineEdit keeps at most 32767 characters itself; a box with no limit of its own takes any
    // list (setting the limit again costs each box a layout of its text, so only where needed)
    if (maxLength <= 0 || maxLength > 32767) setMaxLength(std::numeric_limits<int>::max());
    if (maxLength > 0) setValidator(new WholeCharacters(this, maxLength));
    connect(this, &QLineEdit::textChanged, this, [this] {
        items_.reset();
        shift_.reset();
        restartBlink();
    });
    // QLineEdit repaints where it would have drawn the caret and the selection, which a
    // slice may show elsewhere
    const auto repaint = [this] {
        restartBlink();
        if (slicing_) update();
    };
    connect(this, &QLineEdit::cursorPositionChanged, this, repaint);
    connect(this, &QLineEdit::selectionChanged, this, repaint);
}

TextBox::TextBox(PaintsItsText, QWidget* parent) : TextBox(0, parent) {
    paintsItsText_ = true;
    slicesFrom_ = 0;
}

void TextBox::paintSlicesFrom(qsizetype length) {
    slicesFrom_ = length;
    update();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    QLineEdit::keyPressEvent(event);
    if (!isEnter(event)) return;
    event->accept(); // taken here, so no window around the box acts on it as well
    emit entered();
}

// A slice is shown once the text is long, and until it fits the box again, so that the view
// never jumps from one way of painting to the other. What a slice cannot show as QLineEdit
// would (an input method composing, right-to-left text, hidden input) QLineEdit paints.
bool TextBox::paintsSlice() const {
    if (paintsItsText_) return !text().isEmpty();
    if ((text().size() < slicesFrom_ && !slicing_) || text().isEmpty()) return false;
    if (composing_ || echoMode() != Normal || !inputMask().isEmpty() || !actions().isEmpty() ||
        alignment() != (Qt::AlignLeft | Qt::AlignVCenter) || layoutDirection() != Qt::LeftToRight)
        return false;
    return items().sliceable();
}

const LineItems& TextBox::items() const {
    if (!items_) items_.emplace(text());
    return *items_;
}

void TextBox::paintEvent(QPaintEvent* event) {
    if (paintsSlice()) return paintSlice();
    slicing_ = false;
    line_.forget();
    shift_.reset();
    qtScrolled_ = !text().isEmpty();
    laidOut_ = text().size();
    QLineEdit::paintEvent(event);
}

QRect TextBox::lineArea() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    return contents.marginsRemoved(textMargins())
        .adjusted(horizontalMargin, 0, -horizontalMargin, 0);
}

// Draws as QLineEdit::paintEvent does, from the slice in view instead of the whole line.
void TextBox::paintSlice() {
    const QRect area = lineArea();
    if (!slicing_ && !line_.placed() && qtScrolled_) {
        // the view starts where QLineEdit left it: its caret, from its own last scroll
        line_.placeCaret(cursorRect().x() + caretInCursorRect() - area.x());
    }
    slicing_ = true;
    const SlicedLine::View& view =
        line_.show(text(), items(), cursorPosition(), area.width(), font());
    laidOut_ = view.to - view.from;
    if (!paintsItsText_ && view.from == 0 && view.to == text().size() && view.x == 0 &&
        qRound(view.layout->lineAt(0).naturalTextWidth()) + 1 <= area.width())
        slicing_ = false; // the whole text fits: QLineEdit paints it alike from now on

    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = area.adjusted(-horizontalMargin, 0, horizontalMargin, 0);

    // centred as QLineEdit centres it, with the baseline where the font puts it
    const QFontMetrics metrics = fontMetrics();
    const QTextLine line = view.layout->lineAt(0);
    const int height = std::max(
        metrics.boundingRect(view.layout->text().sliced(view.context)).height(), metrics.height());
    const int top = contents.y() + (contents.height() - height + 1) / 2;
    const QPoint origin(area.x() + view.x, top - (qRound(line.ascent()) - metrics.ascent()));
    lineTop_ = origin.y();

    const QPalette& colours = palette();
    painter.setPen(colours.text().color());
    QList<QTextLayout::FormatRange> selections;
    const qsizetype selectedFrom = std::max<qsizetype>(selectionStart(), view.from);
    const qsizetype selectedTo = std::min<qsizetype>(selectionEnd(), view.to);
    if (hasSelectedText() && selectedFrom < selectedTo) {
        QTextLayout::FormatRange selected;
        selected.start = view.index(selectedFrom);
        selected.length = int(selectedTo - selectedFrom);
        selected.format.setBackground(colours.brush(QPalette::Highlight));
        selected.format.setForeground(colours.brush(QPalette::HighlightedText));
        selections << selected;
    }
    // the character of context before the slice is never seen
    const int sliceLeft = origin.x() + qCeil(line.cursorToX(view.context));
    painter.setClipRect(contents.intersected(
        QRect(sliceLeft, contents.y(), contents.right() - sliceLeft + 1, contents.height())));
    view.layout->draw(&painter, origin, selections, contents);

    // QLineEdit's caret: with the focus, and over a selection only where the style says so
    const bool caret = hasFocus() && !isReadOnly() &&
                       (!hasSelectedText() ||
                        style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &panel, this));
    const int caretWidth = style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this);
    const int caretX = origin.x() + qRound(line.cursorToX(view.index(cursorPosition())));
    caretDrawn_ = QRect(caretX - 1, contents.y(), caretWidth + 2, contents.height());
    if (caret && !blink_.isActive()) restartBlink();
    if (caret && caretOn_)
        view.layout->drawCursor(&painter, origin, view.index(cursorPosition()), caretWidth);
}

// QLineEdit's view and this box's differ by as much at every character, so the difference is
// measured at the caret; and kept, as QLineEdit measures its whole line to find its caret,
// until the text or where the slice starts changes.
int TextBox::qtShift() const {
    const QRect area = lineArea();
    const SlicedLine::View& view =
        line_.show(text(), items(), cursorPosition(), area.width(), font());
    if (!shift_ || shiftFrom_ != view.from) {
        const int ours = area.x() + qRound(view.caretX(cursorPosition()));
        shift_ = cursorRect().x() + caretInCursorRect() - ours;
        shiftFrom_ = view.from;
    }
    return *shift_;
}

void TextBox::forwardShifted(QMouseEvent* event, const std::function<void(QMouseEvent*)>& handle) {
    if (!slicing_) return handle(event);
    const QPointF by(qtShift(), 0);
    QMouseEvent moved(event->type(), event->position() + by, event->scenePosition() + by,
                      event->globalPosition() + by, event->button(), event->buttons(),
                      event->modifiers(), event->pointingDevice());
    moved.setTimestamp(event->timestamp());
    handle(&moved);
    event->setAccepted(moved.isAccepted());
}

void TextBox::mousePressEvent(QMouseEvent* event) {
    restartBlink();
    forwardShifted(event, [this](QMouseEvent* e) { QLineEdit::mousePressEvent(e); });
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    // QLineEdit looks at where the mouse is only while the left button selects or drags
    if (!(event->buttons() & Qt::LeftButton)) return QLineEdit::mouseMoveEvent(event);
    forwardShifted(event, [this](QMouseEvent* e) { QLineEdit::mouseMoveEvent(e); });
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    forwardShifted(event, [this](QMouseEvent* e) { QLineEdit::mouseDoubleClickEvent(e); });
}

void TextBox::dragMoveEvent(QDragMoveEvent* event) {
    if (!slicing_) return QLineEdit::dragMoveEvent(event);
    QDragMoveEvent moved(event->position().toPoint() + QPoint(qtShift(), 0),
                         event->possibleActions(), event->mimeData(), event->buttons(),
                         event->modifiers());
    QLineEdit::dragMoveEvent(&moved);
    event->setDropAction(moved.dropAction());
    event->setAccepted(moved.isAccepted());
}

void TextBox::dropEvent(QDropEvent* event) {
    if (!slicing_) return QLineEdit::dropEvent(event);
    QDropEvent moved(event->position() + QPointF(qtShift(), 0), event->possibleActions(),
                     event->mimeData(), event->buttons(), event->modifiers());
    QLineEdit::dropEvent(&moved);
    event->setDropAction(moved.dropAction());
    event->setAccepted(moved.isAccepted());
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    const QVariant answer = QLineEdit::inputMethodQuery(query);
    if (!slicing_ || (query != Qt::ImCursorRectangle && query != Qt::ImAnchorRectangle))
        return answer;
    // QLineEdit's rectangle, moved to the line as this box draws it
    QRectF r = answer.toRectF();
    r.moveTo(r.x() - qtShift(), lineTop_);
    return r;
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    composing_ = !event->preeditString().isEmpty();
    QLineEdit::inputMethodEvent(event);
}

// The caret of a slice blinks as QLineEdit's does: on at every change, then every half of
// the desktop's flash time.
void TextBox::restartBlink() {
    caretOn_ = true;
    const int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (slicing_ && hasFocus() && flash >= 2) blink_.start(flash / 2, this);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    restartBlink();
    QLineEdit::focusInEvent(event);
    if (slicing_) update();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    blink_.stop();
    QLineEdit::focusOutEvent(event);
    if (slicing_) update();
}

void TextBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != blink_.timerId()) return QLineEdit::timerEvent(event);
    if (!slicing_) return blink_.stop(); // QLineEdit blinks its own caret
    caretOn_ = !caretOn_;
    update(caretDrawn_);
}

} // namespace sb::ui
