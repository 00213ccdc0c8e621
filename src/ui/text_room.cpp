// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_room.h"

#include "accessibility.h"

#include "widgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>

#include <algorithm>

namespace sb::ui {

namespace {

// Draws the text in room as the control does, with nothing cut, and finds the pixels it inks
// at least half, whole when they all fall within shown: a line's advance may run a fraction
// of a pixel past its room while its last letter ends inside, and the faint edge smoothing
// leaves beside a letter is no part of it.
TextRoom within(const QWidget* control, const QRect& room, int flags, const QString& text,
                const QRect& shown) {
    const QRect layout = control->fontMetrics().boundingRect(room, flags, text);
    const QRect canvas = layout.united(room).adjusted(-8, -8, 8, 8);
    QImage image(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(control->font());
        painter.setLayoutDirection(control->layoutDirection());
        painter.setPen(Qt::black);
        painter.translate(-canvas.topLeft());
        painter.drawText(room, flags | Qt::TextDontClip, text); // what runs over shows
    }
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(line[x]) >= 128) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    if (right < 0) return {QRect(), text.trimmed().isEmpty()}; // a text that draws nothing: lost
    const QRect ink = QRect(QPoint(left, top), QPoint(right, bottom)).translated(canvas.topLeft());
    return {ink, shown.contains(ink)};
}

} // namespace

std::optional<TextRoom> textRoom(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (isDrawingOfCharacters(label->text())) return std::nullopt;
        // as QLabel draws plain text: in its contents, less its margin, aligned for the
        // language's direction, wrapped at word boundaries when it wraps; all of it shows
        // that falls within the label
        const int m = label->margin();
        const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
        const int flags =
            int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) |
            (label->wordWrap() ? Qt::TextWordWrap : 0);
        return within(label, room, flags, label->text(), label->rect());
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        if (button->text().isEmpty()) return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.features =
            button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        // a caption button wraps its words in its contents, less a pixel all round
        if (qobject_cast<const CaptionButton*>(button))
            return within(button, contents.adjusted(1, 1, -1, -1),
                          Qt::AlignCenter | Qt::TextWordWrap, button->text(), contents);
        return within(button, contents, Qt::AlignCenter | Qt::TextShowMnemonic, button->text(),
                      contents);
    }
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
        if (box->text().isEmpty()) return std::nullopt;
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? 1 : 0;
        // a line edit keeps two pixels of its contents free on either side
        const QRect room = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .adjusted(2, 0, -2, 0);
        const int flags = int(QStyle::visualAlignment(box->layoutDirection(), box->alignment())) |
                          Qt::AlignVCenter;
        TextRoom r = within(box, room, flags, box->text(), room);
        r.whole = r.text.width() <= room.width(); // a box's line is as high as its font
        return r;
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(control);
        check && !check->text().isEmpty()) {
        // beside its box, as the style lays it out
        QStyleOptionButton option;
        option.initFrom(check);
        const QRect contents =
            check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        const int flags = int(QStyle::visualAlignment(check->layoutDirection(), Qt::AlignLeft)) |
                          Qt::AlignVCenter | Qt::TextShowMnemonic;
        return within(check, contents, flags, check->text(), contents);
    }
    if (const auto* other = qobject_cast<const QAbstractButton*>(control);
        other && !other->text().isEmpty())
        return within(other, other->rect(), Qt::AlignCenter, other->text(), other->rect());
    return std::nullopt;
}

void makeRoomForTexts(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const auto room = textRoom(label);
        if (!room || room->whole) continue;
        const QRect inside = label->contentsRect();
        const int above = inside.top() - room->text.top(),
                  below = inside.bottom() - room->text.bottom();
        if (above > 0 && below >= above && room->text.width() <= inside.width()) {
            label->setContentsMargins(0, above, 0, 0);
            continue;
        }
        const QFont designed = label->font();
        QFont smaller = designed;
        bool whole = false;
        while (!whole && smaller.pointSizeF() > designed.pointSizeF() - 1) {
            smaller.setPointSizeF(smaller.pointSizeF() - 0.25);
            label->setFont(smaller);
            whole = textRoom(label)->whole;
        }
        if (!whole) label->setFont(designed);
    }
}

} // namespace sb::ui
