// SPDX-License-Identifier: GPL-3.0-or-later
#include "typefaces.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace sb::ui {

namespace {

// what a box or an answer shows: numbers, typed or computed, and their signs
const QString numberLetters = QStringLiteral("0123456789.,-+E");

QString lettersShown(const Control& c) {
    switch (c.kind) {
    case Kind::Label:
    case Kind::ClickLabel: return c.isOutput ? numberLetters : c.text;
    case Kind::Button: return c.text;
    case Kind::TextBox: return numberLetters;
    default: return {};
    }
}

} // namespace

std::vector<Typeface> typefacesOf(const std::vector<ControlTable>& tables) {
    std::vector<Typeface> found;
    for (const ControlTable& table : tables)
        for (const Control& c : table) {
            const QString letters = lettersShown(c);
            if (letters.isEmpty()) continue;
            const QFont font = fontOf(c);
            auto same = std::find_if(found.begin(), found.end(),
                                     [&](const Typeface& t) { return t.font == font; });
            if (same == found.end()) same = found.insert(found.end(), {font, {}});
            for (QChar letter : letters)
                if (!letter.isSpace() && !same->letters.contains(letter)) same->letters += letter;
        }
    return found;
}

void prepare(const std::vector<Typeface>& typefaces) {
    // opaque, as a window's backing store, and wide enough for every letter to land inside
    QImage scratch(2000, 40, QImage::Format_RGB32);
    QPainter painter(&scratch);
    for (const Typeface& t : typefaces) {
        QFontMetricsF(t.font).height(); // loaded, with no letters to draw too
        painter.setFont(t.font);
        for (double x : {0.0, 0.25, 0.5, 0.75}) painter.drawText(QPointF(x, 30), t.letters);
    }
}

} // namespace sb::ui
