#include "SystemColors.h"

#include "Colors.h"

#include <QGuiApplication>

namespace vorlo {

QColor SystemColors::lit() {
    return QColor(0xF5, 0xB3, 0x2E);
}

QColor SystemColors::activeBorder() {
    return QColor(0x9A, 0x9A, 0x9A);
}

QColor SystemColors::toQColor(uint32_t value) {
    return toQColor(value, QGuiApplication::palette());
}

QColor SystemColors::toQColor(uint32_t value, const QPalette& p) {
    if (value == color::None)
        return {};
    if (!color::isSystem(value))
        return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                      static_cast<int>((value >> 16) & 0xFF));
    switch (value & 0xFFFFFFu) {
    case 0: // scroll bar
        return p.color(QPalette::Button);
    case 1:  // desktop
    case 12: // application workspace
        return p.color(QPalette::Dark);
    case 2:  // active title bar
    case 13: // selected item
        return p.color(QPalette::Highlight);
    case 3: // inactive title bar
        return p.color(QPalette::Mid);
    case 4: // menu
        return p.color(QPalette::Window);
    case 5: // window background
        return p.color(QPalette::Base);
    case 6:  // window frame
    case 21: // 3D dark shadow
        return p.color(QPalette::Shadow);
    case 7:  // menu text
    case 19: // inactive title bar text
        return p.color(QPalette::WindowText);
    case 8: // window text
        return p.color(QPalette::Text);
    case 9: // title bar text: the console's "lit"
        return lit();
    case 10: // active border
        return activeBorder();
    case 11: // inactive border
    case 22: // 3D light
        return p.color(QPalette::Midlight);
    case 14: // selected item text
        return p.color(QPalette::HighlightedText);
    case 15: // button face: the console's "unlit"
        return p.color(QPalette::Button);
    case 16: // button shadow
        return p.color(QPalette::Dark);
    case 17: // grey text
        return p.color(QPalette::Disabled, QPalette::Text);
    case 18: // button text
        return p.color(QPalette::ButtonText);
    case 20: // button highlight
        return p.color(QPalette::Light);
    case 23: // tooltip text
        return p.color(QPalette::ToolTipText);
    case 24: // tooltip background
        return p.color(QPalette::ToolTipBase);
    default:
        return {};
    }
}

} // namespace vorlo
