// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver.h"

#include "ui/accessibility.h"
#include "ui/dark_palette.h"
#include "ui/figure_painter.h"
#include "ui/form.h"
#include "ui/list_box.h"
#include "ui/text_room.h"
#include "ui/widgets.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaEnum>
#include <QMimeData>
#include <QPixmap>
#include <QPrinter>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <map>

namespace sb::drive {

namespace {

// Why a command cannot be carried out; becomes the command's error line.
struct Refusal {
    QString what;
};

int formNumber(const QString& name) {
    static const QRegularExpression form(QStringLiteral("^Form([1-9][0-9]?)$"));
    const auto match = form.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The program's open windows by ascending number.
std::map<int, QWidget*> openWindows() {
    std::map<int, QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (const int n = formNumber(w->objectName()); n > 0 && w->isVisible()) open[n] = w;
    return open;
}

// Types text key by key, as a keyboard or an input method delivers it. Printable ASCII goes
// through QTest's key mapping; any other character (beyond ASCII, a surrogate pair, a line
// break, a tab, another control character) as the text of a key event with no key of its
// own, which the box takes or drops as it would from an input method. Half a surrogate
// pair is no character and cannot be typed: nothing of the text is typed then.
void typeKeys(QWidget* box, const QString& text) {
    QStringList keys;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        if (!pair && text[i].isSurrogate())
            throw Refusal{QStringLiteral("cannot type ") + quoted(text.mid(i, 1)) +
                          QStringLiteral(", half a character")};
        keys << text.mid(i, length);
        i += length;
    }
    for (const QString& key : keys) {
        const char16_t c = key[0].unicode();
        if (c >= 0x20 && c < 0x7f) {
            QTest::keyClick(box, char(c));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, key);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, key);
        QCoreApplication::sendEvent(box, &press);
        QCoreApplication::sendEvent(box, &release);
    }
}

// FORM.CONTROL ROLE "NAME": what a screen reader is told about the control
QString accessibleLine(const QString& name, QWidget* control) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
    if (!a) throw Refusal{name + QStringLiteral(" is not accessible")};
    const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(a->role());
    const QString roleName = role ? QString::fromLatin1(role).toLower()
                                  : QStringLiteral("0x%1").arg(int(a->role()), 0, 16);
    return name + u' ' + roleName + u' ' + quoted(a->text(QAccessible::Name));
}

bool speaks(const QWidget* control) {
    return qobject_cast<const QLineEdit*>(control) || qobject_cast<const QLabel*>(control) ||
           qobject_cast<const QAbstractButton*>(control);
}

void expectWords(const Command& c, int words, bool text) {
    if (c.words.size() != words || c.text.has_value() != text)
        throw Refusal{QStringLiteral("wrong arguments for ") + c.verb};
}

} // namespace

void Transcript::say(const QString& line) {
    out_ << line << '\n';
    out_.flush();
}

void Transcript::error(int lineNumber, const QString& what) {
    hadError_ = true;
    say(QStringLiteral("error %1: %2").arg(lineNumber).arg(what));
}

bool RecordingDesktop::startProgram(const QString& name) {
    if (canIssue) transcript_.say("start-program " + quoted(name));
    return canIssue;
}

bool RecordingDesktop::openUrl(const QString& address) {
    if (canIssue) transcript_.say("open-url " + quoted(address));
    return canIssue;
}

bool RecordingDesktop::choosePrinter(QWidget*, QPrinter& printer) {
    if (printTo.isEmpty()) return false; // as a pupil cancelling the dialog
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printTo);
    return true;
}

bool MessageBoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* box = qobject_cast<QMessageBox*>(watched))
            // answered once its own event loop runs, as a user would
            QTimer::singleShot(0, box, [this, box] { answer(box); });
    return false;
}

void MessageBoxAnswerer::answer(QWidget* widget) {
    auto* box = static_cast<QMessageBox*>(widget);
    transcript_.say("message " + quoted(box->text()));
    QStringList faults;
    if (!box->isModal()) faults << QStringLiteral("not modal");
    if (box->windowTitle() != ui::programTitle)
        faults << QStringLiteral("titled ") + quoted(box->windowTitle());
    const auto buttons = box->buttons();
    if (buttons.size() != 1 || box->standardButton(buttons.first()) != QMessageBox::Ok)
        faults << QStringLiteral("its buttons are not one OK");
    if (!faults.isEmpty())
        transcript_.error(lineNumber, QStringLiteral("the message box is ") + faults.join(", "));
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) ok->click();
    else box->reject();
}

Driver::Driver(Transcript& transcript, const QLocale& locale)
    : transcript_(transcript), desktop_(transcript), answerer_(transcript) {
    ui::Desktop::install(&desktop_);
    qApp->installEventFilter(&answerer_);
    QLocale::setDefault(locale);
    light_ = QApplication::palette();
}

void Driver::run(int lineNumber, const Command& command) {
    answerer_.lineNumber = lineNumber;
    using Step = void (Driver::*)(const Command&);
    static const std::map<QString, Step> steps = {
        {"type", &Driver::type},
        {"paste", &Driver::paste},
        {"paste-file", &Driver::pasteFile},
        {"click", &Driver::click},
        {"key", &Driver::key},
        {"clipboard", &Driver::clipboard},
        {"show", &Driver::show},
        {"close", &Driver::close},
        {"locale", &Driver::locale},
        {"desktop", &Driver::desktop},
        {"screenshot", &Driver::screenshot},
        {"accessible", &Driver::accessible},
        {"focus-chain", &Driver::focusChain},
        {"geometry", &Driver::geometry},
        {"palette", &Driver::palette},
        {"working", &Driver::working},
        {"figure", &Driver::figure},
        {"save-figure", &Driver::saveFigure},
        {"save-working", &Driver::saveWorking},
        {"print", &Driver::print},
    };
    try {
        if (ended_) throw Refusal{QStringLiteral("the program has ended")};
        if (command.verb == u"windows") {
            expectWords(command, 0, false);
            windows();
        } else if (command.verb == u"controls") {
            expectWords(command, 0, false);
            controls();
        } else if (const auto step = steps.find(command.verb); step != steps.end()) {
            (this->*step->second)(command);
        } else {
            throw Refusal{QStringLiteral("unknown command ") + command.verb};
        }
    } catch (const Refusal& refusal) {
        transcript_.error(lineNumber, refusal.what);
    }
    settle();
}

void Driver::settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* Driver::window(const QString& name) const {
    const int number = formNumber(name);
    if (number < 1 || number > 14) throw Refusal{QStringLiteral("unknown window ") + name};
    const auto open = openWindows();
    const auto found = open.find(number);
    if (found == open.end()) throw Refusal{name + QStringLiteral(" is not open")};
    return found->second;
}

QWidget* Driver::target(const QString& formDotControl) const {
    const qsizetype dot = formDotControl.indexOf(u'.');
    if (dot < 0) throw Refusal{QStringLiteral("expected FORM.CONTROL, not ") + formDotControl};
    const QString controlName = formDotControl.mid(dot + 1);
    QWidget* form = window(formDotControl.left(dot));
    auto* control = controlName.isEmpty() ? nullptr : form->findChild<QWidget*>(controlName);
    if (!control)
        throw Refusal{form->objectName() + QStringLiteral(" has no control ") + controlName};
    return control;
}

void Driver::type(const Command& c) {
    expectWords(c, 1, true);
    auto* box = qobject_cast<QLineEdit*>(target(c.words[0]));
    if (!box) throw Refusal{c.words[0] + QStringLiteral(" is not a text box")};
    box->setFocus();
    box->selectAll();
    if (c.text->isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
    else typeKeys(box, *c.text); // the box's maximum length drops what does not fit
}

void Driver::paste(const Command& c) {
    expectWords(c, 1, true);
    pasteInto(c.words[0], *c.text);
}

void Driver::pasteFile(const Command& c) {
    expectWords(c, 1, true);
    QFile file(scriptFolder.filePath(*c.text));
    if (!file.open(QIODevice::ReadOnly))
        throw Refusal{QStringLiteral("cannot read ") + quoted(*c.text)};
    QString text = QString::fromUtf8(file.readAll());
    // a file ends with a line break that is no part of its text
    if (text.endsWith(u"\r\n")) text.chop(2);
    else if (text.endsWith(u'\n')) text.chop(1);
    pasteInto(c.words[0], text);
}

// Pastes as the user would from the clipboard: the selection is replaced, the box's maximum
// length drops what does not fit, and one undo takes the whole paste back.
void Driver::pasteInto(const QString& formDotControl, const QString& text) {
    auto* box = qobject_cast<QLineEdit*>(target(formDotControl));
    if (!box) throw Refusal{formDotControl + QStringLiteral(" is not a text box")};
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    if (auto* list = qobject_cast<ui::ListBox*>(box)) list->pasteList();
    else box->paste();
}

void Driver::click(const Command& c) {
    expectWords(c, 1, false);
    QWidget* control = target(c.words[0]);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// A key pressed and let go as the keyboard would: the window is made the active one, so its
// shortcuts (F2, Ctrl+P) hear it, and the key goes to the widget that has the focus.
void Driver::key(const Command& c) {
    expectWords(c, 2, false);
    const QKeySequence keys = QKeySequence::fromString(c.words[1], QKeySequence::PortableText);
    if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
        throw Refusal{QStringLiteral("unknown key ") + c.words[1]};
    QWidget* w = window(c.words[0]);
    QApplication::setActiveWindow(w);
    QWidget* to = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(to, keys[0].key(), keys[0].keyboardModifiers());
}

// The formats sorted, as each platform's clipboard lists them in an order of its own.
void Driver::clipboard(const Command& c) {
    expectWords(c, 0, false);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || data->formats().isEmpty()) return;
    QStringList formats = data->formats();
    formats.sort();
    for (const QString& format : formats) transcript_.say(QStringLiteral("clipboard ") + format);
    transcript_.say(QStringLiteral("clipboard-text ") + quoted(data->text()));
}

void Driver::show(const Command& c) {
    expectWords(c, 1, false);
    const QString& name = c.words[0];
    if (!name.contains(u'.')) {
        transcript_.say(name + ' ' + quoted(window(name)->windowTitle()));
        return;
    }
    QWidget* control = target(name);
    QString text;
    if (auto* box = qobject_cast<QLineEdit*>(control)) text = box->text();
    else if (auto* label = qobject_cast<QLabel*>(control)) text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) text = button->text();
    else throw Refusal{name + QStringLiteral(" has no text")};
    transcript_.say(name + ' ' + quoted(text));
}

void Driver::close(const Command& c) {
    expectWords(c, 1, false);
    window(c.words[0])->close();
    settle();
    if (openWindows().empty()) {
        ended_ = true;
        transcript_.say(QStringLiteral("ended"));
    }
}

void Driver::windows() {
    QString line = QStringLiteral("windows");
    for (const auto& [number, w] : openWindows()) line += QStringLiteral(" Form%1").arg(number);
    transcript_.say(line);
}

void Driver::controls() {
    const auto open = openWindows();
    QString line = QStringLiteral("controls");
    for (const auto& [number, w] : open) line += QStringLiteral(" Form%1").arg(number);
    transcript_.say(line);
    for (const auto& [number, form] : open) {
        transcript_.say(form->objectName() + ' ' + quoted(form->windowTitle()));
        const auto* topic = qobject_cast<const ui::Form*>(form);
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->objectName().isEmpty()) continue; // parts of a control, not controls
            // the window's own controls: not the working pane and its button
            if (topic && !topic->controlNames().contains(w->objectName())) continue;
            const QString name = form->objectName() + '.' + w->objectName();
            if (auto* box = qobject_cast<ui::TextBox*>(w))
                transcript_.say(name + QStringLiteral(" box %1 ").arg(box->limit()) +
                                quoted(box->text()));
            else if (auto* link = qobject_cast<ui::ClickableLabel*>(w))
                transcript_.say(name + QStringLiteral(" link ") + quoted(link->text()));
            else if (auto* label = qobject_cast<QLabel*>(w))
                transcript_.say(name +
                                (qobject_cast<ui::OutputLabel*>(label)
                                     ? QStringLiteral(" output ")
                                     : QStringLiteral(" label ")) +
                                quoted(label->text()));
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                transcript_.say(name + QStringLiteral(" button ") + quoted(button->text()));
        }
    }
}

void Driver::locale(const Command& c) {
    expectWords(c, 1, false);
    const QLocale locale(c.words[0]);
    if (locale.name() != c.words[0]) throw Refusal{QStringLiteral("unknown locale ") + c.words[0]};
    QLocale::setDefault(locale);
}

void Driver::desktop(const Command& c) {
    expectWords(c, 1, false);
    if (c.words[0] == u"ok") desktop_.canIssue = true;
    else if (c.words[0] == u"fail") desktop_.canIssue = false;
    else throw Refusal{QStringLiteral("desktop takes ok or fail")};
}

void Driver::screenshot(const Command& c) {
    expectWords(c, 1, true);
    if (!window(c.words[0])->grab().save(*c.text, "PNG"))
        throw Refusal{QStringLiteral("cannot save ") + quoted(*c.text)};
}

} // namespace sb::drive

namespace sb::drive {

void Driver::accessible(const Command& c) {
    expectWords(c, 1, false);
    const QString& name = c.words[0];
    if (name.contains(u'.')) return transcript_.say(accessibleLine(name, target(name)));
    QWidget* w = window(name);
    const auto* form = qobject_cast<const ui::Form*>(w);
    if (!form) throw Refusal{name + QStringLiteral(" has no control table")};
    for (const QString& controlName : form->controlNames())
        if (auto* control = w->findChild<QWidget*>(controlName);
            control && speaks(control) && !ui::hiddenFromScreenReaders(control))
            transcript_.say(accessibleLine(name + u'.' + controlName, control));
}

// From the control with the focus, each control Tab gives the focus to, once round.
void Driver::focusChain(const Command& c) {
    expectWords(c, 1, false);
    const QString& name = c.words[0];
    QWidget* w = window(name);
    QWidget* first = w->focusWidget();
    if (!first) throw Refusal{name + QStringLiteral(" has no control with the focus")};
    QWidget* at = first;
    do {
        if (at->isVisibleTo(w) && at->isEnabled() && at->focusPolicy() & Qt::TabFocus)
            transcript_.say(accessibleLine(name + u'.' + at->objectName(), at));
        at = at->nextInFocusChain();
    } while (at != first);
}

void Driver::geometry(const Command& c) {
    expectWords(c, 1, false);
    const QString& name = c.words[0];
    QWidget* w = window(name);
    const auto* form = qobject_cast<const ui::Form*>(w);
    if (!form) throw Refusal{name + QStringLiteral(" has no control table")};
    QStringList names = form->controlNames();
    if (w->findChild<QWidget*>(QStringLiteral("Working"))) names << QStringLiteral("Working");
    for (const QString& controlName : names) {
        const QWidget* control = w->findChild<QWidget*>(controlName);
        const QRect at(control->mapTo(w, QPoint()), control->size());
        const auto room = ui::textRoom(control);
        transcript_.say(
            QStringLiteral("%1.%2 %3 %4 %5 %6 %7")
                .arg(name, controlName, QString::number(at.x()), QString::number(at.y()),
                     QString::number(at.width()), QString::number(at.height()),
                     !room || room->whole ? QStringLiteral("fits") : QStringLiteral("clipped")));
    }
}

void Driver::palette(const Command& c) {
    expectWords(c, 1, false);
    if (c.words[0] == u"dark") QApplication::setPalette(ui::darkPalette());
    else if (c.words[0] == u"light") QApplication::setPalette(light_);
    else throw Refusal{QStringLiteral("palette takes dark or light")};
}

} // namespace sb::drive

namespace sb::drive {

ui::Form* Driver::form(const QString& name) const {
    auto* topic = qobject_cast<ui::Form*>(window(name));
    if (!topic) throw Refusal{name + QStringLiteral(" has no working")};
    return topic;
}

void Driver::working(const Command& c) {
    expectWords(c, 1, false);
    ui::Form* topic = form(c.words[0]);
    for (const QString& line : topic->workingLines())
        transcript_.say(c.words[0] + QStringLiteral(".working ") + quoted(line));
}

void Driver::figure(const Command& c) {
    expectWords(c, 1, false);
    const working::Figure& figure = form(c.words[0])->working().figure;
    for (const QString& line : working::elementLines(figure, quoted))
        transcript_.say(c.words[0] + QStringLiteral(".figure ") + line);
    transcript_.say(c.words[0] + QStringLiteral(".figure-description ") +
                    quoted(figure.description));
}

void Driver::saveFigure(const Command& c) {
    expectWords(c, 1, true);
    ui::Form* topic = form(c.words[0]);
    if (!ui::saveFigure(topic->working().figure, *c.text, QApplication::palette(),
                        topic->devicePixelRatioF()))
        throw Refusal{QStringLiteral("cannot save ") + quoted(*c.text)};
}

} // namespace sb::drive

namespace sb::drive {

namespace {
QString pdfPath(const Command& c) {
    if (!c.text->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        throw Refusal{QStringLiteral("not a .pdf file: ") + quoted(*c.text)};
    return *c.text;
}
} // namespace

void Driver::saveWorking(const Command& c) {
    expectWords(c, 1, true);
    form(c.words[0])->saveWorkingAsPdf(pdfPath(c)); // a failure is the window's message
}

void Driver::print(const Command& c) {
    expectWords(c, 1, true);
    ui::Form* topic = form(c.words[0]);
    desktop_.printTo = pdfPath(c);
    topic->printWorking();
    desktop_.printTo.clear();
}

} // namespace sb::drive
