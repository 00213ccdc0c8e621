#include "artwork.h"
#include "window_registry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion"); // honours each button's own colour on every platform
    QApplication::setWindowIcon(sb::artwork::programIcon());
    sb::WindowRegistry windows;
    sb::registerProgramWindows(windows);
    windows.show("Form1");
    return app.exec(); // ends when the last window is closed
}
