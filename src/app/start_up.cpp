// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "artwork.h"
#include "ui/form.h"
#include "ui/typefaces.h"
#include "window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QPixmapCache>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace sb {

namespace {

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
// boxes in it) and every typeface the topic windows' tables name, with the letters they show
// in it, one typeface an event-loop turn so that a click never waits for them all. The menu's
// button faces then go.
class PrepareAfterFirstPaint : public QObject {
public:
    explicit PrepareAfterFirstPaint(QWidget* menu) : QObject(menu) {
        menu->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* menu, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            menu->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                typefaces_ = ui::typefacesOf(topicWindowTables());
                // prepared from the back: the desktop's, which every topic window shows, first
                for (ui::Typeface& t : ui::Form::desktopTypefaces())
                    typefaces_.push_back(std::move(t));
                prepareNext();
            });
        }
        return false;
    }

private:
    void prepareNext() {
        if (typefaces_.empty()) {
            releaseMenuFaces();
            return deleteLater();
        }
        ui::prepare({typefaces_.back()});
        typefaces_.pop_back();
        QTimer::singleShot(0, this, [this] { prepareNext(); });
    }

    std::vector<ui::Typeface> typefaces_;
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
