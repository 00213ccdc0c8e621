#include "controls.h"

#include "widgets.h"

namespace sb::ui {

namespace {

QRect pixelRect(Twips t) {
    return {pixels(t.left), pixels(t.top), pixels(t.width), pixels(t.height)};
}

QWidget* create(const Control& c, QWidget* parent) {
    switch (c.kind) {
    case Kind::Label:
    case Kind::ClickLabel: {
        auto* label = c.kind == Kind::Label ? new QLabel(parent) : new ClickableLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(c.text);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::TextBox: return new TextBox(c.maxLength, parent);
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
    widget->setFont(font);
    if (!c.tip.isEmpty()) widget->setToolTip(c.tip);
    if (!c.spoken.isEmpty()) widget->setAccessibleName(c.spoken);
    QPalette palette = widget->palette();
    if (c.fill) {
        const auto role = c.kind == Kind::Button ? QPalette::Button : QPalette::Window;
        palette.setColor(role, *c.fill);
        widget->setAutoFillBackground(c.kind != Kind::Button);
    }
    if (c.ink) {
        palette.setColor(QPalette::WindowText, *c.ink);
        palette.setColor(QPalette::ButtonText, *c.ink);
    }
    widget->setPalette(palette);
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
        if (c.isOutput) widget->setProperty("output", true); // for tools that look at windows
        style(widget, c);
    }
}

} // namespace sb::ui
