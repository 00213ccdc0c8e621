// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_model.h"

#include <QTextLayout>

#include <algorithm>

namespace sb::ui {

namespace {

// A window of the text as QLineEdit lays it out: control characters but tabs, line and
// paragraph separators and object replacement characters read as blanks
QString laidOut(QStringView text) {
    QString shown = text.toString();
    for (QChar& c : shown)
        if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
            c = u' ';
    return shown;
}

// Where QTextLayout's caret goes from position, one character or word forward or back. Only a
// window of the text around it is looked at, grown while the answer is at its edge: characters
// and words are found from the characters around them.
qsizetype step(const QString& text, qsizetype position, bool forward, QTextLayout::CursorMode mode) {
    for (qsizetype reach = 64;; reach *= 4) {
        const qsizetype from = std::max<qsizetype>(0, position - reach);
        const qsizetype to = std::min(text.size(), position + reach);
        QTextLayout layout(laidOut(QStringView(text).sliced(from, to - from)));
        const int at = int(position - from);
        const qsizetype found =
            from + (forward ? layout.nextCursorPosition(at, mode) : layout.previousCursorPosition(at, mode));
        const bool inside = forward ? (found < to - 8 || to == text.size())
                                    : (found > from + 8 || from == 0);
        if (inside) return found;
    }
}

} // namespace

QString LineModel::selectedText() const {
    return text_.sliced(selectionStart(), selectionEnd() - selectionStart());
}

void LineModel::setText(const QString& text) {
    const qsizetype length = text_.size();
    replace(0, length, text);
    history_.clear();
    done_ = 0;
    cursor_ = anchor_ = text_.size();
    merges_ = false;
}

void LineModel::moveCursor(qsizetype position, bool mark) {
    position = std::clamp<qsizetype>(position, 0, text_.size());
    if (position != cursor_) merges_ = false;
    cursor_ = position;
    if (!mark) anchor_ = position;
}

void LineModel::select(qsizetype anchor, qsizetype cursor) {
    anchor = std::clamp<qsizetype>(anchor, 0, text_.size());
    cursor = std::clamp<qsizetype>(cursor, 0, text_.size());
    if (anchor != anchor_ || cursor != cursor_) merges_ = false;
    anchor_ = anchor;
    cursor_ = cursor;
}

// As QLineEdit: from the start of the word the position is in (or before) to its end, less
// the blanks after it
void LineModel::selectWordAt(qsizetype position) {
    const qsizetype next = std::min(position + 1, text_.size());
    const qsizetype start = previousWord(next);
    qsizetype end = nextWord(start);
    while (end > position && end > 0 && text_[end - 1].isSpace()) --end;
    moveCursor(start);
    moveCursor(end, true);
}

void LineModel::type(const QString& typed) {
    edit(Kind::Typed, selectionStart(), selectionEnd() - selectionStart(), typed);
}

void LineModel::insert(const QString& inserted) {
    if (inserted.isEmpty() && !hasSelection()) return;
    edit(Kind::Pasted, selectionStart(), selectionEnd() - selectionStart(), inserted);
}

void LineModel::backspace() {
    if (hasSelection()) return removeSelection();
    if (cursor_ == 0) return;
    qsizetype from = cursor_ - 1;
    if (from > 0 && text_[from].isLowSurrogate() && text_[from - 1].isHighSurrogate()) --from;
    edit(Kind::Backspaced, from, cursor_ - from, QString());
}

void LineModel::deleteAhead() {
    if (hasSelection()) return removeSelection();
    if (cursor_ == text_.size()) return;
    edit(Kind::Deleted, cursor_, nextCharacter(cursor_) - cursor_, QString());
}

void LineModel::removeSelection() {
    if (!hasSelection()) return;
    edit(Kind::Selection, selectionStart(), selectionEnd() - selectionStart(), QString());
}

void LineModel::edit(Kind kind, qsizetype at, qsizetype length, const QString& inserted) {
    const QString removed = text_.sliced(at, length);
    history_.resize(done_); // what was undone can no longer be redone
    Step* last = merges_ && done_ > 0 ? &history_.back() : nullptr;
    // a run goes on in a step of its kind, or in one that only removed a selection
    const bool joins = last && (last->kind == kind || last->kind == Kind::Selection);
    if (joins && kind == Kind::Typed && length == 0 && last->at + last->inserted.size() == at) {
        last->inserted += inserted;
    } else if (joins && kind == Kind::Backspaced && at + length == last->at) {
        last->removed.prepend(removed);
        last->at = at;
    } else if (joins && kind == Kind::Deleted && at == last->at) {
        last->removed += removed;
    } else {
        history_.push_back({kind, at, removed, inserted, cursor_, anchor_, 0, !merges_});
        ++done_;
        last = &history_.back();
    }
    if (last->kind == Kind::Selection) last->kind = kind;
    replace(at, length, inserted);
    cursor_ = anchor_ = at + inserted.size();
    last->cursorAfter = cursor_;
    merges_ = kind != Kind::Pasted;
}

void LineModel::replace(qsizetype at, qsizetype length, const QString& inserted) {
    if (length == 0 && inserted.isEmpty()) return;
    Change change{at, text_.sliced(at, length), inserted.size()};
    text_.replace(at, length, inserted);
    if (changed) changed(change);
}

void LineModel::undo() {
    if (!canUndo()) return;
    const Step& s = history_[--done_];
    replace(s.at, s.inserted.size(), s.removed);
    anchor_ = s.anchorBefore;
    cursor_ = s.cursorBefore;
    // what is typed now may join the step before, unless the caret had moved before either
    merges_ = merges_ && !s.afterMove;
}

void LineModel::redo() {
    if (!canRedo()) return;
    const Step& s = history_[done_++];
    replace(s.at, s.removed.size(), s.inserted);
    cursor_ = anchor_ = s.cursorAfter;
    merges_ = merges_ && (done_ == history_.size() || !history_[done_].afterMove);
}

qsizetype LineModel::nextCharacter(qsizetype position) const {
    return step(text_, position, true, QTextLayout::SkipCharacters);
}
qsizetype LineModel::previousCharacter(qsizetype position) const {
    return step(text_, position, false, QTextLayout::SkipCharacters);
}
qsizetype LineModel::nextWord(qsizetype position) const {
    return step(text_, position, true, QTextLayout::SkipWords);
}
qsizetype LineModel::previousWord(qsizetype position) const {
    return step(text_, position, false, QTextLayout::SkipWords);
}

} // namespace sb::ui
