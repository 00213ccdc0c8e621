// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_up.h"

#include "artwork.h"
#include "window_registry.h"

#include <QApplication>
#include <QFont>

namespace sb {

void startUp(WindowRegistry& windows) {
    QApplication::setStyle("Fusion"); // honours each button's own colour on every platform
    QApplication::setWindowIcon(artwork::programIcon());
    // the windows are laid out for a narrow sans serif; a wide fallback would cut answers
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans Condensed")});
    registerProgramWindows(windows);
    windows.show("Form1");
}

} // namespace sb
