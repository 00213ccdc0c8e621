// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-random: random actions on every window through the window driver, checking what
// must hold on any window without a model of it. See README ("Random actions").
//
// It finds the windows by clicking every button of the main menu, then writes scripts of
// random actions (hostile texts typed into boxes, clicks on buttons and links, closes and
// reopens, locale switches), each action followed by a `controls` listing, runs them through
// the driver and checks every step against the listing before it:
// - the driver exits 0 or 1 and carries out every command (never crashes or aborts);
// - no label ever shows nan, inf or a negative zero, nor does a box a click wrote into;
// - a click shows one message a box at most and one fault message at most, last; any other
//   action shows none;
// - typing changes only the box typed into, which then shows what a keyboard typing the text
//   would leave there: whole characters within its limit, no control characters;
// - a click changes no control of another window, nor a button, link or fixed caption of
//   its own; a locale switch changes nothing;
// - a window opened again shows the texts it showed when first opened.

#include "driver/script.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace {

struct Control {
    QString kind; // box, label, output, button, link
    int maxLength = 0;
    QString text;
};

// The open windows and their controls, as one `controls` listing shows them.
struct Snapshot {
    std::map<QString, std::map<QString, Control>> windows; // Form2 -> A -> control
};

// What one command printed before the listing that follows it.
struct Step {
    QString command;
    QStringList printed;
    Snapshot after;
};

using sb::drive::Command;

QString text(const QString& s) { return sb::drive::quoted(s); }

// Splits a transcript into the listing before the first action and one step per action.
bool readTranscript(const QString& transcript, const QStringList& commands, Snapshot& initial,
                    std::vector<Step>& steps, QString& why) {
    std::vector<std::pair<QStringList, Snapshot>> blocks; // printed before, listing
    QStringList printed;
    std::optional<Snapshot> listing;
    auto finish = [&] {
        if (listing) blocks.emplace_back(printed, *listing), printed.clear();
        listing.reset();
    };
    for (const QString& line : transcript.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u"controls")) {
            finish();
            listing = Snapshot{};
            continue;
        }
        if (listing && line.startsWith(u"Form")) {
            const auto parsed = sb::drive::parseLine(line);
            if (!parsed.command) return why = "unreadable line " + line, false;
            const Command& c = *parsed.command;
            if (!c.verb.contains(u'.')) {
                listing->windows[c.verb];
                continue;
            }
            const QString form = c.verb.section(u'.', 0, 0), name = c.verb.section(u'.', 1);
            Control control{c.words.value(0), c.words.size() > 1 ? c.words[1].toInt() : 0,
                            c.text.value_or(QString())};
            listing->windows[form][name] = control;
            continue;
        }
        finish();
        printed << line;
    }
    finish();
    if (qsizetype(blocks.size()) != commands.size() + 1)
        return why = QStringLiteral("the transcript ends after %1 of %2 actions")
                         .arg(qMax<qsizetype>(0, blocks.size() - 1))
                         .arg(commands.size()),
               false;
    initial = blocks[0].second;
    for (qsizetype i = 0; i < commands.size(); ++i)
        steps.push_back({commands[i], blocks[i + 1].first, blocks[i + 1].second});
    return true;
}
bool showsNoNumber(const QString& s) {
    // nan or inf as a word, or a negative zero in any decimal mark ("-0", "-0,00", "-0E+00")
    static const QRegularExpression bad(
        QStringLiteral("(?<![a-z])[-+]?(nan|inf(inity)?)(?![a-z])|"
                       "(?<![\\w.,\\x{066B}])-(?=[.,\\x{066B}]?0)0*([.,\\x{066B}]0*)?(e[-+]?\\d+)?"
                       "(?![\\w.,\\x{066B}])"),
        QRegularExpression::CaseInsensitiveOption);
    return s.contains(bad);
}

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

class Generator {
public:
    explicit Generator(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <class T> const T& pick(const std::vector<T>& items) {
        return items[below(int(items.size()))];
    }

    QString digits(int n) {
        QString s;
        for (int i = 0; i < n; ++i) s += QChar(u'0' + below(10));
        return s;
    }
    QString number() {
        switch (below(6)) {
        case 0: return QString::number(below(200) - 100);
        case 1: return QString::number(below(1000) - 500) + '.' + digits(1 + below(4));
        case 2: return QString::number(below(20) - 10) + '/' + QString::number(below(12) - 2);
        case 3:
            return QString::number(below(9)) + '/' + QString::number(below(9)) + '/' +
                   QString::number(below(9) + 1);
        case 4:
            return digits(1 + below(3)) + 'e' + (below(2) ? "-" : "") + QString::number(below(400));
        default: return QString::number(below(10)) + ',' + digits(1 + below(3));
        }
    }
    QString hostile() {
        static const std::vector<QString> odd = {"",
                                                 " ",
                                                 "   ",
                                                 "--",
                                                 "-",
                                                 ".",
                                                 ",",
                                                 "/",
                                                 "//",
                                                 "1/0",
                                                 "0/0",
                                                 "-0",
                                                 "0",
                                                 "1e308",
                                                 "1e999",
                                                 "-1e-999",
                                                 "1e308/1e-308",
                                                 "1e-308/1e308",
                                                 "9e307/1/9e-307",
                                                 "inf",
                                                 "nan",
                                                 "-inf",
                                                 "NaN",
                                                 "Infinity",
                                                 "😀",
                                                 "🇩🇪",
                                                 "e\u0301",
                                                 "\u00BD",
                                                 "\u0661\u066B\u0665",
                                                 "\u22123",
                                                 "\n",
                                                 "\t",
                                                 "\u0001",
                                                 "\u007F",
                                                 "\u200B",
                                                 "abc",
                                                 "<b>x</b>",
                                                 "%s%n",
                                                 "\\",
                                                 "\"",
                                                 "1,000",
                                                 "1.2.3",
                                                 "+",
                                                 "1e",
                                                 "0x10",
                                                 " 2 ",
                                                 "2/1/4",
                                                 "-2/1/2",
                                                 "1/-4"};
        static const std::vector<QString> wide = {"😀", "🇩🇪", "e\u0301", "👍🏽", "\u0301"};
        switch (below(6)) {
        case 0:
        case 1: return number();
        case 2: return pick(odd);
        case 3: return digits(8 + below(40));
        case 4: return digits(below(9)) + pick(wide) + (below(2) ? pick(wide) : QString());
        default: return hostile() + hostile();
        }
    }

private:
    std::mt19937 random_;
};

struct Window {
    QString opener; // the main menu control that opens it
    std::map<QString, Control> initial;
};

class Runner {
public:
    Runner(QString driver, QString locale)
        : driver_(std::move(driver)), locale_(std::move(locale)) {}

    // Runs the commands, each followed by a listing; false with why when it cannot.
    bool run(const QStringList& commands, Snapshot& initial, std::vector<Step>& steps, QString& why,
             QString& script) {
        script = QStringLiteral("controls\n");
        for (const QString& c : commands) script += c + QStringLiteral("\ncontrols\n");
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!locale_.isEmpty()) env.insert("SUMBROOK_DRIVE_LOCALE", locale_);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(driver_, {});
        process.write(script.toUtf8());
        process.closeWriteChannel();
        process.waitForFinished(-1);
        const QString transcript = QString::fromUtf8(process.readAllStandardOutput());
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() > 1)
            return why = QStringLiteral("the driver ended abnormally (exit %1)")
                             .arg(process.exitCode()),
                   false;
        return readTranscript(transcript, commands, initial, steps, why);
    }

private:
    QString driver_, locale_;
};

// The windows the main menu opens, with their first texts.
std::map<QString, Window> discover(Runner& runner, QString& why) {
    std::map<QString, Window> windows;
    Snapshot initial;
    std::vector<Step> steps;
    QString script;
    if (!runner.run({}, initial, steps, why, script)) return {};
    QStringList clicks;
    for (const auto& [name, control] : initial.windows["Form1"])
        if (control.kind == u"button" || control.kind == u"link") clicks << "click Form1." + name;
    if (!runner.run(clicks, initial, steps, why, script)) return {};
    windows["Form1"].initial = initial.windows["Form1"];
    for (const Step& step : steps)
        for (const auto& [form, controls] : step.after.windows)
            if (!windows.count(form))
                windows[form] = {step.command.section(u' ', 1).section(u'.', 1), controls};
    return windows;
}

class Checker {
public:
    explicit Checker(const std::map<QString, Window>& windows) : windows_(windows) {}

    // The fault of one step, or nothing.
    std::optional<QString> check(const Snapshot& before, const Step& step) {
        const QStringList words = step.command.split(u' ');
        const QString verb = words[0];
        const QString target = words.value(1);
        const QString form = target.section(u'.', 0, 0), name = target.section(u'.', 1, 1);
        // A click tells each bad box once at most (windows that read every value before
        // they test tell each), then perhaps one fault message, which comes last.
        static const QString fault = "message " + text(QStringLiteral("Unreasonable Data!!!."));
        qsizetype messages = 0, faults = 0, boxes = 0;
        for (const QString& line : step.printed) {
            if (line.startsWith(u"message ")) {
                if (faults > 0) return "a message after the fault message: " + line;
                ++messages;
                if (line == fault) ++faults;
            } else if (line.startsWith(u"error ") && !line.endsWith(u" is not open")) {
                return "the driver refused it: " + line;
            }
        }
        if (const auto w = before.windows.find(form); w != before.windows.end())
            for (const auto& [n, c] : w->second) boxes += c.kind == u"box";
        if (messages > (verb == u"click" ? boxes + 1 : 0))
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

private:
    const std::map<QString, Window>& windows_;
};

// The next action for the windows open now: mostly typing into any open box and clicking
// the buttons of the topic windows.
QString nextAction(Generator& g, const std::map<QString, Window>& windows, const Snapshot& now) {
    std::vector<QString> topics, boxes, buttons, menu, openers;
    for (const auto& [f, controls] : now.windows) {
        if (f != u"Form1") topics.push_back(f);
        for (const auto& [n, c] : controls) {
            if (c.kind == u"box") boxes.push_back(f + '.' + n);
            else if (c.kind == u"button" || c.kind == u"link")
                (f == u"Form1" ? menu : buttons).push_back(f + '.' + n);
        }
    }
    for (const auto& [f, w] : windows)
        if (!w.opener.isEmpty()) openers.push_back("Form1." + w.opener);
    const int roll = g.below(100);
    if (roll < 50 && !boxes.empty()) return "type " + g.pick(boxes) + ' ' + text(g.hostile());
    if (roll < 82 && !buttons.empty()) return "click " + g.pick(buttons);
    if (roll < 88 && !openers.empty()) return "click " + g.pick(openers);
    if (roll < 90) return "click " + g.pick(menu);
    if (roll < 95 && !topics.empty()) return "close " + g.pick(topics);
    if (roll < 99) {
        static const std::vector<QString> locales = {"en_US", "de_DE", "fr_CH", "sv_SE", "ar_EG"};
        return "locale " + g.pick(locales);
    }
    return g.below(2) ? "desktop fail" : "desktop ok";
}

int usage() {
    std::fprintf(stderr, "usage: sumbrook-random DRIVER [--seed N] [--actions N] [--chunk N]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString driver = args.takeFirst();
    unsigned long seed = 1;
    long actions = 1000, chunk = 250;
    while (args.size() >= 2) {
        const QString option = args.takeFirst(), value = args.takeFirst();
        bool ok = false;
        if (option == u"--seed") seed = value.toULong(&ok, 0);
        else if (option == u"--actions") actions = value.toLong(&ok);
        else if (option == u"--chunk") chunk = value.toLong(&ok);
        if (!ok || chunk < 1) return usage();
    }
    if (!args.isEmpty()) return usage();

    // the program's locale at the start is the driver's (SUMBROOK_DRIVE_LOCALE)
    Runner runner(driver, qEnvironmentVariable("SUMBROOK_DRIVE_LOCALE"));
    QString why;
    const auto windows = discover(runner, why);
    if (windows.empty()) {
        std::printf("random actions: cannot find the windows: %s\n", qPrintable(why));
        return 1;
    }
    Checker checker(windows);
    long done = 0;
    for (long run = 0; done < actions; ++run) {
        // each script has its own seed, printed with a fault
        const unsigned scriptSeed = unsigned(seed * 1000003UL + run);
        Generator g(scriptSeed);
        // the driver carries the state; the script is written ahead against the listing of
        // the windows open at its start, updated by what each action is expected to do
        Snapshot now;
        now.windows["Form1"] = windows.at("Form1").initial;
        QStringList commands;
        for (long i = 0; i < chunk && done + i < actions; ++i) {
            const QString action = nextAction(g, windows, now);
            commands << action;
            const QStringList w = action.split(u' ');
            if (w[0] == u"close") now.windows.erase(w[1]);
            if (w[0] == u"click" && w[1].startsWith(u"Form1."))
                for (const auto& [f, win] : windows)
                    if (win.opener == w[1].section(u'.', 1)) now.windows[f] = win.initial;
        }
        Snapshot initial;
        std::vector<Step> steps;
        QString script;
        std::optional<QString> fault;
        if (!runner.run(commands, initial, steps, why, script)) fault = why;
        Snapshot before = initial;
        for (size_t i = 0; !fault && i < steps.size(); ++i) {
            if (auto f = checker.check(before, steps[i]))
                fault = QStringLiteral("action %1, %2: %3").arg(i + 1).arg(steps[i].command, *f);
            before = steps[i].after;
        }
        if (fault) {
            const QString file = QStringLiteral("random-%1.drive").arg(scriptSeed);
            QFile out(file);
            if (out.open(QIODevice::WriteOnly)) out.write(script.toUtf8());
            std::printf("random actions: script seed %u: %s\nthe script is in %s\n", scriptSeed,
                        qPrintable(*fault), qPrintable(file));
            return 1;
        }
        done += long(commands.size());
    }
    std::printf("random actions: %ld actions on %zu windows, seed %lu: no fault\n", done,
                windows.size(), seed);
    return 0;
}
