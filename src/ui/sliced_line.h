#pragma once

// What a one-line box shows of a text far wider than itself. QLineEdit measures and draws the
// whole text at every paint, so a box holding a million values stalls at each caret blink.
// This lays out only a slice around the part in view, and scrolls it as QLineEdit scrolls its
// whole line: the caret stays in view and the view moves no more than it must.

#include <QFont>
#include <QString>
#include <QTextLayout>

#include <memory>

namespace sb::ui {

// Whether a text may be shown a slice at a time: a slice is laid out apart from the rest, so
// nothing in the text may reach across the line (right-to-left writing and bidi controls
// reorder it, a tab stops at places counted from its start).
bool sliceable(QStringView text);

class SlicedLine {
public:
    struct View {
        qsizetype from = 0;                  // the slice's first code unit in the text
        qsizetype to = 0;                    // one past its last
        std::unique_ptr<QTextLayout> layout; // the slice on one line, as the box shows it
        int x = 0;                           // where the slice starts, from the line's left edge

        // The line's x of a caret before the code unit at position, from .. to.
        qreal caretX(qsizetype position) const;
    };

    // The view of text in a line width pixels wide, with the caret before cursor, scrolled
    // on from the view last shown. Lays out a few screens of text at most.
    const View& show(const QString& text, qsizetype cursor, int width, const QFont& font);
    const View& lastShown() const { return view_; }

    // Starts the next view with the caret at x (from the line's left edge), where the box
    // showed it before: the view moves on from there as it would have from the whole line.
    void placeCaret(qreal x) { caretPlaced_ = x; anchor_ = -1; }
    bool placed() const { return anchor_ >= 0 || caretPlaced_ >= 0; }
    void forget() { anchor_ = -1; caretPlaced_ = -1; }

private:
    void layOut(const QString& text, int width, const QFont& font);

    // The code unit at anchor_ starts at anchorX_ (from the line's left edge; at or left of it
    // once a view is shown), so the text left of the view stays still while it is edited
    qsizetype anchor_ = -1;
    qreal anchorX_ = 0;
    qreal caretPlaced_ = -1;
    View view_;
};

} // namespace sb::ui
