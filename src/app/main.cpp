#include "start_up.h"
#include "window_registry.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv); // takes Qt's own options (-platform, -style, ...) first
    QApplication::setApplicationName(QStringLiteral("Sumbrook"));
    QApplication::setApplicationVersion(QStringLiteral(SUMBROOK_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SUMBROOK_APP_ID));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral(SUMBROOK_DESCRIPTION));
    options.addHelpOption();
    options.addVersionOption();
    options.process(app); // --help and --version print and end here

    sb::WindowRegistry windows;
    sb::startUp(windows);
    return app.exec(); // ends when the last window is closed
}
