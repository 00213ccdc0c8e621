// SPDX-License-Identifier: GPL-3.0-or-later
#include "checker.h"

#include "pane_checks.h"

#include "driver/script.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace random_actions {

namespace {

using sb::drive::Command;

QString text(const QString& s) { return sb::drive::quoted(s); }

bool showsNoNumber(const QString& s) { return showsNotANumber(s) || showsNegativeZero(s); }

// What a box shows after `type`: its text is selected, then each key is typed. A box takes
// no control characters (a key it refuses leaves the selection as it was); the first key it
// takes replaces the selection; a key that does not fit whole within the limit is dropped.
QString typed(const QString& before, const QString& keys, int maxLength) {
    if (keys.isEmpty()) return QString();
    QString text = before;
    bool selected = true;
    for (qsizetype i = 0; i < keys.size();) {
        const bool pair =
            keys[i].isHighSurrogate() && i + 1 < keys.size() && keys[i + 1].isLowSurrogate();
        const QString key = keys.mid(i, pair ? 2 : 1);
        i += key.size();
        const QChar c = key[0];
        if (!pair && !c.isPrint() && c.category() != QChar::Other_Format &&
            c.category() != QChar::Other_PrivateUse)
            continue;
        if (selected) text.clear(), selected = false;
        if (maxLength <= 0 || text.size() + key.size() <= maxLength) text += key;
    }
    return text;
}

bool wholeCharacters(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ++i;
        else if (s[i].isSurrogate()) return false;
    }
    return true;
}

} // namespace

std::optional<QString> Checker::checkControls(const Snapshot& before, const Step& step) {
    const QStringList words = step.command.split(u' ');
    const QString verb = words[0];
    const QString target = words.value(1);
    const QString form = target.section(u'.', 0, 0), name = target.section(u'.', 1, 1);
    // A click tells each bad box once at most (windows that read every value before
    // they test tell each), then perhaps one fault message, which comes last.
    static const QString fault = "message " + text(QStringLiteral("Unreasonable Data!!!."));
    qsizetype messages = 0, faults = 0, boxes = 0;
    // a file that cannot be written is an error line (the figure) or the window's message
    const bool saves = verb == u"save-figure" || verb == u"save-working" || verb == u"print";
    for (const QString& line : step.printed) {
        if (line.startsWith(u"message ")) {
            if (faults > 0) return "a message after the fault message: " + line;
            ++messages;
            if (line == fault) ++faults;
        } else if (line.startsWith(u"error ") && !line.endsWith(u" is not open") &&
                   !(saves && line.contains(u": cannot save "))) {
            return "the driver refused it: " + line;
        }
    }
    if (const auto w = before.windows.find(form); w != before.windows.end())
        for (const auto& [n, c] : w->second) boxes += c.kind == u"box";
    // the pane's buttons tell nothing: the driver cancels their dialogs
    const bool command = verb == u"click" && !paneControls.contains(name);
    if (messages > (command ? boxes + 1 : saves ? 1 : 0))
        return QStringLiteral("%1 messages").arg(messages);

    for (const auto& [f, controls] : step.after.windows) {
        const auto was = before.windows.find(f);
        for (const auto& [n, c] : controls) {
            const QString where = f + '.' + n + ' ' + text(c.text);
            if ((c.kind == u"label" || c.kind == u"output") && showsNoNumber(c.text))
                return "a label shows " + where;
            if (c.kind == u"box" &&
                (!wholeCharacters(c.text) || (c.maxLength > 0 && c.text.size() > c.maxLength)))
                return "a box holds more than whole characters within its limit: " + where;
            if (was == before.windows.end()) {
                // opened by this step: its first texts
                const auto w = windows_.find(f);
                if (w == windows_.end()) return "a window no menu button opens: " + f;
                const auto first = w->second.initial.find(n);
                if (first == w->second.initial.end() || first->second.text != c.text)
                    return "a window opened again does not show its first text: " + where;
                continue;
            }
            const auto old = was->second.find(n);
            if (old == was->second.end()) return "a control appeared: " + where;
            if (verb == u"type" && f == form && n == name) {
                const auto command = sb::drive::parseLine(step.command).command;
                const QString expected =
                    typed(old->second.text, command->text.value_or(QString()), c.maxLength);
                if (c.text != expected)
                    return "typing gave " + where + ", not " + text(expected);
            }
            if (old->second.text == c.text) continue;
            const QString change = where + " was " + text(old->second.text);
            if (verb != u"click" && verb != u"type")
                return "changed without a command: " + change;
            if (f != form) return "another window changed: " + change;
            if (verb == u"type" && n != name)
                return "typing changed another control: " + change;
            if (verb == u"click") {
                if (paneControls.contains(name)) return "the pane changed the window: " + change;
                if (c.kind == u"button" || c.kind == u"link")
                    return "a caption changed: " + change;
                const auto& initial = windows_.at(f).initial;
                const auto first = initial.find(n);
                if (c.kind == u"label" && first != initial.end() &&
                    !first->second.text.isEmpty())
                    return "a fixed caption changed: " + change;
                if (showsNoNumber(c.text)) return "a click wrote " + where;
            }
        }
    }
    for (const auto& [f, controls] : before.windows)
        if (!step.after.windows.count(f) && verb != u"close" && verb != u"click")
            return f + " closed by itself";
    return std::nullopt;
}

std::optional<QString> Checker::check(const Snapshot& before, const Step& step) {
    if (auto fault = checkControls(before, step)) return fault;
    if (auto fault = checkPane(before, step)) return fault;
    return checkSaved(step);
}

namespace {

// The quoted text of a transcript line such as `Form2.working "x = 2"`, unquoted.
QString quotedText(const QString& line) {
    const auto parsed = sb::drive::parseLine(line);
    return parsed.command ? parsed.command->text.value_or(QString()) : line;
}

// What a pupil reads of a line of the pane: the words and the text, unquoted.
QString readable(const QString& line) {
    const auto parsed = sb::drive::parseLine(line);
    if (!parsed.command) return line;
    return parsed.command->words.join(u' ') + u' ' + parsed.command->text.value_or(QString());
}

bool isPaneLine(const QString& line) {
    const QString first = line.section(u' ', 0, 0);
    return first == u"clipboard-text" || first.endsWith(u".working") ||
           first.contains(QStringLiteral(".figure"));
}

} // namespace

// True when every nan or inf of the line is in a word a pupil typed: a refused text is
// quoted by the window's message, and so by the working, whole or in part.
bool Checker::onlyTypedNotANumber(const QString& line) const {
    static const QRegularExpression words(QStringLiteral("[^\\s\"“”«»„]+"));
    for (auto m = words.globalMatch(line); m.hasNext();) {
        const QString word = m.next().captured();
        if (!showsNotANumber(word)) continue;
        QString bare = word;
        while (!bare.isEmpty() && QStringLiteral(".,;:!?)(").contains(bare.back())) bare.chop(1);
        while (!bare.isEmpty() && bare.front() == u'(') bare.remove(0, 1);
        if (std::none_of(typed_.begin(), typed_.end(),
                         [&](const QString& t) { return t.contains(bare); }))
            return false;
    }
    return true;
}

std::optional<QString> Checker::checkPane(const Snapshot& before, const Step& step) {
    const QStringList words = step.command.split(u' ');
    const QString form = words.value(1).section(u'.', 0, 0);
    const QString name = words.value(1).section(u'.', 1, 1);
    // a window closed or opened again has answered nothing yet
    for (auto it = answers_.begin(); it != answers_.end();)
        it = before.windows.count(it->first) && step.after.windows.count(it->first)
                 ? std::next(it)
                 : answers_.erase(it);
    if (words[0] == u"type") {
        // the box keeps what fits of it, and a message quotes what the box holds
        typed_ << quotedText(step.command);
        if (const auto f = step.after.windows.find(form); f != step.after.windows.end())
            if (const auto box = f->second.find(name); box != f->second.end())
                typed_ << box->second.text;
    }
    const auto w = windows_.find(form);
    if (words[0] == u"click" && w != windows_.end() && w->second.pane &&
        !paneControls.contains(name) && before.windows.count(form) &&
        step.after.windows.count(form)) {
        // the answers of a command that told nothing are its working's; any other command
        // leaves a working with no answers (the guide, or why it refused)
        auto& answered = answers_[form];
        answered.clear();
        looked_.erase(form);
        const bool told = std::any_of(step.printed.begin(), step.printed.end(),
                                      [](const QString& l) { return l.startsWith(u"message "); });
        const auto& was = before.windows.at(form);
        for (const auto& [n, c] : step.after.windows.at(form))
            if (!told && c.kind == u"output" && !c.text.isEmpty() && was.at(n).text != c.text)
                answered[n] = c.text;
    }

    // A working is built when first looked at, in the locale of that moment: a window that
    // answered in one locale and shows its working after a `locale` switch shows it in the
    // other (the program's locale never changes while it runs; only the driver's does).
    if (words[0] == u"locale")
        for (auto it = answers_.begin(); it != answers_.end();)
            it = looked_.count(it->first) ? std::next(it) : answers_.erase(it);

    std::map<QString, QStringList> working; // form -> its step lines
    std::optional<QString> clipboard;
    for (const QString& line : step.printed) {
        if (!isPaneLine(line)) continue;
        if (showsNotANumber(readable(line)) && !onlyTypedNotANumber(readable(line)))
            return "the pane shows " + line;
        if (line.startsWith(u"clipboard-text ")) clipboard = quotedText(line);
        if (line.section(u' ', 0, 0).endsWith(u".working"))
            working[line.section(u'.', 0, 0)] << quotedText(line);
    }
    // Copy Working copies the lines the pane shows
    if (clipboard && working.count(form) && *clipboard != working[form].join(u'\n'))
        return "the clipboard holds " + text(*clipboard) + ", not the working's lines";
    for (const auto& [f, lines] : working) {
        looked_.insert(f);
        const QString all = lines.join(u'\n');
        const auto shown = step.after.windows.find(f);
        if (shown == step.after.windows.end()) continue;
        for (const auto& [n, answer] : answers_[f]) {
            const auto now = shown->second.find(n);
            if (now == shown->second.end() || now->second.text != answer) continue;
            if (!standsIn(all, answer))
                return f + '.' + n + " shows " + text(answer) + ", which its working does not: " +
                       text(all);
        }
    }
    return std::nullopt;
}

// A file the step saved is whole, of its kind; or the driver told why not, and left none.
std::optional<QString> Checker::checkSaved(const Step& step) {
    const auto parsed = sb::drive::parseLine(step.command);
    const Command& c = *parsed.command;
    if (c.verb != u"save-figure" && c.verb != u"save-working" && c.verb != u"print")
        return std::nullopt;
    const QString path = c.text.value_or(QString());
    QFile file(path);
    const bool told = std::any_of(step.printed.begin(), step.printed.end(), [](const QString& l) {
        return l.startsWith(u"message ") || l.startsWith(u"error ");
    });
    if (told) {
        if (file.exists()) return "a file not saved is there: " + text(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) return "no file saved: " + text(path);
    if (const auto fault = savedFileFault(path, file.readAll()))
        return "the file " + text(path) + " is not whole: " + *fault;
    return std::nullopt;
}

} // namespace random_actions
