// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_registry.h"

namespace sb {

WindowRegistry::~WindowRegistry() {
    for (auto& [name, entry] : entries_) delete entry.instance.data();
}

void WindowRegistry::add(const QString& name, Factory factory) {
    entries_[name] = Entry{std::move(factory), nullptr};
}

QWidget* WindowRegistry::show(const QString& name) {
    const auto found = entries_.find(name);
    if (found == entries_.end()) return nullptr;
    Entry& entry = found->second;
    if (!entry.instance) entry.instance = entry.factory();
    entry.instance->show();
    entry.instance->raise();
    entry.instance->activateWindow();
    return entry.instance;
}

void WindowRegistry::prepare(const QString& name) {
    const auto found = entries_.find(name);
    if (found == entries_.end() || found->second.instance) return;
    if (prepared_ && !prepared_->isVisible()) delete prepared_.data(); // its entry forgets it
    prepared_ = found->second.instance = found->second.factory();
}

} // namespace sb
