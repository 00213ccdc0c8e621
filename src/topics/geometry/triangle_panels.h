// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two triangle-solving windows have in common: four panels framed by lines, each
// with a triangle drawn in three lines, boxes for the given sides and angles, labels for the
// computed ones, and a title and a warning that angles are in degrees. Sides are a, b, c and
// angles x, y, z, followed by the panel's number (a1, z4).

#include "ui/controls.h"
#include "ui/form.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <optional>

namespace sb::triangle_panels {

// "Triangle 2, angle z" for z2: what a screen reader calls a box or label of a panel, in
// the language spoken (the Form builder finds nothing more to translate in it)
inline QString spokenName(const QString& name) {
    const QChar letter = name.front();
    if (letter >= u'x')
        //: %1 is the panel's number, %2 the angle's letter (x, y or z)
        return QCoreApplication::translate("TrianglePanels", "Triangle %1, angle %2")
            .arg(name.mid(1), letter);
    //: %1 is the panel's number, %2 the side's letter (a, b or c)
    return QCoreApplication::translate("TrianglePanels", "Triangle %1, side %2")
        .arg(name.mid(1), letter);
}

// a typed side or angle: boxes take at most 5 characters
inline ui::Control given(const QString& name, int left, int top) {
    return ui::textBox(name, {left, top, 735, 285}, 5).named(spokenName(name));
}

// a side or angle a command writes
inline ui::Control computed(const QString& name, int left, int top, int width = 855) {
    return ui::output(name, {left, top, width, 255}).named(spokenName(name));
}

// caption: marked for translation in the window's context where it is written
inline ui::Control command(const QString& name, const QString& caption, int left, int top) {
    return ui::button(name, caption, {left, top, 1455, 495});
}

// a triangle with its base from (left, baseY) to (right, baseY) and its apex above
inline ui::ControlTable triangle(const QString& base, const QString& leftSide,
                                 const QString& rightSide, int left, int right, int baseY,
                                 int apexX, int apexY) {
    return {ui::line(base, left, baseY, right, baseY),
            ui::line(leftSide, left, baseY, apexX, apexY),
            ui::line(rightSide, right, baseY, apexX, apexY)};
}

// Line13 .. Line18: the frame from (left, 720) to (right, 6720), cut into four panels at
// x = split and y = 3720
inline ui::ControlTable frame(int left, int right, int split) {
    constexpr int top = 720, bottom = 6720, middle = 3720;
    return {ui::line("Line13", left, top, right, top),
            ui::line("Line14", left, bottom, right, bottom),
            ui::line("Line15", left, top, left, bottom),
            ui::line("Line16", right, top, right, bottom),
            ui::line("Line17", split, top, split, bottom),
            ui::line("Line18", left, middle, right, middle)};
}

// text: marked for translation in the window's context where it is written
inline ui::Control title(const QString& text, int left) {
    return ui::label("Label1", text, {left, 240, 5055, 375}).bold().size(12);
}

// text: the warning, marked for translation in the window's context where it is written
inline ui::Control degreesWarning(const QString& text, int left) {
    return ui::label("Label2", text, {left, 6960, 9495, 495}).bold().size(13.5);
}

// The six boxes and labels of a panel in the order its Clear command empties them.
inline QStringList panelControls(int panel) {
    QStringList names;
    for (const char letter : {'a', 'b', 'c', 'z', 'y', 'x'})
        names << QStringLiteral("%1%2").arg(QChar(letter)).arg(panel);
    return names;
}

// Joins control tables in order.
inline ui::ControlTable joined(std::initializer_list<ui::ControlTable> parts) {
    ui::ControlTable all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// A window of such panels; its commands read, clear and write by the panel's names.
class PanelsForm : public ui::Form {
public:
    explicit PanelsForm(const ui::FormSpec& paper) : Form(paper) {}

protected:
    void clearPanel(int panel) { empty(panelControls(panel)); }

    // The texts of the named boxes as typed, for the working to take the values exactly
    // (a Clear command may empty the boxes before the working is built).
    QStringList texts(std::initializer_list<const char*> names) const {
        QStringList typed;
        for (const char* name : names) typed << box(QString::fromLatin1(name))->text();
        return typed;
    }

    // Reads the given value in the box (a1 .. z4) with eval; a refused value has been told
    // and empties the box's panel, inputs included.
    std::optional<double> read(const QString& name) {
        const double value = eval(box(name));
        if (inputsValid) return value;
        clearPanel(name.mid(1).toInt());
        return std::nullopt;
    }
};

} // namespace sb::triangle_panels
