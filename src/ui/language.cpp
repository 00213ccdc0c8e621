// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace sb::ui {

namespace {

// the program's translation and Qt's own, while a language other than English is spoken
std::unique_ptr<QTranslator> program, qt;
QString spoken = QStringLiteral("en");

// The code of ours that speaks the language of code: its territory where we have one for
// it (pt_BR), else the language alone; "en" for English, empty when we have none.
QString ourCode(const QString& code) {
    const QLocale locale(code);
    if (locale.language() == QLocale::English) return QStringLiteral("en");
    if (locale.language() == QLocale::C) return {};
    for (const QString& ours : languages())
        if (QLocale(ours).language() == locale.language()) return ours;
    return {};
}

void drop(std::unique_ptr<QTranslator>& translator) {
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

const QStringList& languages() {
    static const QStringList codes = {QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("es"), QStringLiteral("pt_BR"),
                                      QStringLiteral("uk"), QStringLiteral("ar")};
    return codes;
}

bool useLanguage(const QString& code) {
    const QString ours = ourCode(code);
    drop(program);
    drop(qt);
    spoken = QStringLiteral("en");
    if (!ours.isEmpty() && ours != spoken) {
        // built into the program uncompressed, so the translation is read where it lies
        program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/i18n/sumbrook_") + ours)) {
            QCoreApplication::installTranslator(program.get());
            spoken = ours;
        } else {
            program.reset();
        }
        // the OK of a message box and the file dialog, when Debian's translations are there
        qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + ours,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt.get());
        else qt.reset();
    }
    // set, not left to Qt's detection, so the windows made next are laid out for it at once;
    // a left-to-right language keeps what Qt's -reverse chose
    static bool setRightToLeft = false;
    const bool rightToLeft = QLocale(spoken).textDirection() == Qt::RightToLeft;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
        (rightToLeft || setRightToLeft)) {
        QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        setRightToLeft = rightToLeft;
    }
    return !ours.isEmpty();
}

void useDesktopLanguage() {
    for (const QString& code : QLocale::system().uiLanguages())
        if (!ourCode(QString(code).replace(u'-', u'_')).isEmpty()) {
            useLanguage(QString(code).replace(u'-', u'_'));
            return;
        }
    useLanguage(QStringLiteral("en"));
}

QString languageSpoken() { return spoken; }

} // namespace sb::ui
