// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace sb::ui {

// The text of a one-line box, its caret and selection, and its undo history, without a widget:
// it edits and moves as QLineEdit does (the same characters, words and undo steps) but never
// lays the text out, so a keystroke in a list of a million values costs what it changes. An
// undo step keeps what it removed and inserted, never the whole text.
class LineModel {
public:
    // What an edit changed: removed, the text that was at at, replaced by inserted code units
    struct Change {
        qsizetype at;
        QString removed;
        qsizetype inserted;
    };
    // Told after every change of the text, before the caret moves to where it goes.
    std::function<void(const Change&)> changed;

    const QString& text() const { return text_; }
    qsizetype cursor() const { return cursor_; }
    qsizetype anchor() const { return anchor_; }
    bool hasSelection() const { return anchor_ != cursor_; }
    qsizetype selectionStart() const { return std::min(anchor_, cursor_); }
    qsizetype selectionEnd() const { return std::max(anchor_, cursor_); }
    QString selectedText() const;

    // A new text with the caret at its end and no undo history, as QLineEdit::setText
    void setText(const QString& text);
    // The caret to position; with mark the selection runs from the anchor to it
    void moveCursor(qsizetype position, bool mark = false);
    // The selection from anchor to cursor, as it is (taken from a box that changed it)
    void select(qsizetype anchor, qsizetype cursor);
    void selectAll() { select(0, text_.size()); }
    void selectWordAt(qsizetype position); // as a double click does

    // Typed text: replaces the selection; a run of typing is one undo step
    void type(const QString& typed);
    // Pasted or dropped text: replaces the selection, one undo step of its own
    void insert(const QString& inserted);
    void backspace();    // the selection, or one character (a surrogate pair) before the caret
    void deleteAhead();  // the selection, or the character after the caret
    void removeSelection();

    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < history_.size(); }
    void undo();
    void redo();

    // Where the caret goes one character or one word on, as QLineEdit's arrow keys take it
    qsizetype nextCharacter(qsizetype position) const;
    qsizetype previousCharacter(qsizetype position) const;
    qsizetype nextWord(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;

private:
    // QLineEdit's undo steps: a run of typing, of Backspace or of Delete, each with the
    // selection it first removed; a removed selection takes the run that follows it; a paste
    // stands alone
    enum class Kind { Typed, Backspaced, Deleted, Selection, Pasted };
    struct Step {
        Kind kind;
        qsizetype at;
        QString removed, inserted;
        qsizetype cursorBefore, anchorBefore, cursorAfter;
        bool afterMove; // the caret had moved since the step before: the two never join
    };
    void edit(Kind kind, qsizetype at, qsizetype length, const QString& inserted);
    void replace(qsizetype at, qsizetype length, const QString& inserted);

    QString text_;
    qsizetype cursor_ = 0, anchor_ = 0;
    std::vector<Step> history_;
    size_t done_ = 0;      // steps of history_ done; the rest are undone, for redo
    bool merges_ = false;  // the next edit may join the last step: the caret has not moved
};

} // namespace sb::ui
