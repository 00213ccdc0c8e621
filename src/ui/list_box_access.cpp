// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_box_access.h"

#include "list_box.h"

#include <QAccessibleWidget>

namespace sb::ui {

namespace {

class AccessibleListBox : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit AccessibleListBox(ListBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return model().text();
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString& text) override {
        if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
        box()->replace(0, model().text().size(), text);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !box()->isReadOnly();
        s.readOnly = box()->isReadOnly();
        s.selectableText = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !model().hasSelection()) return;
        *start = int(model().selectionStart());
        *end = int(model().selectionEnd());
    }
    int selectionCount() const override { return model().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) box()->select(model().cursor(), model().cursor());
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) box()->select(clamped(start), clamped(end));
    }
    int cursorPosition() const override { return int(model().cursor()); }
    void setCursorPosition(int position) override {
        box()->select(clamped(position), clamped(position));
    }
    QString text(int start, int end) const override {
        start = clamped(start);
        end = std::max(start, clamped(end));
        return model().text().sliced(start, end - start);
    }
    int characterCount() const override { return int(model().text().size()); }
    QRect characterRect(int offset) const override {
        const QRect r = box()->characterRect(offset);
        return QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return int(box()->positionAt(box()->mapFromGlobal(point).x()));
    }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override {
        start = clamped(start);
        end = std::max(start, clamped(end));
        box()->replace(start, end - start, text);
    }

private:
    ListBox* box() const { return static_cast<ListBox*>(widget()); }
    const LineModel& model() const { return box()->model(); }
    int clamped(int position) const { return std::clamp(position, 0, characterCount()); }
};

} // namespace

QAccessibleInterface* accessibleListBox(ListBox* box) { return new AccessibleListBox(box); }

} // namespace sb::ui
