// SPDX-License-Identifier: GPL-3.0-or-later
#include "pane_actions.h"

#include "driver/script.h"

namespace random_actions {

namespace {

// "click Form2.Working" -> {"click", "Form2", "Working"}; "key Form2 F2" -> {"key", "Form2", "F2"}
struct Target {
    QString verb, form, name;
};
Target targetOf(const QString& action) {
    const QStringList words = action.split(u' ');
    const QString target = words.value(1);
    if (words[0] == u"key") return {words[0], target, words.value(2)};
    return {words[0], target.section(u'.', 0, 0), target.section(u'.', 1, 1)};
}

} // namespace

bool togglesPane(const QString& action) {
    const Target p = targetOf(action);
    return (p.verb == u"click" && p.name == u"Working") || (p.verb == u"key" && p.name == u"F2");
}

void Panes::apply(const QString& action, const Snapshot& windowsOpen,
                  const std::map<QString, Window>& windows) {
    const Target p = targetOf(action);
    if (p.verb == u"close") open_.erase(p.form);
    if (p.verb == u"click" && p.form == u"Form1")
        for (const auto& [f, w] : windows)
            if (w.opener == p.name && !windowsOpen.windows.count(f)) open_.erase(f);
    if (togglesPane(action) && windowsOpen.windows.count(p.form)) {
        if (!open_.erase(p.form)) open_.insert(p.form);
    }
}

QString paneAction(Generator& g, const std::vector<QString>& topics, const Panes& panes,
                   const QString& folder, const QString& stem) {
    std::vector<QString> open(panes.all().begin(), panes.all().end());
    // a pane opened or closed a third of the time, or whenever none is open
    if (open.empty() || g.below(3) == 0) {
        const QString form = g.pick(topics);
        return g.below(2) ? "click " + form + ".Working" : "key " + form + " F2";
    }
    const QString form = g.pick(open);
    const auto file = [&](const char* kind) {
        return sb::drive::quoted(folder + u'/' + stem + QLatin1String(kind));
    };
    const int roll = g.below(100);
    if (roll < 35) return "click " + form + ".MoreDetail";
    if (roll < 55) return "click " + form + ".CopyWorking";
    if (roll < 70) return "save-figure " + form + ' ' + file(".svg");
    if (roll < 80) return "save-figure " + form + ' ' + file(".png");
    if (roll < 87) return "save-working " + form + ' ' + file(".pdf");
    if (roll < 92) return "print " + form + ' ' + file(".pdf");
    // the dialogs of Print... and Save as PDF..., by button and by key, answered with Cancel
    static const std::vector<QString> cancelled = {".Print", ".SavePdf", " Ctrl+P",
                                                   " Ctrl+Shift+S"};
    const QString which = g.pick(cancelled);
    return (which.startsWith(u'.') ? "click " : "key ") + form + which;
}

QStringList probesAfter(const QString& action, const Panes& before,
                        const std::map<QString, Window>& windows) {
    const Target p = targetOf(action);
    const auto w = windows.find(p.form);
    if (w == windows.end() || !w->second.pane) return {};
    const QStringList whole = {"working " + p.form, "figure " + p.form};
    if (togglesPane(action)) return before.open(p.form) ? QStringList{} : whole;
    if (p.verb != u"click") return {};
    if (p.name == u"MoreDetail") return {"working " + p.form};
    if (p.name == u"CopyWorking") return {"clipboard", "working " + p.form};
    // a command of the window's own, with its pane open: the pane shows its working at once
    if (!paneControls.contains(p.name) && before.open(p.form)) return whole;
    return {};
}

} // namespace random_actions
