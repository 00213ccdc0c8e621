// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "artwork.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace sb {

namespace {

// A typeface the topic windows show, with the letters to draw in it.
struct Typeface {
    double points;
    bool bold, italic;
    const char* letters;
};

constexpr char everyLetter[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz 0123456789 ()+-=.,:!$%";

// The topic windows' labels, boxes and buttons are mostly in 8.25 points, plain or bold; the
// progressions window's titles are the program's one bold italic, whose file no other window
// reads.
constexpr Typeface topicTypefaces[] = {
    {8.25, false, false, everyLetter},
    {8.25, true, false, everyLetter},
    {13.5, true, true, "Arithmetic Progression Geometric"},
};

// Loads each typeface and draws its letters once, off the screen, at each of the quarter-pixel
// offsets the text engine places letters at: each is drawn once and then kept.
void prepareTypefaces() {
    QImage scratch(600, 40, QImage::Format_RGB32); // opaque, as a window's backing store
    QPainter painter(&scratch);
    for (const Typeface& t : topicTypefaces) {
        QFont font(ui::Control{}.family);
        font.setPointSizeF(t.points);
        font.setBold(t.bold);
        font.setItalic(t.italic);
        painter.setFont(font);
        for (double x : {0.0, 0.25, 0.5, 0.75})
            painter.drawText(QPointF(x, 20), QString::fromLatin1(t.letters));
    }
}

// The menu's buttons each have a colour and a size of their own, so the style keeps a face for
// each, drawn once and not needed again until a button is pressed: about 0.85 MiB of the
// program's memory. They go, and the heap's freed pages go back to the system.
void releaseMenuFaces() {
    QPixmapCache::clear();
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// What the first topic window opened would otherwise prepare after its click is prepared once
// the main menu has painted, with the event loop free again: the desktop's font (the menu
// shows only fonts of its own, and every topic window has its "Show Working" button and its
// boxes in it) and the topic windows' typefaces. The menu's button faces then go.
class PrepareAfterFirstPaint : public QObject {
public:
    explicit PrepareAfterFirstPaint(QWidget* menu) : QObject(menu) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* menu, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            menu->removeEventFilter(this);
            // after the paint, with the event loop free again
            QMetaObject::invokeMethod(
                this, [this] {
                    ui::Form::prepareDesktopFont();
                    prepareTypefaces();
                    releaseMenuFaces();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

void startUp(WindowRegistry& windows) {
    QApplication::setStyle("Fusion"); // honours each button's own colour on every platform
    QApplication::setWindowIcon(artwork::programIcon());
    // the windows are laid out for a narrow sans serif; a wide fallback would cut answers
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans Condensed")});
    registerProgramWindows(windows);
    new PrepareAfterFirstPaint(windows.show("Form1"));
}

} // namespace sb
