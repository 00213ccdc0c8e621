// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A window's controls as data: each row names a control, its kind, its text and its place
// in twips, as a window is drawn up on paper. buildControls turns the rows into widgets
// whose object names are the control names.

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace sb::ui {

// left, top, width, height in twips (1/1440 inch); for a line its end points x1, y1, x2, y2
struct Twips {
    int left = 0, top = 0, width = 0, height = 0;
};

// 15 twips to a pixel at 96 dpi; Qt's high-DPI scaling does the rest
constexpr int pixels(int twips) { return (twips * 2 + 15) / 30; }

enum class Kind { Label, ClickLabel, TextBox, Button, Line, Shape, Picture };

struct Control {
    QString name;
    Kind kind;
    QString text;
    Twips at;
    int maxLength = 0; // text boxes: at most this many characters (0: no limit)
    bool isList = false; // a text box for a list of values, which may be long (ListBox)
    QString family = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool isBold = false;
    bool isItalic = false;
    std::optional<QColor> fill; // background; labels without one are transparent
    std::optional<QColor> ink;  // text colour
    QString tip;
    QString inside;        // the control this one sits in (a picture box); the window when empty
    QString spoken;        // what a screen reader calls it: the heading that names it on the window
    bool isOutput = false; // a label that commands write their answers into
    bool isUnread = false; // a piece of a formula that another control reads out whole

    Control bold() const { return with(&Control::isBold, true); }
    Control italic() const { return with(&Control::isItalic, true); }
    Control size(double p) const { return with(&Control::points, p); }
    Control font(const QString& f) const { return with(&Control::family, f); }
    Control background(QColor colour) const { return with(&Control::fill, {colour}); }
    Control foreground(QColor colour) const { return with(&Control::ink, {colour}); }
    Control toolTip(const QString& t) const { return with(&Control::tip, t); }
    Control in(const QString& box) const { return with(&Control::inside, box); }
    Control named(const QString& heading) const { return with(&Control::spoken, heading); }
    Control unread() const { return with(&Control::isUnread, true); }
    Control list() const { return with(&Control::isList, true); }

private:
    template <class T> Control with(T Control::*field, const T& value) const {
        Control copy = *this;
        copy.*field = value;
        return copy;
    }
};

using ControlTable = std::vector<Control>;

inline Control control(const QString& name, Kind kind, const QString& text, Twips at) {
    Control c{};
    c.name = name;
    c.kind = kind;
    c.text = text;
    c.at = at;
    return c;
}
inline Control label(const QString& name, const QString& text, Twips at) {
    return control(name, Kind::Label, text, at);
}
// a label that reacts to clicks
inline Control link(const QString& name, const QString& text, Twips at) {
    return control(name, Kind::ClickLabel, text, at);
}
// a label that a command writes its answer into
inline Control output(const QString& name, Twips at, const QString& text = QString()) {
    Control c = control(name, Kind::Label, text, at);
    c.isOutput = true;
    return c;
}
inline Control textBox(const QString& name, Twips at, int maxLength = 0) {
    Control c = control(name, Kind::TextBox, QString(), at);
    c.maxLength = maxLength;
    return c;
}
inline Control button(const QString& name, const QString& caption, Twips at) {
    return control(name, Kind::Button, caption, at);
}
inline Control line(const QString& name, int x1, int y1, int x2, int y2) {
    return control(name, Kind::Line, QString(), {x1, y1, x2, y2});
}
inline Control shape(const QString& name, Twips at) {
    return control(name, Kind::Shape, QString(), at);
}
inline Control picture(const QString& name, Twips at) {
    return control(name, Kind::Picture, QString(), at);
}

// Creates the controls of the table on the window, in table order.
void buildControls(QWidget* window, const ControlTable& table);

// Mirrors the window's controls for a right-to-left language: a control x from the left of
// its container, w wide, in a container W wide, then stands at W - x - w; a slanted line
// slants the other way.
void mirrorControls(QWidget* window);

// The font a control is shown in.
QFont fontOf(const Control& c);

} // namespace sb::ui
