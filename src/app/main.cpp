#include "start_up.h"
#include "window_registry.h"

#include <QApplication>
#include <QCommandLineParser>

#include <string_view>

namespace {

// --help and --version only print, so they work without a display too (over ssh, in scripts)
bool onlyPrints(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const std::string_view option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (argv[i] == option) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (onlyPrints(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
