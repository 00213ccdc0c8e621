// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "artwork.h"
#include "ui/form.h"
#include "window_registry.h"

#include <QApplication>
#include <QEvent>
#include <QFont>

namespace sb {

namespace {

// Any Qt window loads the desktop's font when it first paints; the main menu, which shows
// only fonts of its own, does not, so the first topic window opened would load it after its
// click (for its "Show Working" button and its boxes). The menu has it prepared instead, once
// it has painted.
class DesktopFontAfterFirstPaint : public QObject {
public:
    explicit DesktopFontAfterFirstPaint(QWidget* menu) : QObject(menu) {
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
    new DesktopFontAfterFirstPaint(windows.show("Form1"));
}

} // namespace sb
