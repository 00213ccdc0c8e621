// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a one-line box shows of a text far wider than itself. QLineEdit measures and draws the
// whole text at every paint, so a box holding a million values stalls at each caret blink.
// This lays out only a slice around the part in view, and scrolls it as QLineEdit scrolls its
// whole line: the caret stays in view and the view moves no more than it must.

#include <QFont>
#include <QString>
#include <QTextLayout>

#include <functional>
#include <memory>
#include <vector>

namespace sb::ui {

// How QTextLayout cuts a line of text into the items it shapes one by one, so that a slice is
// shaped as the whole line would be. An item ends where the script changes, Common characters
// (digits, blanks, signs) taking the script of the character before them (at the start, of
// the first one after), and after 4096 code units of one script: kerning and ligatures never
// reach from one item into the next. Found in one pass over the text.
class LineItems {
public:
    explicit LineItems(const QString& text);
    // The same for text after removed at at was replaced by inserted code units: a keystroke
    // in a long list costs about as much as the characters it changes.
    void replaced(const QString& text, qsizetype at, QStringView removed, qsizetype inserted);

    // Whether the text may be shown a slice at a time: nothing in it reaches across the line
    // (right-to-left writing, Arabic digits and bidi controls reorder it; a tab stops at
    // places counted from the start of the line).
    bool sliceable() const { return unsliceable_ == 0; }
    // A character to put before a slice starting at from, so that its Common characters take
    // the script they take in the whole line; empty when they take none.
    QString contextAt(qsizetype from) const;
    // Where items start after from and before to.
    std::vector<qsizetype> startsWithin(qsizetype from, qsizetype to) const;

    bool operator==(const LineItems&) const = default;

private:
    struct Run {
        qsizetype start;
        char32_t witness; // a character of the run's script, 0 for none
        bool operator==(const Run&) const = default;
    };
    std::vector<Run>::const_iterator runAt(qsizetype position) const;
    Run scan(const QString& text, qsizetype from, Run open, qsizetype syncFrom,
             const std::function<bool(qsizetype, QChar::Script)>& synced);

    qsizetype size_;       // of the text, which is not kept: the box changes it in place
    qsizetype unsliceable_; // characters that reach across the line
    // The first run's characters before this are all Common: its script starts here
    qsizetype firstScriptAt_ = 0;
    std::vector<Run> runs_; // of one script each, by start
};

class SlicedLine {
public:
    struct View {
        qsizetype from = 0; // the slice's first code unit in the text
        qsizetype to = 0;   // one past its last
        // the slice on one line as the box shows it, after a character of context
        std::unique_ptr<QTextLayout> layout;
        int context = 0;
        int x = 0; // where the layout starts, from the line's left edge

        // The layout's index of a position of the text, from .. to.
        int index(qsizetype position) const { return int(position - from) + context; }
        // The line's x of a caret before the code unit at position, from .. to.
        qreal caretX(qsizetype position) const;
    };

    // The view of text in a line width pixels wide, with the caret before cursor, scrolled
    // on from the view last shown. Lays out a few screens of text at most.
    const View& show(const QString& text, const LineItems& items, qsizetype cursor, int width,
                     const QFont& font);
    const View& lastShown() const { return view_; }

    // Starts the next view with the caret at x (from the line's left edge), where the box
    // showed it before: the view moves on from there as it would have from the whole line.
    void placeCaret(qreal x) {
        caretPlaced_ = x;
        anchor_ = -1;
    }
    bool placed() const { return anchor_ >= 0 || caretPlaced_ >= 0; }
    void forget() {
        anchor_ = -1;
        caretPlaced_ = -1;
    }

private:
    void layOut(const QString& text, const LineItems& items, int width, const QFont& font);

    // The code unit at anchor_ starts at anchorX_ (from the line's left edge; at or left of it
    // once a view is shown), so the text left of the view stays still while it is edited
    qsizetype anchor_ = -1;
    qreal anchorX_ = 0;
    qreal caretPlaced_ = -1;
    View view_;
};

} // namespace sb::ui
