// SPDX-License-Identifier: GPL-3.0-or-later
// sumbrook-random: random actions on every window through the window driver, checking what
// must hold on any window without a model of it. See README ("Random actions").
//
// It finds the windows by clicking every button of the main menu, then writes scripts of
// random actions (hostile texts typed into boxes, clicks on buttons and links, closes and
// reopens, locale switches, and the working pane: opened and closed by its button and by F2,
// "More detail", Copy Working, the figure and the working saved and printed), each action
// followed by a `controls` listing, runs them through the driver and checks every step
// against the listing before it:
// - the driver exits 0 or 1 and carries out every command (never crashes or aborts);
// - no label ever shows nan, inf or a negative zero, nor does a box a click wrote into;
// - a click shows one message a box at most and one fault message at most, last; any other
//   action shows none, but a file that cannot be saved is told once;
// - typing changes only the box typed into, which then shows what a keyboard typing the text
//   would leave there: whole characters within its limit, no control characters;
// - a click changes no control of another window, nor a button, link or fixed caption of
//   its own; a click in the working pane, a key or a locale switch changes nothing;
// - a window opened again shows the texts it showed when first opened;
// - the working's steps, its figure and the copied working show no nan or inf; Copy Working
//   copies the lines the pane shows; every answer of a window's last command stands in its
//   working as the window shows it;
// - a saved figure or working is a whole SVG, PNG or PDF, or the driver said why not.
//
// With --jobs N it keeps N drivers busy; with --soak it goes on past a fault, prints its
// progress and ends with a summary of every fault.

#include "checker.h"
#include "pane_actions.h"
#include "progress.h"

#include "driver/script.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

using namespace random_actions;

namespace {

using sb::drive::Command;

QString text(const QString& s) { return sb::drive::quoted(s); }

// A listing's line: `FORM TEXT` (the caption) or `FORM.CONTROL KIND ...`; a query's answer
// (`FORM.working TEXT`, `FORM.figure point ...`) ends the listing.
bool isListingLine(const Command& c) {
    static const QStringList kinds = {"box", "label", "output", "link", "button"};
    return c.verb.contains(u'.') ? kinds.contains(c.words.value(0))
                                 : c.words.isEmpty() && c.text.has_value();
}

// Splits a transcript into the listing before the first action and one step per action.
bool readTranscript(const QString& transcript, const std::vector<Step>& actions,
                    Snapshot& initial, std::vector<Step>& steps, QString& why) {
    std::vector<std::pair<QStringList, Snapshot>> blocks; // printed before, listing
    QStringList printed;
    std::optional<Snapshot> listing;
    auto finish = [&] {
        if (listing) blocks.emplace_back(std::move(printed), std::move(*listing)), printed.clear();
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
            if (isListingLine(c)) {
                if (!c.verb.contains(u'.')) {
                    listing->windows[c.verb];
                    continue;
                }
                const QString form = c.verb.section(u'.', 0, 0), name = c.verb.section(u'.', 1);
                listing->windows[form][name] = {c.words.value(0),
                                                c.words.size() > 1 ? c.words[1].toInt() : 0,
                                                c.text.value_or(QString())};
                continue;
            }
        }
        finish();
        printed << line;
    }
    finish();
    if (blocks.size() != actions.size() + 1)
        return why = QStringLiteral("the transcript ends after %1 of %2 actions")
                         .arg(qMax<qsizetype>(0, blocks.size() - 1))
                         .arg(actions.size()),
               false;
    initial = std::move(blocks[0].second);
    for (size_t i = 0; i < actions.size(); ++i)
        steps.push_back({actions[i].command, actions[i].probes, std::move(blocks[i + 1].first),
                         std::move(blocks[i + 1].second)});
    return true;
}

// One driver running one script: the script from a file, the transcript into a file, so
// several can run at once without waiting on their pipes.
class Runner {
public:
    Runner(QString driver, QString locale, QString folder)
        : driver_(std::move(driver)), locale_(std::move(locale)), folder_(std::move(folder)) {}

    // Starts the driver on the actions, each followed by its queries and a listing.
    void start(std::vector<Step> actions) {
        actions_ = std::move(actions);
        script_ = QStringLiteral("controls\n");
        for (const Step& a : actions_) {
            script_ += a.command + u'\n';
            for (const QString& probe : a.probes) script_ += probe + u'\n';
            script_ += QStringLiteral("controls\n");
        }
        QFile file(scriptPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(script_.toUtf8()) < 0) {
            std::fprintf(stderr, "random actions: cannot write %s\n", qPrintable(scriptPath()));
            std::exit(2);
        }
        file.close();
        process_ = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!env.contains("QT_QPA_PLATFORM")) env.insert("QT_QPA_PLATFORM", "offscreen");
        if (!locale_.isEmpty()) env.insert("SUMBROOK_DRIVE_LOCALE", locale_);
        process_->setProcessEnvironment(env);
        process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_->setStandardOutputFile(folder_ + QStringLiteral("/transcript"));
        process_->start(driver_, {scriptPath()});
    }

    // Waits for the driver; false with why when it did not carry the script out.
    bool finish(Snapshot& initial, std::vector<Step>& steps, QString& why) {
        process_->waitForFinished(-1);
        const bool crashed = process_->exitStatus() != QProcess::NormalExit ||
                             process_->exitCode() > 1;
        const int code = process_->exitCode();
        process_.reset();
        if (crashed) return why = QStringLiteral("the driver ended abnormally (exit %1)").arg(code), false;
        QFile out(folder_ + QStringLiteral("/transcript"));
        if (!out.open(QIODevice::ReadOnly)) return why = QStringLiteral("no transcript"), false;
        return readTranscript(QString::fromUtf8(out.readAll()), actions_, initial, steps, why);
    }

    ~Runner() {
        if (process_) process_->kill(), process_->waitForFinished(-1);
    }

    const QString& script() const { return script_; }
    const QString& folder() const { return folder_; } // where its files go

private:
    QString scriptPath() const { return folder_ + QStringLiteral("/script.drive"); }

    QString driver_, locale_, folder_;
    std::vector<Step> actions_;
    QString script_;
    std::unique_ptr<QProcess> process_;
};

bool runNow(Runner& runner, const QStringList& commands, Snapshot& initial,
            std::vector<Step>& steps, QString& why) {
    std::vector<Step> actions;
    for (const QString& c : commands) actions.push_back({c, {}, {}, {}});
    runner.start(actions);
    steps.clear();
    return runner.finish(initial, steps, why);
}

// The windows the main menu opens, with their first texts, and which have a working pane
// (`geometry` lists its "Show Working" button last).
std::map<QString, Window> discover(Runner& runner, QString& why) {
    std::map<QString, Window> windows;
    Snapshot initial;
    std::vector<Step> steps;
    if (!runNow(runner, {}, initial, steps, why)) return {};
    QStringList clicks;
    for (const auto& [name, control] : initial.windows["Form1"])
        if (control.kind == u"button" || control.kind == u"link") clicks << "click Form1." + name;
    if (!runNow(runner, clicks, initial, steps, why)) return {};
    windows["Form1"].initial = initial.windows["Form1"];
    for (const Step& step : steps)
        for (const auto& [form, controls] : step.after.windows)
            if (!windows.count(form))
                windows[form] = {step.command.section(u' ', 1).section(u'.', 1), false, controls};
    QStringList looks = clicks;
    for (const auto& [form, w] : windows) looks << "geometry " + form;
    if (!runNow(runner, looks, initial, steps, why)) return {};
    for (const Step& step : steps)
        for (const QString& line : step.printed)
            if (const QString form = line.section(u'.', 0, 0);
                line.startsWith(form + QStringLiteral(".Working ")) && windows.count(form))
                windows[form].pane = true;
    return windows;
}

// The next action for the windows open now: mostly typing into any open box and clicking
// the buttons of the topic windows; one in paneShare on the working panes.
QString nextAction(Generator& g, const std::map<QString, Window>& windows, const Snapshot& now,
                   const Panes& panes, int paneShare, const QString& folder, const QString& stem) {
    std::vector<QString> topics, withPane, boxes, buttons, menu, openers;
    for (const auto& [f, controls] : now.windows) {
        if (f != u"Form1") topics.push_back(f);
        if (windows.count(f) && windows.at(f).pane) withPane.push_back(f);
        for (const auto& [n, c] : controls) {
            if (c.kind == u"box") boxes.push_back(f + '.' + n);
            else if (c.kind == u"button" || c.kind == u"link")
                (f == u"Form1" ? menu : buttons).push_back(f + '.' + n);
        }
    }
    for (const auto& [f, w] : windows)
        if (!w.opener.isEmpty()) openers.push_back("Form1." + w.opener);
    if (!withPane.empty() && g.below(paneShare) == 0)
        return paneAction(g, withPane, panes, folder, stem);
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

// A script of count actions written ahead: the driver carries the state, so the script
// follows the listing of the windows open at its start, updated by what each action is
// expected to do.
std::vector<Step> script(unsigned seed, long count, const std::map<QString, Window>& windows,
                         int paneShare, const QString& folder) {
    Generator g(seed);
    Snapshot now;
    now.windows["Form1"] = windows.at("Form1").initial;
    Panes panes;
    std::vector<Step> actions;
    for (long i = 0; i < count; ++i) {
        const QString action =
            nextAction(g, windows, now, panes, paneShare, folder, QString::number(i + 1));
        actions.push_back({action, probesAfter(action, panes, windows), {}, {}});
        panes.apply(action, now, windows);
        const QStringList w = action.split(u' ');
        if (w[0] == u"close") now.windows.erase(w[1]);
        if (w[0] == u"click" && w[1].startsWith(u"Form1."))
            for (const auto& [f, win] : windows)
                if (win.opener == w[1].section(u'.', 1) && !now.windows.count(f))
                    now.windows[f] = win.initial;
    }
    return actions;
}

// A driver at work on one script, with the seed that wrote it.
struct Slot {
    std::unique_ptr<Runner> runner;
    std::unique_ptr<QTemporaryDir> folder;
    unsigned seed = 0;
    long actions = 0;
    bool busy = false;
};

// Keeps the failing script as random-SEED.drive, with the files it saves going into
// random-SEED.files/ beside it, so it runs again as it ran.
QString keep(const Runner& runner, unsigned seed) {
    const QString name = QStringLiteral("random-%1").arg(seed);
    const QString files = QFileInfo(name + QStringLiteral(".files")).absoluteFilePath();
    QDir().mkpath(files);
    QString script = runner.script();
    script.replace(runner.folder() + u'/', files + u'/');
    QFile out(name + QStringLiteral(".drive"));
    if (out.open(QIODevice::WriteOnly)) out.write(script.toUtf8());
    return out.fileName();
}

int usage() {
    std::fprintf(stderr, "usage: sumbrook-random DRIVER [--seed N] [--actions N] [--chunk N] "
                         "[--jobs N] [--pane N] [--soak]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) return usage();
    const QString driver = args.takeFirst();
    unsigned long seed = 1;
    long actions = 1000, chunk = 250, jobs = 1, paneShare = 12; // one action in 12 on a pane
    bool soak = false;
    while (!args.isEmpty()) {
        const QString option = args.takeFirst();
        if (option == u"--soak") {
            soak = true;
            continue;
        }
        if (args.isEmpty()) return usage();
        const QString value = args.takeFirst();
        bool ok = false;
        if (option == u"--seed") seed = value.toULong(&ok, 0);
        else if (option == u"--actions") actions = value.toLong(&ok);
        else if (option == u"--chunk") chunk = value.toLong(&ok);
        else if (option == u"--jobs") jobs = value.toLong(&ok);
        else if (option == u"--pane") paneShare = value.toLong(&ok);
        if (!ok || chunk < 1 || jobs < 1 || paneShare < 1) return usage();
    }

    // the program's locale at the start is the driver's (SUMBROOK_DRIVE_LOCALE)
    const QString locale = qEnvironmentVariable("SUMBROOK_DRIVE_LOCALE");
    QTemporaryDir scratch;
    Runner finder(driver, locale, scratch.path());
    QString why;
    const auto windows = discover(finder, why);
    if (windows.empty()) {
        std::printf("random actions: cannot find the windows: %s\n", qPrintable(why));
        return 1;
    }

    Checker checker(windows);
    Progress progress(actions, soak);
    std::vector<Slot> drivers(jobs);
    long planned = 0, run = 0;
    // each script has its own seed, printed with a fault
    const auto startNext = [&](Slot& s) {
        s.busy = planned < actions;
        if (!s.busy) return;
        s.seed = unsigned(seed * 1000003UL + run++);
        s.actions = std::min(chunk, actions - planned);
        planned += s.actions;
        s.folder = std::make_unique<QTemporaryDir>(scratch.filePath(QStringLiteral("run-XXXXXX")));
        s.runner = std::make_unique<Runner>(driver, locale, s.folder->path());
        s.runner->start(script(s.seed, s.actions, windows, int(paneShare), s.folder->path()));
    };
    for (Slot& s : drivers) startNext(s);
    while (std::any_of(drivers.begin(), drivers.end(), [](const Slot& s) { return s.busy; })) {
        for (Slot& s : drivers) {
            if (!s.busy) continue;
            Snapshot initial;
            std::vector<Step> steps;
            std::optional<QString> fault;
            if (!s.runner->finish(initial, steps, why)) fault = why;
            // the next script runs while this one is checked
            Slot done = std::move(s);
            startNext(s);
            checker.start();
            const Snapshot* before = &initial;
            for (size_t i = 0; !fault && i < steps.size(); ++i) {
                if (auto f = checker.check(*before, steps[i]))
                    fault = QStringLiteral("action %1, %2: %3").arg(i + 1).arg(steps[i].command, *f);
                before = &steps[i].after;
            }
            if (fault) {
                const QString file = keep(*done.runner, done.seed);
                progress.fault(QStringLiteral("script seed %1: %2\nthe script is in %3")
                                   .arg(done.seed)
                                   .arg(*fault, file));
                if (!soak) return 1;
            }
            progress.done(done.actions);
        }
    }
    progress.summary(windows.size(), seed);
    return progress.faults() > 0 ? 1 : 0;
}
