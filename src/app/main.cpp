#include "start_up.h"
#include "window_registry.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    sb::WindowRegistry windows;
    sb::startUp(windows);
    return app.exec(); // ends when the last window is closed
}
