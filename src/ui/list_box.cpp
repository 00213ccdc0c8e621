// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box.h"

#include "accessibility.h"
#include "desktop.h"
#include "dropped_list.h"
#include "entry/list_text.h"
#include "keys.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScopedValueRollback>
#include <QStyleHints>

namespace sb::ui {

namespace {

// A key's text that a line edit types (as Qt's own input controls decide it)
bool typesText(const QKeyEvent* event) {
    const QString text = event->text();
    if (text.isEmpty()) return false;
    const QChar c = text.front();
    if (c.category() == QChar::Other_Format) return true;
    const auto modifiers = event->modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse ||
           (c.isHighSurrogate() && text.size() > 1 && text[1].isLowSurrogate());
}

// The files a drop brings that may hold a list: local .txt and .csv files
QStringList listFiles(const QMimeData* data) {
    QStringList paths;
    if (!data || !data->hasUrls()) return paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (!path.isEmpty() && (suffix == u"txt" || suffix == u"csv")) paths << path;
    }
    return paths;
}

constexpr qsizetype mirroredEdit = 256; // longer edits reach QLineEdit's copy as a new text

} // namespace

ListBox::ListBox(QWidget* parent) : TextBox(PaintsItsText{}, parent), items_(QString()) {
    offerAccessibleInterfaces();
    const Qt::InputMethodHints hints = inputMethodHints();
    setEchoMode(NoEcho); // QLineEdit keeps the text and lays out none of it
    setInputMethodHints(hints);
    setAttribute(Qt::WA_InputMethodEnabled);
    model_.changed = [this](const LineModel::Change& c) {
        items_.replaced(model_.text(), c.at, c.removed, c.inserted);
        if (!syncing_) mirror(c);
        tellScreenReaders(c);
    };
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!syncing_) takeFromQLineEdit();
    });
    const auto takeCaret = [this] {
        if (syncing_) return;
        const qsizetype cursor = cursorPosition();
        qsizetype anchor = cursor;
        if (hasSelectedText()) anchor = cursor == selectionStart() ? selectionEnd() : selectionStart();
        model_.select(anchor, cursor);
        update();
    };
    connect(this, &QLineEdit::cursorPositionChanged, this, takeCaret);
    connect(this, &QLineEdit::selectionChanged, this, takeCaret);
}

void ListBox::takeFromQLineEdit() {
    {
        QScopedValueRollback keep(syncing_, true);
        model_.setText(text());
    }
    const qsizetype cursor = cursorPosition();
    model_.select(hasSelectedText() && cursor == selectionStart() ? selectionEnd()
                  : hasSelectedText()                             ? selectionStart()
                                                                  : cursor,
                  cursor);
    update();
}

void ListBox::mirror(const LineModel::Change& change) {
    QScopedValueRollback keep(syncing_, true);
    if (change.removed.size() + change.inserted > mirroredEdit)
        return QLineEdit::setText(model_.text());
    QLineEdit::setSelection(int(change.at), int(change.removed.size()));
    QLineEdit::insert(model_.text().sliced(change.at, change.inserted));
}

// QLineEdit tells nothing of a text it does not show: the box tells what changed
void ListBox::tellScreenReaders(const LineModel::Change& change) {
    if (!change.removed.isEmpty()) {
        QAccessibleTextRemoveEvent removed(this, int(change.at), change.removed);
        QAccessible::updateAccessibility(&removed);
    }
    if (change.inserted > 0) {
        QAccessibleTextInsertEvent inserted(this, int(change.at),
                                            model_.text().sliced(change.at, change.inserted));
        QAccessible::updateAccessibility(&inserted);
    }
}

void ListBox::showCaret() {
    {
        QScopedValueRollback keep(syncing_, true);
        if (model_.hasSelection())
            QLineEdit::setSelection(int(model_.anchor()), int(model_.cursor() - model_.anchor()));
        else setCursorPosition(int(model_.cursor()));
    }
    {
        QAccessibleTextCursorEvent moved(this, int(model_.cursor()));
        QAccessible::updateAccessibility(&moved);
        if (model_.hasSelection()) {
            QAccessibleTextSelectionEvent selected(this, int(model_.selectionStart()),
                                                   int(model_.selectionEnd()));
            QAccessible::updateAccessibility(&selected);
        }
    }
    restartBlink();
    update();
}

void ListBox::setText(const QString& text) {
    if (text == model_.text()) model_.setText(text); // QLineEdit tells no change, but forgets
    QLineEdit::setText(text);
}

void ListBox::insertList(const QString& text) {
    model_.insert(text);
    showCaret();
}

void ListBox::pasteList() {
    const QString clip = QGuiApplication::clipboard()->text();
    if (clip.isEmpty() && !model_.hasSelection()) return;
    insertList(pastedList(clip));
}

void ListBox::replace(qsizetype start, qsizetype length, const QString& text) {
    model_.select(start, start + length);
    insertList(text);
}

void ListBox::select(qsizetype anchor, qsizetype cursor) {
    model_.select(anchor, cursor);
    showCaret();
}

void ListBox::copyOut() {
    if (model_.hasSelection()) QGuiApplication::clipboard()->setText(model_.selectedText());
}

void ListBox::cutOut() {
    if (!model_.hasSelection()) return;
    copyOut();
    model_.removeSelection();
}

// The keys QLineEdit knows by the desktop's key bindings, as it takes them
bool ListBox::handleStandardKey(QKeyEvent* e) {
    LineModel& m = model_;
    const qsizetype cursor = m.cursor();
    using K = QKeySequence;
    if (e == K::Undo) m.undo();
    else if (e == K::Redo) m.redo();
    else if (e == K::SelectAll) m.selectAll();
    else if (e == K::Copy) copyOut();
    else if (e == K::Paste) pasteList();
    else if (e == K::Cut) cutOut();
    else if (e == K::DeleteEndOfLine) {
        m.moveCursor(m.text().size(), true);
        cutOut();
    } else if (e == K::DeleteCompleteLine) {
        m.selectAll();
        cutOut();
    } else if (e == K::MoveToStartOfLine || e == K::MoveToStartOfBlock) m.moveCursor(0);
    else if (e == K::MoveToEndOfLine || e == K::MoveToEndOfBlock) m.moveCursor(m.text().size());
    else if (e == K::SelectStartOfLine || e == K::SelectStartOfBlock) m.moveCursor(0, true);
    else if (e == K::SelectEndOfLine || e == K::SelectEndOfBlock) m.moveCursor(m.text().size(), true);
    else if (e == K::MoveToNextChar) m.moveCursor(m.nextCharacter(cursor));
    else if (e == K::SelectNextChar) m.moveCursor(m.nextCharacter(cursor), true);
    else if (e == K::MoveToPreviousChar) m.moveCursor(m.previousCharacter(cursor));
    else if (e == K::SelectPreviousChar) m.moveCursor(m.previousCharacter(cursor), true);
    else if (e == K::MoveToNextWord) m.moveCursor(m.nextWord(cursor));
    else if (e == K::MoveToPreviousWord) m.moveCursor(m.previousWord(cursor));
    else if (e == K::SelectNextWord) m.moveCursor(m.nextWord(cursor), true);
    else if (e == K::SelectPreviousWord) m.moveCursor(m.previousWord(cursor), true);
    else if (e == K::Delete) m.deleteAhead();
    // from the anchor to a word on from the caret; forward, a character when that is nothing
    else if (e == K::DeleteEndOfWord) {
        m.moveCursor(m.nextWord(cursor), true);
        m.deleteAhead();
    } else if (e == K::DeleteStartOfWord) {
        m.moveCursor(m.previousWord(cursor), true);
        m.removeSelection();
    } else return false;
    return true;
}

void ListBox::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!isEnter(e)) return e->ignore();
        e->accept(); // taken here, so no window around the box acts on it as well
        emit entered();
        return;
    }
    bool known = handleStandardKey(e);
    if (!known && e->key() == Qt::Key_Backspace && !(e->modifiers() & Qt::ControlModifier)) {
        model_.backspace();
        known = true;
    }
    if (!known && typesText(e)) {
        model_.type(e->text());
        known = true;
    }
    e->setAccepted(known);
    if (known) showCaret();
}

void ListBox::paintEvent(QPaintEvent* event) {
    TextBox::paintEvent(event);
    if (preedit_.isEmpty() && dropAt_ < 0) return;
    QPainter painter(this);
    if (dropAt_ >= 0) {
        const QRect at = characterRect(dropAt_);
        painter.fillRect(QRect(at.left(), at.top(), 1, at.height()), palette().text());
    }
    if (!preedit_.isEmpty()) { // composed text at the caret, underlined as input methods show it
        const QRect at = characterRect(model_.cursor());
        QFont underlined = font();
        underlined.setUnderline(true);
        painter.setFont(underlined);
        const QRect box(at.left(), at.top(), QFontMetrics(underlined).horizontalAdvance(preedit_) + 2,
                        at.height());
        painter.fillRect(box, palette().base());
        painter.setPen(palette().text().color());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, preedit_);
    }
}

qsizetype ListBox::positionAt(int x) const {
    if (model_.text().isEmpty()) return 0;
    const SlicedLine::View& view = viewNow();
    const int index = view.layout->lineAt(0).xToCursor(x - lineArea().x() - view.x);
    return std::clamp<qsizetype>(view.from + index - view.context, view.from, view.to);
}

QRect ListBox::characterRect(qsizetype position) const {
    const QRect area = lineArea();
    if (model_.text().isEmpty()) return QRect(area.x(), area.y(), 1, area.height());
    const SlicedLine::View& view = viewNow();
    position = std::clamp<qsizetype>(position, view.from, view.to);
    const int left = area.x() + qRound(view.caretX(position));
    const int right = position < view.to ? area.x() + qRound(view.caretX(position + 1)) : left + 1;
    return QRect(left, area.y(), std::max(1, right - left), area.height());
}

void ListBox::mousePressEvent(QMouseEvent* e) {
    pressedAt_ = e->position().toPoint();
    if (e->button() == Qt::RightButton) return;
    if (tripleClick_.isActive() &&
        (pressedAt_ - tripleClickAt_).manhattanLength() < QApplication::startDragDistance()) {
        model_.selectAll();
        return showCaret();
    }
    const bool mark = e->modifiers() & Qt::ShiftModifier;
    const qsizetype at = positionAt(pressedAt_.x());
    const bool inSelection = at >= model_.selectionStart() && at < model_.selectionEnd();
    if (!mark && dragEnabled() && e->button() == Qt::LeftButton && inSelection) {
        if (!dragStart_.isActive()) dragStart_.start(QApplication::startDragTime(), this);
        return;
    }
    model_.moveCursor(at, mark);
    showCaret();
}

void ListBox::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    if (dragStart_.isActive()) {
        if ((pressedAt_ - e->position().toPoint()).manhattanLength() >
            QApplication::startDragDistance())
            dragSelection();
        return;
    }
    model_.moveCursor(positionAt(e->position().toPoint().x()), true);
    showCaret();
}

void ListBox::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && dragStart_.isActive()) {
        dragStart_.stop();
        model_.moveCursor(model_.cursor());
        return showCaret();
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection()) return;
    if (e->button() == Qt::LeftButton && model_.hasSelection())
        clipboard->setText(model_.selectedText(), QClipboard::Selection);
    else if (e->button() == Qt::MiddleButton && !isReadOnly()) {
        model_.moveCursor(model_.cursor());
        insertList(pastedList(clipboard->text(QClipboard::Selection)));
    }
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    model_.selectWordAt(positionAt(e->position().toPoint().x()));
    showCaret();
    tripleClick_.start(QApplication::doubleClickInterval(), this);
    tripleClickAt_ = e->position().toPoint();
}

void ListBox::timerEvent(QTimerEvent* e) {
    if (e->timerId() == tripleClick_.timerId()) return tripleClick_.stop();
    if (e->timerId() == dragStart_.timerId()) return dragSelection();
    TextBox::timerEvent(e);
}

// The selection dragged, as QLineEdit drags it: moved out unless dropped back here
void ListBox::dragSelection() {
    dragStart_.stop();
    auto* data = new QMimeData;
    data->setText(model_.selectedText());
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    if (drag->exec(Qt::CopyAction | Qt::MoveAction) == Qt::MoveAction && drag->target() != this) {
        model_.removeSelection();
        showCaret();
    }
}

void ListBox::contextMenuEvent(QContextMenuEvent* e) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setObjectName(QStringLiteral("qt_edit_menu"));
    // QLineEdit's entries in Qt's own words, so the desktop's Qt translations name them
    const auto add = [&](const char* text, QKeySequence::StandardKey key, bool enabled,
                         const char* icon, auto action) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        const QKeySequence keys(key);
        if (!keys.isEmpty() && !QCoreApplication::testAttribute(Qt::AA_DontShowShortcutsInContextMenus) &&
            QGuiApplication::styleHints()->showShortcutsInContextMenus())
            label += u'\t' + keys.toString(QKeySequence::NativeText);
        QAction* a = menu->addAction(QIcon::fromTheme(QString::fromLatin1(icon)), label);
        a->setObjectName(QString::fromLatin1(icon));
        a->setEnabled(enabled);
        connect(a, &QAction::triggered, this, [this, action] {
            action();
            showCaret();
        });
    };
    const bool selected = model_.hasSelection();
    const bool editable = !isReadOnly();
    add("&Undo", QKeySequence::Undo, editable && model_.canUndo(), "edit-undo", [this] { model_.undo(); });
    add("&Redo", QKeySequence::Redo, editable && model_.canRedo(), "edit-redo", [this] { model_.redo(); });
    menu->addSeparator();
    add("Cu&t", QKeySequence::Cut, editable && selected, "edit-cut", [this] { cutOut(); });
    add("&Copy", QKeySequence::Copy, selected, "edit-copy", [this] { copyOut(); });
    add("&Paste", QKeySequence::Paste,
        editable && !QGuiApplication::clipboard()->text().isEmpty(), "edit-paste",
        [this] { pasteList(); });
    add("Delete", QKeySequence::UnknownKey, editable && selected, "edit-delete",
        [this] { model_.removeSelection(); });
    menu->addSeparator();
    add("Select All", QKeySequence::SelectAll,
        !model_.text().isEmpty() && model_.selectedText().size() != model_.text().size(),
        "select-all", [this] { model_.selectAll(); });
    menu->popup(e->globalPos());
}

// Text, or files of which some hold lists: the name of another file is no list
bool ListBox::dropsText(const QMimeData* data) const {
    if (isReadOnly() || !data) return false;
    const QList<QUrl> urls = data->urls();
    if (!urls.isEmpty() &&
        std::all_of(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); }))
        return !listFiles(data).isEmpty();
    return data->hasText();
}

void ListBox::showDropAt(qsizetype position) {
    dropAt_ = position;
    update();
}

void ListBox::dragEnterEvent(QDragEnterEvent* e) {
    if (dropsText(e->mimeData())) e->acceptProposedAction();
    else e->ignore();
}

void ListBox::dragMoveEvent(QDragMoveEvent* e) {
    if (!dropsText(e->mimeData())) return e->ignore();
    e->acceptProposedAction();
    showDropAt(positionAt(e->position().toPoint().x()));
}

void ListBox::dragLeaveEvent(QDragLeaveEvent*) { showDropAt(-1); }

void ListBox::dropEvent(QDropEvent* e) {
    showDropAt(-1);
    if (!dropsText(e->mimeData())) return e->ignore();
    const qsizetype at = positionAt(e->position().toPoint().x());
    QString text;
    if (const QStringList paths = listFiles(e->mimeData()); !paths.isEmpty()) {
        const DroppedList dropped = readDroppedList(paths, QLocale().decimalPoint());
        if (!dropped.message.isEmpty()) {
            e->ignore();
            return Desktop::current().showMessage(window(), dropped.message);
        }
        text = dropped.list;
    } else {
        text = pastedList(e->mimeData()->text());
    }
    e->acceptProposedAction();
    // the selection dropped within the box moves: it goes out where it was
    if (e->source() == this && e->dropAction() == Qt::MoveAction && model_.hasSelection() &&
        (at <= model_.selectionStart() || at >= model_.selectionEnd())) {
        const qsizetype length = model_.selectionEnd() - model_.selectionStart();
        const qsizetype target = at > model_.selectionStart() ? at - length : at;
        model_.removeSelection();
        model_.moveCursor(target);
        e->setDropAction(Qt::CopyAction); // nothing left for the drag to take out
    } else {
        model_.moveCursor(at);
    }
    insertList(text);
}

void ListBox::inputMethodEvent(QInputMethodEvent* e) {
    if (!e->commitString().isEmpty() || e->replacementLength() > 0) {
        if (e->replacementLength() > 0) {
            const qsizetype from = model_.cursor() + e->replacementStart();
            model_.select(from, from + e->replacementLength());
        }
        model_.type(e->commitString());
    }
    preedit_ = e->preeditString();
    showCaret();
    e->accept();
}

// Input methods see the text around the caret, not a list of a million values
QVariant ListBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    constexpr qsizetype around = 256;
    const qsizetype from = std::max<qsizetype>(0, model_.cursor() - around);
    const qsizetype to = std::min(model_.text().size(), model_.cursor() + around);
    switch (query) {
    case Qt::ImEnabled: return isEnabled() && !isReadOnly();
    case Qt::ImCursorRectangle: {
        const QRect at = characterRect(model_.cursor());
        return QRect(at.left(), at.top(), 1, at.height());
    }
    case Qt::ImAnchorRectangle: {
        const QRect at = characterRect(model_.anchor());
        return QRect(at.left(), at.top(), 1, at.height());
    }
    case Qt::ImFont: return font();
    case Qt::ImCursorPosition: return int(model_.cursor() - from);
    case Qt::ImAnchorPosition: return int(std::clamp(model_.anchor(), from, to) - from);
    case Qt::ImAbsolutePosition: return int(model_.cursor());
    case Qt::ImSurroundingText: return model_.text().sliced(from, to - from);
    case Qt::ImTextBeforeCursor: return model_.text().sliced(from, model_.cursor() - from);
    case Qt::ImTextAfterCursor: return model_.text().sliced(model_.cursor(), to - model_.cursor());
    case Qt::ImCurrentSelection: return model_.selectedText();
    case Qt::ImMaximumTextLength: return QVariant();
    case Qt::ImHints: return int(inputMethodHints());
    case Qt::ImReadOnly: return isReadOnly();
    default: return QWidget::inputMethodQuery(query);
    }
}

} // namespace sb::ui
