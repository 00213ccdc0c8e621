// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"

#include "form.h"
#include "list_box.h"
#include "list_box_access.h"
#include "widgets.h"
#include "working_pane.h"

#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>

namespace sb::ui {

namespace {

constexpr char silentProperty[] = "sumbrookSilent";

// A widget holding controls (a window, a picture box, the working pane) whose screen reader
// children leave out the drawings among them.
class AccessibleHolder : public QAccessibleWidget {
public:
    AccessibleHolder(QWidget* holder, QAccessible::Role role) : QAccessibleWidget(holder, role) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shown();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(shown().indexOf(child->object())) : -1;
    }

private:
    // the direct child widgets, as Qt lists them, but for those a screen reader skips
    QList<QWidget*> shown() const {
        QList<QWidget*> children;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !hiddenFromScreenReaders(w)) children << w;
        }
        return children;
    }
};

class AccessibleOutput : public QAccessibleWidget {
public:
    explicit AccessibleOutput(OutputLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const OutputLabel*>(widget());
        switch (t) {
        case QAccessible::Name: return label->heading();
        case QAccessible::Description:
        case QAccessible::Value: return label->text();
        default: return QAccessibleWidget::text(t);
        }
    }
};

class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) emit static_cast<ClickableLabel*>(widget())->clicked();
    }
};

// Qt asks with the class names of the object, most derived first.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == u"sb::ui::Form") return new AccessibleHolder(widget, QAccessible::Window);
    if (className == u"sb::ui::WorkingPane") return new AccessibleHolder(widget, QAccessible::Pane);
    if (className == u"sb::ui::FigureView") return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == u"sb::ui::OutputLabel")
        return new AccessibleOutput(static_cast<OutputLabel*>(widget));
    if (className == u"sb::ui::ClickableLabel")
        return new AccessibleLink(static_cast<ClickableLabel*>(widget));
    if (className == u"sb::ui::ListBox") return accessibleListBox(static_cast<ListBox*>(widget));
    if (className == u"sb::ui::LineControl" || className == u"sb::ui::ShapeControl")
        return new QAccessibleWidget(widget, QAccessible::Separator);
    // a picture box: a plain widget of a window's table that holds some of its controls
    const auto* form = qobject_cast<const Form*>(widget->window());
    if (className == u"QWidget" && form && form->controlNames().contains(widget->objectName()))
        return new AccessibleHolder(widget, QAccessible::Grouping);
    return nullptr;
}

} // namespace

void offerAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(accessibleInterface), true);
    Q_UNUSED(installed);
}

bool isDrawingOfCharacters(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

void keepFromScreenReaders(QWidget* control) { control->setProperty(silentProperty, true); }

bool hiddenFromScreenReaders(const QWidget* control) {
    if (control->property(silentProperty).toBool()) return true;
    if (qobject_cast<const LineControl*>(control) || qobject_cast<const ShapeControl*>(control))
        return true;
    // a plain label drawn with characters, unless it was given words to be read by
    const auto* label = qobject_cast<const QLabel*>(control);
    return label && label->metaObject() == &QLabel::staticMetaObject &&
           !label->text().isEmpty() && isDrawingOfCharacters(label->text()) &&
           label->accessibleName().isEmpty();
}

} // namespace sb::ui
