// SPDX-License-Identifier: GPL-3.0-or-later
#include "sliced_line.h"

#include <QFontMetricsF>
#include <QTextOption>

#include <algorithm>
#include <functional>
#include <cmath>

namespace sb::ui {

namespace {

// Characters a slice holds beyond the edges of the view, so that the shaping at its ends,
// which lacks the characters around, is never seen.
constexpr qsizetype margin = 8;
// A slice grows no longer: only characters without width could make a view need more.
constexpr qsizetype longestSide = qsizetype(1) << 16;

bool startsCharacter(QStringView text, qsizetype at) {
    if (at <= 0 || at >= text.size()) return true;
    return !text[at].isLowSurrogate() && !text[at].isMark();
}

// at, moved by step until no character is cut there (a short way at most)
qsizetype characterStart(QStringView text, qsizetype at, int step) {
    for (int i = 0; i < 32 && !startsCharacter(text, at); ++i) at += step;
    return at;
}

// The slice as the box draws it: like QLineEdit, control characters, line and paragraph
// separators and object replacement characters as blanks, so no font draws boxes for them.
QString displayed(QStringView slice) {
    QString shown = slice.toString();
    for (QChar& c : shown)
        if (c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator ||
            c == QChar::ObjectReplacementCharacter)
            c = u' ';
    return shown;
}

// QTextLayout's longest item
constexpr qsizetype itemLength = 4096;

// Directions that reorder text beyond the characters around them
bool reorders(QChar::Direction d) {
    switch (d) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirPDF:
    case QChar::DirRLI:
    case QChar::DirLRI:
    case QChar::DirFSI:
    case QChar::DirPDI: return true;
    default: return false;
    }
}

bool isMark(QChar::Category c) {
    return c == QChar::Mark_NonSpacing || c == QChar::Mark_SpacingCombining ||
           c == QChar::Mark_Enclosing;
}

// One character of the text for the runs: its script as QTextLayout sees it (a letter of a
// list is Latin, its digits, blanks and signs Common), and where the next one starts.
struct Scanned {
    char32_t c;
    QChar::Script script;
    qsizetype next;
};

Scanned scanned(const QString& text, qsizetype i) {
    char32_t c = text[i].unicode();
    if (c < 0x80) { // most lists: digits, blanks and signs, now and then a letter
        const bool letter = (c | 0x20) >= u'a' && (c | 0x20) <= u'z';
        return {c, letter ? QChar::Script_Latin : QChar::Script_Common, i + 1};
    }
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
    return {c, QChar::script(c), i + 1};
}

// Characters that keep a text from being shown a slice at a time (see sliceable)
qsizetype unsliceableIn(QStringView text) {
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text[i].unicode();
        if (c == u'\t') ++count;
        if (c < 0x80) continue;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        if (reorders(QChar::direction(c))) ++count;
    }
    return count;
}

QChar::Script scriptOf(char32_t witness) {
    return witness ? QChar::script(witness) : QChar::Script_Common;
}

// A surrogate pair is cut at position
bool cutsPair(QStringView text, qsizetype at) {
    return at > 0 && at < text.size() && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate();
}

} // namespace

LineItems::LineItems(const QString& text)
    : size_(text.size()), unsliceable_(unsliceableIn(text)), firstScriptAt_(text.size()) {
    runs_.push_back(scan(text, 0, {0, 0}, text.size(), {}));
}

// The runs are those QTextLayout finds: a Common, Inherited or Unknown character continues the
// run before it; the first character of a script starts none (the run is all Common before
// it); a mark stays with its base character. Scans from the open run on, closing runs into
// runs_, until the end of the text or until synced says the runs after i are known; returns
// the run still open.
LineItems::Run LineItems::scan(const QString& text, qsizetype from, Run open, qsizetype syncFrom,
                               const std::function<bool(qsizetype, QChar::Script)>& synced) {
    QChar::Script script = scriptOf(open.witness);
    for (qsizetype i = from; i < text.size();) {
        if (i >= syncFrom && synced && synced(i, script)) break;
        const qsizetype at = i;
        const Scanned s = scanned(text, i);
        i = s.next;
        if (s.script == script || s.script <= QChar::Script_Common) continue;
        if (script <= QChar::Script_Common) {
            script = s.script;
            open.witness = s.c;
            firstScriptAt_ = at;
            continue;
        }
        if (isMark(QChar::category(s.c))) continue;
        runs_.push_back(open);
        open = {at, s.c};
        script = s.script;
    }
    return open;
}

// Only the runs from the one the change is in are found again, up to where the scan meets a
// character after the change in the state the old scan met it in: from there the old runs
// hold, moved by the change.
void LineItems::replaced(const QString& text, qsizetype at, QStringView removed,
                         qsizetype inserted) {
    const qsizetype end = at + inserted; // of the change in the new text
    if (cutsPair(text, at) || cutsPair(text, end) ||
        (!removed.isEmpty() && (removed.front().isLowSurrogate() || removed.back().isHighSurrogate()))) {
        *this = LineItems(text);
        return;
    }
    unsliceable_ += unsliceableIn(QStringView(text).sliced(at, inserted)) - unsliceableIn(removed);
    const qsizetype shift = inserted - removed.size();
    std::vector<Run> old = std::move(runs_);
    const auto oldRunAt = [&old](qsizetype position) {
        return std::prev(std::upper_bound(old.begin(), old.end(), position,
                                          [](qsizetype p, const Run& r) { return p < r.start; }));
    };
    // the run open before the change: its characters before it are unchanged
    auto open = at > 0 ? oldRunAt(at - 1) : old.begin();
    runs_.assign(old.begin(), open);
    // the first run is all Common up to its first script character
    const qsizetype oldFirst = firstScriptAt_;
    const auto commonUpTo = [&](std::vector<Run>::const_iterator run, qsizetype j) {
        return run == old.begin() && oldFirst >= j;
    };
    const Run start = at > 0 && !commonUpTo(open, at) ? *open : Run{0, 0};
    if (start.witness == 0) firstScriptAt_ = text.size();
    std::vector<Run>::const_iterator rest = old.end();
    bool commonMet = false;
    // the old scan met the old character j with the script of the run holding j - 1
    Run last = scan(text, at, start, end + 1, [&](qsizetype i, QChar::Script script) {
        const qsizetype j = i - shift;
        const auto before = oldRunAt(j - 1);
        const bool common = commonUpTo(before, j);
        if ((common ? QChar::Script_Common : scriptOf(before->witness)) != script) return false;
        commonMet = common;
        rest = std::next(before);
        return true;
    });
    if (commonMet && last.witness == 0) { // the first run's script starts where it did
        last.witness = old.front().witness;
        firstScriptAt_ = oldFirst + shift;
    }
    runs_.push_back(last);
    for (; rest != old.end(); ++rest) runs_.push_back({rest->start + shift, rest->witness});
    size_ = text.size();
}

// The run a position is in
auto LineItems::runAt(qsizetype position) const -> std::vector<Run>::const_iterator {
    return std::prev(std::upper_bound(runs_.begin(), runs_.end(), position,
                                      [](qsizetype at, const Run& r) { return at < r.start; }));
}

QString LineItems::contextAt(qsizetype from) const {
    const char32_t witness = runAt(from)->witness;
    return witness ? QString::fromUcs4(&witness, 1) : QString();
}

std::vector<qsizetype> LineItems::startsWithin(qsizetype from, qsizetype to) const {
    std::vector<qsizetype> starts;
    for (auto run = runAt(from); run != runs_.end() && run->start < to; ++run) {
        const qsizetype end = std::next(run) != runs_.end() ? std::next(run)->start : size_;
        // the first start of an item of this run after from
        qsizetype at = run->start;
        if (at <= from) at += (from - at) / itemLength * itemLength + itemLength;
        for (; at < std::min(end, to); at += itemLength) starts.push_back(at);
    }
    return starts;
}

qreal SlicedLine::View::caretX(qsizetype position) const {
    return x + layout->lineAt(0).cursorToX(index(position));
}

const SlicedLine::View& SlicedLine::show(const QString& text, const LineItems& items,
                                         qsizetype cursor, int width, const QFont& font) {
    const qsizetype n = text.size();
    cursor = std::clamp<qsizetype>(cursor, 0, n);
    if (anchor_ < 0) {
        // where QLineEdit left its line: the caret where it was drawn, or the line unscrolled
        anchor_ = caretPlaced_ >= 0 ? cursor : 0;
        anchorX_ = std::max<qreal>(caretPlaced_, 0);
        caretPlaced_ = -1;
    }
    anchor_ = std::min(anchor_, n);
    // QLineEdit's scrolling, in whole pixels as it does it, with scroll the line's x at the
    // left edge of the view; counted from the slice's start, as its start is a whole pixel
    // of the line when the font's advances are whole pixels, as they are when hinted
    for (int round = 0; round < 4; ++round) {
        layOut(text, items, width, font);
        const QTextLine line = view_.layout->lineAt(0);
        const auto at = [&](qsizetype p) { return line.cursorToX(view_.index(p)); };
        const int kept = qRound(at(anchor_) - anchorX_);
        int scroll = kept;
        if (view_.from == 0 && view_.to == n && qRound(line.naturalTextWidth()) + 1 <= width) {
            scroll = qRound(at(0)); // the whole text fits: it starts at the left edge
        } else if (cursor < view_.from || cursor > view_.to) {
            // the slice covers the view, so the caret is out of it: it goes to the nearer edge
            anchor_ = cursor;
            anchorX_ = cursor > view_.to ? width - 1 : 0;
            continue;
        } else {
            const int caret = qRound(at(cursor));
            const int used = qRound(at(n)) + 1; // meaningful when the slice reaches the end
            if (caret - scroll >= width) scroll = caret - width + 1;
            else if (caret - scroll < 0) scroll = caret;
            else if (view_.to == n && used - scroll < width) scroll = used - width + 1;
        }
        // from now on the text left of the view stays still: the anchor is at its left edge
        const qsizetype left =
            std::max(view_.from, view_.from - view_.context +
                                     line.xToCursor(std::max<qreal>(scroll, at(view_.from)),
                                                    QTextLine::CursorOnCharacter));
        anchor_ = left;
        anchorX_ = at(left) - scroll;
        view_.x = -scroll;
        if (scroll == kept) break; // the slice was laid out for this view
    }
    return view_;
}

// Lays out the text around the anchor: enough of it to fill the view on both sides, and a
// margin.
void SlicedLine::layOut(const QString& text, const LineItems& items, int width, const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal narrow = std::max<qreal>(1, metrics.averageCharWidth() / 2);
    const qreal beyond = metrics.averageCharWidth() * 2; // a margin in pixels
    const qreal needLeft = std::max<qreal>(0, anchorX_) + beyond;
    const qreal needRight = width - std::min<qreal>(anchorX_, width) + beyond;
    qsizetype back = qsizetype(std::ceil(needLeft / narrow)) + margin;
    qsizetype ahead = qsizetype(std::ceil(needRight / narrow)) + margin;
    for (;;) {
        view_.from = characterStart(text, std::max<qsizetype>(0, anchor_ - back), -1);
        view_.to = characterStart(text, std::min(text.size(), anchor_ + ahead), 1);
        // after a character of the script its first characters take, and cut into items
        // where the whole line is
        const QString context = items.contextAt(view_.from);
        view_.context = int(context.size());
        view_.layout = std::make_unique<QTextLayout>(
            context + displayed(QStringView(text).sliced(view_.from, view_.to - view_.from)), font);
        QList<QTextLayout::FormatRange> cuts;
        qsizetype start = view_.from;
        for (const qsizetype next : items.startsWithin(view_.from, view_.to)) {
            cuts.append({view_.index(start), int(next - start), {}});
            start = next;
        }
        cuts.append({view_.index(start), int(view_.to - start), {}});
        view_.layout->setFormats(cuts);
        QTextOption option;
        option.setTextDirection(Qt::LeftToRight);
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        view_.layout->setTextOption(option);
        view_.layout->beginLayout();
        view_.layout->createLine();
        view_.layout->endLayout();

        const QTextLine line = view_.layout->lineAt(0);
        const qreal a = line.cursorToX(view_.index(anchor_)) - line.cursorToX(view_.context);
        const bool leftShort = view_.from > 0 && a < needLeft && back < longestSide;
        const bool rightShort =
            view_.to < text.size() &&
            line.naturalTextWidth() - line.cursorToX(view_.index(anchor_)) < needRight &&
            ahead < longestSide;
        if (!leftShort && !rightShort) return;
        if (leftShort) back *= 2;
        if (rightShort) ahead *= 2;
    }
}

} // namespace sb::ui
