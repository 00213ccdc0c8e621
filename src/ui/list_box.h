// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "line_model.h"
#include "text_box.h"

#include <QBasicTimer>

class QMimeData;

namespace sb::ui {

// A box for a list of values, which may be a million long. Its text, caret, selection and
// undo history live in a LineModel, and it lays out and paints only the part in view, so a
// keystroke or a paste costs what it changes. It edits, selects, scrolls and looks as
// QLineEdit does, and pastes and drops lists (line breaks and tabs become blanks; a dropped
// .txt or .csv file gives its list).
//
// It stays a QLineEdit (a TextBox) to the rest of the program: QLineEdit holds a copy of the
// text shown as no echo, so that it lays nothing out, and whatever QLineEdit's own functions
// change there (setText, clear, selectAll, setCursorPosition ...) the model takes over. The
// copy also tells screen readers of every change of the text and the caret.
class ListBox : public TextBox {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent);

    const LineModel& model() const { return model_; }
    // As QLineEdit::setText, which it hides: the undo history is forgotten, even when the text
    // stays the same (QLineEdit's own setText forgets it only when the text changes)
    void setText(const QString& text);
    // The clipboard's text as a list, replacing the selection (QLineEdit::paste pastes raw)
    void pasteList();
    // Replaces the selection by text (a paste or a drop), one undo step
    void insertList(const QString& text);
    // Replaces length code units at start by text, one undo step (for screen readers)
    void replace(qsizetype start, qsizetype length, const QString& text);
    void select(qsizetype anchor, qsizetype cursor);
    // The text position nearest x, in the box's coordinates
    qsizetype positionAt(int x) const;
    // Where the character at position is drawn (for screen readers and input methods)
    QRect characterRect(qsizetype position) const;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    const LineItems& items() const override { return items_; }
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    bool handleStandardKey(QKeyEvent* event);
    void dragSelection();
    void copyOut();
    void cutOut();
    // After the model changed the caret or the selection: QLineEdit's copy and the view follow
    void showCaret();
    void mirror(const LineModel::Change& change);
    void tellScreenReaders(const LineModel::Change& change);
    void takeFromQLineEdit();
    bool dropsText(const QMimeData* data) const;
    // a caret drawn where a drag would drop, as QLineEdit does; -1 for none
    void showDropAt(qsizetype position);

    LineModel model_;
    LineItems items_;
    bool syncing_ = false; // this box changes QLineEdit's copy: nothing to take from it
    QBasicTimer tripleClick_;
    QPoint tripleClickAt_;
    QBasicTimer dragStart_;
    QPoint pressedAt_;
    qsizetype dropAt_ = -1;
    QString preedit_;
};

} // namespace sb::ui
