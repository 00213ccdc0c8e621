#include "start_up.h"

#include "artwork.h"
#include "window_registry.h"

#include <QApplication>

namespace sb {

void startUp(WindowRegistry& windows) {
    QApplication::setStyle("Fusion"); // honours each button's own colour on every platform
    QApplication::setWindowIcon(artwork::programIcon());
    registerProgramWindows(windows);
    windows.show("Form1");
}

} // namespace sb
