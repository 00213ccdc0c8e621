// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "accessibility.h"
#include "list_box.h"
#include "system_colours.h"
#include "text_box.h"
#include "widgets.h"
#include "working/bidi.h"

#include <QLineEdit>

#include <algorithm>
#include <map>
#include <vector>

namespace sb::ui {

namespace {

QRect pixelRect(Twips t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

QWidget* create(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Label:
    case Kind::ClickLabel: {
        QLabel* label = c.kind == Kind::ClickLabel ? new ClickableLabel(c.text, parent)
                        : c.isOutput               ? new OutputLabel(c.spoken, parent)
                                                   : new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(c.text);
        label->setWordWrap(!c.isOutput); // an answer stays on one line
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::TextBox:
        if (c.isList) return new ListBox(parent);
        return new TextBox(c.maxLength, parent);
    case Kind::Button: return new CaptionButton(c.text, parent);
    case Kind::Line:
        return new LineControl({pixels(c.at.left), pixels(c.at.top)},
                               {pixels(c.at.width), pixels(c.at.height)}, parent);
    case Kind::Shape: return new ShapeControl(parent);
    case Kind::Picture: return new QWidget(parent);
    }
    return nullptr;
}

void style(QWidget* widget, const Control& c) {
    widget->setFont(fontOf(c));
    if (!c.tip.isEmpty()) widget->setToolTip(c.tip);
    // an output's heading is its name through its own accessible interface (widgets.h)
    if (!c.spoken.isEmpty() && !c.isOutput) widget->setAccessibleName(c.spoken);
    if (c.isUnread) keepFromScreenReaders(widget);
    QPalette palette = widget->palette();
    if (c.fill) {
        const auto role = c.kind == Kind::Button ? QPalette::Button : QPalette::Window;
        palette.setColor(role, *c.fill);
        widget->setAutoFillBackground(c.kind != Kind::Button);
        // on a colour of its own the ink stays the light desktop's, whatever the desktop
        if (!c.ink) {
            palette.setColor(QPalette::WindowText, system_colour::windowText);
            palette.setColor(QPalette::ButtonText, system_colour::windowText);
        }
    }
    if (c.ink) {
        palette.setColor(QPalette::WindowText, *c.ink);
        palette.setColor(QPalette::ButtonText, *c.ink);
    }
    widget->setPalette(palette);
}

// Where a control stands among the others of its parent, for an answer looking for room.
struct Neighbour {
    const QWidget* widget;
    QRect at;
    bool isLine;
};
using Neighbours = std::vector<Neighbour>;

Neighbours neighboursIn(const QWidget* parent) {
    Neighbours all;
    for (const QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        all.push_back({w, w->geometry(), qobject_cast<const LineControl*>(w) != nullptr});
    return all;
}

// The first left edge of a control right of at and level with it, less a small gap; the
// parent's right edge when there is none. A line counts only where blocks says so.
int nextOnTheRight(const QWidget* self, const Neighbours& others, const QRect& at,
                   bool (*blocks)(const QRect& line)) {
    int right = self->parentWidget()->width();
    for (const Neighbour& other : others) {
        const QRect& o = other.at;
        if (other.widget == self || (other.isLine && !blocks(o))) continue;
        if (o.left() > at.right() && o.top() <= at.bottom() && o.bottom() >= at.top())
            right = std::min(right, o.left() - 4);
    }
    return right;
}

// An answer label takes the empty room on its right, up to the next control or upright line
// (a frame), so a long answer keeps a readable size; a side of a drawn figure, a slanting
// line, only crosses its bounding box and does not stop it. An answer that does not fit
// there even in the smallest font may go on over lines to the next control. Widening moves no
// left edge, so the neighbours' places can be read once for all the answers.
void widen(OutputLabel* output, const Neighbours& others) {
    const QRect at = output->geometry();
    const int room = nextOnTheRight(output, others, at, [](const QRect& line) {
        return line.width() <= 2 || line.height() <= 2; // upright or level
    });
    const int reach = nextOnTheRight(output, others, at, [](const QRect&) { return false; });
    output->resize(std::max(at.width(), reach - at.left()), at.height());
    output->fitWithin(std::max(at.width(), room - at.left()));
}

} // namespace

QFont fontOf(const Control& c) {
    QFont font(c.family);
    font.setPointSizeF(c.points);
    font.setBold(c.isBold);
    // Arabic is never set in italics, and the desktop's Arabic faces have none to fall back on
    font.setItalic(c.isItalic && !working::hasRightToLeftLetter(c.text));
    return font;
}

void mirrorControls(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isWindow()) continue;
        w->move(window->width() - w->x() - w->width(), w->y());
        if (auto* line = qobject_cast<LineControl*>(w)) line->mirror();
        // numbers are written left to right in every language: a box and an answer keep
        // their text left to right, standing at the right as the language reads
        if (qobject_cast<TextBox*>(w) || qobject_cast<OutputLabel*>(w)) {
            w->setLayoutDirection(Qt::LeftToRight);
            if (auto* box = qobject_cast<QLineEdit*>(w)) box->setAlignment(Qt::AlignRight);
            if (auto* label = qobject_cast<QLabel*>(w))
                label->setAlignment((label->alignment() & ~Qt::AlignHorizontal_Mask) |
                                    Qt::AlignRight);
        }
        mirrorControls(w);
    }
}

void buildControls(QWidget* window, const ControlTable& table) {
    for (const Control& c : table) {
        QWidget* parent = window;
        if (!c.inside.isEmpty()) parent = window->findChild<QWidget*>(c.inside);
        Q_ASSERT_X(parent, "buildControls", "a container must come before what it holds");
        QWidget* widget = create(c, parent);
        widget->setObjectName(c.name);
        if (c.kind != Kind::Line) widget->setGeometry(pixelRect(c.at));
        style(widget, c);
    }
    std::map<const QWidget*, Neighbours> neighbours; // by parent
    for (const Control& c : table) {
        if (!c.isOutput || c.fill) continue;
        auto* output = window->findChild<OutputLabel*>(c.name);
        auto [kept, isNew] = neighbours.try_emplace(output->parentWidget());
        if (isNew) kept->second = neighboursIn(output->parentWidget());
        widen(output, kept->second);
    }
}

} // namespace sb::ui
