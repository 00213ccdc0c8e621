// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_registry.h"

#include <QBackingStore>
#include <QPainter>

namespace sb {

namespace {

// Makes a hidden window's native window and the buffer it is painted into, and writes to every
// page of that buffer once: a new buffer's pages are mapped on their first write, several
// hundred of them for a large window, and that cost a millisecond or two of a click. The first
// paint after show repaints the whole window into the same buffer, as long as its size is the
// same.
void readyToShow(QWidget* window) {
    window->winId();
    QBackingStore* store = window->backingStore();
    if (!store) return;
    const QRect whole(QPoint(), window->size());
    store->resize(whole.size());
    store->beginPaint(whole);
    QPainter(store->paintDevice()).fillRect(whole, window->palette().window());
    store->endPaint();
}

} // namespace

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
    readyToShow(prepared_);
}

} // namespace sb
