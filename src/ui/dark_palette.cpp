#include "dark_palette.h"

namespace sb::ui {

QPalette darkPalette() {
    const QColor text(0xEE, 0xEE, 0xEE), dim(0x80, 0x80, 0x80);
    QPalette p(text, QColor(0x35, 0x35, 0x35)); // window text, button
    p.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
    p.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    p.setColor(QPalette::AlternateBase, QColor(0x2B, 0x2B, 0x2B));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(0x3D, 0x7A, 0xD6));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, dim);
    p.setColor(QPalette::Link, QColor(0x6C, 0xB4, 0xFF));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, dim);
    return p;
}

} // namespace sb::ui
