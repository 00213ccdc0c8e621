#include "controls.h"

#include "system_colours.h"
#include "widgets.h"

#include <QLineEdit>

#include <algorithm>

namespace sb::ui {

namespace {

QRect pixelRect(Twips t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

QWidget* create(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Label:
    case Kind::ClickLabel: {
        QLabel* label = c.kind == Kind::ClickLabel ? new ClickableLabel(parent)
                        : c.isOutput               ? new OutputLabel(c.spoken, parent)
                                                   : new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(c.text);
        label->setWordWrap(!c.isOutput); // an answer stays on one line
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::TextBox: {
        auto* box = new QLineEdit(parent);
        // QLineEdit's own limit is 32767; a box without a limit takes what the user types
        box->setMaxLength(c.maxLength > 0 ? c.maxLength : std::numeric_limits<int>::max());
        return box;
    }
    case Kind::Button: return new CaptionButton(c.text, parent);
    case Kind::Line:
        return new LineControl({pixels(c.at.left), pixels(c.at.top)},
                               {pixels(c.at.width), pixels(c.at.height)}, parent);
    case Kind::Shape: return new ShapeControl(parent);
    case Kind::Picture: return new QWidget(parent);
    }
    return nullptr;
}

void style(QWidget* widget, const Control& c) {
    QFont font(c.family);
    font.setPointSizeF(c.points);
    font.setBold(c.isBold);
    font.setItalic(c.isItalic);
    widget->setFont(font);
    if (!c.tip.isEmpty()) widget->setToolTip(c.tip);
    // an output's heading is its name through its own accessible interface (widgets.h)
    if (!c.spoken.isEmpty() && !c.isOutput) widget->setAccessibleName(c.spoken);
    QPalette palette = widget->palette();
    if (c.fill) {
        const auto role = c.kind == Kind::Button ? QPalette::Button : QPalette::Window;
        palette.setColor(role, *c.fill);
        widget->setAutoFillBackground(c.kind != Kind::Button);
        // on a colour of its own the ink stays the light desktop's, whatever the desktop
        if (!c.ink) {
            palette.setColor(QPalette::WindowText, system_colour::windowText);
            palette.setColor(QPalette::ButtonText, system_colour::windowText);
        }
    }
    if (c.ink) {
        palette.setColor(QPalette::WindowText, *c.ink);
        palette.setColor(QPalette::ButtonText, *c.ink);
    }
    widget->setPalette(palette);
}

// An answer label reaches to the next control on its right (or the window's edge), so a long
// answer keeps a readable size; the room it takes is empty on the window as drawn.
void widen(QWidget* output) {
    const QRect at = output->geometry();
    int right = output->parentWidget()->width();
    for (QWidget* other :
         output->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QRect o = other->geometry();
        // a drawn line only crosses its bounding box; the text may cross it as well
        if (other != output && !qobject_cast<LineControl*>(other) && o.left() > at.right() &&
            o.top() <= at.bottom() && o.bottom() >= at.top())
            right = std::min(right, o.left() - 4);
    }
    if (right > at.left() + at.width()) output->resize(right - at.left(), at.height());
}

} // namespace

void buildControls(QWidget* window, const ControlTable& table) {
    for (const Control& c : table) {
        QWidget* parent = window;
        if (!c.inside.isEmpty()) parent = window->findChild<QWidget*>(c.inside);
        Q_ASSERT_X(parent, "buildControls", "a container must come before what it holds");
        QWidget* widget = create(c, parent);
        widget->setObjectName(c.name);
        if (c.kind != Kind::Line) widget->setGeometry(pixelRect(c.at));
        style(widget, c);
    }
    for (const Control& c : table)
        if (c.isOutput && !c.fill) widen(window->findChild<QWidget*>(c.name));
}

} // namespace sb::ui
