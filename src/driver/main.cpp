// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-drive: runs the program's windows from a script and prints what happens.
// See docs/driver.md.

#include "app/start_up.h"
#include "app/window_registry.h"
#include "driver.h"
#include "keyboard_seat.h"
#include "ui/language.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// The offscreen platform says what it cannot do (raise a window, size hints) on every
// show; that is no news to a script, so only other messages pass.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(u"This plugin does not support") ||
        message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietPlatform);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false); // the driver tells of the end instead
    if (!sb::drive::platformHasKeyboard()) {
        std::fprintf(stderr, "sumbrook-drive: the Wayland compositor offers no keyboard (no seat "
                             "with one), so no key could be typed; run on a compositor with a "
                             "keyboard, or on QT_QPA_PLATFORM=offscreen\n");
        return 3;
    }

    QFile script;
    const bool opened = argc > 1 ? (script.setFileName(QString::fromLocal8Bit(argv[1])),
                                    script.open(QIODevice::ReadOnly | QIODevice::Text))
                                 : script.open(stdin, QIODevice::ReadOnly | QIODevice::Text);
    if (!opened || argc > 2) {
        std::fprintf(stderr, "usage: sumbrook-drive [SCRIPT]: cannot read the script\n");
        return 2;
    }

    // the program's locale at the start: en_US unless SUMBROOK_DRIVE_LOCALE names another
    const QString localeName =
        qEnvironmentVariable("SUMBROOK_DRIVE_LOCALE", QStringLiteral("en_US"));
    if (QLocale(localeName).name() != localeName) {
        std::fprintf(stderr, "sumbrook-drive: unknown locale %s in SUMBROOK_DRIVE_LOCALE\n",
                     qPrintable(localeName));
        return 2;
    }

    // the language: English unless SUMBROOK_DRIVE_LANGUAGE names another, whatever the
    // machine's locale; apart from the number format, which the locale alone chooses
    const QString language = qEnvironmentVariable("SUMBROOK_DRIVE_LANGUAGE", QStringLiteral("en"));
    if (!sb::ui::useLanguage(language)) {
        std::fprintf(stderr, "sumbrook-drive: no translation for %s in SUMBROOK_DRIVE_LANGUAGE\n",
                     qPrintable(language));
        return 2;
    }

    QTextStream out(stdout);
    sb::drive::Transcript transcript(out);
    sb::drive::Driver driver(transcript, QLocale(localeName));
    if (argc > 1) driver.scriptFolder = QFileInfo(script.fileName()).dir();
    sb::WindowRegistry windows;
    sb::startUp(windows);

    const QStringList lines = QString::fromUtf8(script.readAll()).split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const auto parsed = sb::drive::parseLine(lines[i]);
        if (!parsed.error.isEmpty()) transcript.error(i + 1, parsed.error);
        else if (parsed.command) driver.run(i + 1, *parsed.command);
    }
    return transcript.hadError() ? 1 : 0;
}
