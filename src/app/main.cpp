// SPDX-License-Identifier: GPL-3.0-or-later
#include "close_on_terminate.h"
#include "start_up.h"
#include "ui/language.h"
#include "window_registry.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <string_view>

namespace {

// the program's description as the build names it, written here too for the translations
constexpr const char* description = QT_TRANSLATE_NOOP("main", "School mathematics homework helper");
static_assert(std::string_view(description) == SUMBROOK_DESCRIPTION,
              "the description to translate is the build's");

void describe(QCommandLineParser& options) {
    QCoreApplication::setApplicationName(QStringLiteral("Sumbrook"));
    QCoreApplication::setApplicationVersion(QStringLiteral(SUMBROOK_VERSION));
    options.setApplicationDescription(QCoreApplication::translate("main", description));
    options.addHelpOption();
    options.addVersionOption();
    options.addOption({QStringLiteral("language"),
                       QCoreApplication::translate(
                           "main", "Speak the language CODE (de, fr, es, pt_BR, uk, ar, en) "
                                   "instead of the desktop's."),
                       QCoreApplication::translate("main", "CODE")});
}

// The language of this run: the one --language names, else the desktop's. A code the program
// has no translation for leaves it in English, and says so.
void speak(const QStringList& arguments) {
    QCommandLineParser options;
    describe(options);
    options.parse(arguments);
    const QString code = options.value(QStringLiteral("language"));
    if (code.isEmpty()) {
        sb::ui::useDesktopLanguage();
    } else if (!sb::ui::useLanguage(code)) {
        std::fprintf(stderr, "sumbrook: no translation for the language %s; English it is\n",
                     qPrintable(code));
    }
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// --help and --version alone only print, so they need no GUI application: no display, no
// platform plugin, no runtime folder (over ssh, in scripts, in a root shell)
bool onlyPrints(int argc, char* argv[]) {
    QCommandLineParser options;
    describe(options);
    return options.parse(argumentsOf(argc, argv)) && (options.isSet(QStringLiteral("version")) ||
                                        options.isSet(QStringLiteral("help")));
}

// Qt's own options or --help-all (which lists them) need the GUI application; when they
// come with an option that only prints, it needs no display either
bool printsWithQtOptions(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const std::string_view option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (argv[i] == option) return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        speak(app.arguments());
        QCommandLineParser options;
        describe(options);
        options.process(app); // prints and ends here
    }
    if (printsWithQtOptions(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv); // takes Qt's own options (-platform, -style, ...) first
    QGuiApplication::setDesktopFileName(QStringLiteral(SUMBROOK_APP_ID));
    speak(app.arguments());

    QCommandLineParser options;
    describe(options);
    options.process(app); // --help-all, or --help and --version among Qt's options, end here

    sb::WindowRegistry windows;
    sb::startUp(windows);
    sb::closeWindowsOnTerminate();
    return app.exec(); // ends when the last window is closed
}
