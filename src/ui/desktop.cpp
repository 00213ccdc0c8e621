// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QUrl>

namespace sb::ui {

namespace {
Desktop systemDesktop;
Desktop* installed = &systemDesktop;
} // namespace

void Desktop::showMessage(QWidget* parent, const QString& text) {
    QMessageBox box(parent);
    box.setWindowTitle(programTitle);
    box.setTextFormat(Qt::PlainText); // a typed "<b>" is shown as typed, never as markup
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool Desktop::startProgram(const QString& name) { return QProcess::startDetached(name, {}); }

bool Desktop::openUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

QString Desktop::chooseSaveFile(QWidget* parent, const QString& suggested,
                                const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), suggested, filter);
}

bool Desktop::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

Desktop& Desktop::current() { return *installed; }

void Desktop::install(Desktop* desktop) { installed = desktop ? desktop : &systemDesktop; }

} // namespace sb::ui
