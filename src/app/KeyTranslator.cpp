#include "KeyTranslator.h"

#include "Cp1252.h"

#include <QKeyEvent>

namespace vorlo {

int KeyTranslator::virtualKey(int key, bool keypad) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key; // 'A'..'Z' share their codes
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return keypad ? 96 + (key - Qt::Key_0) : key;
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Pause:
        return 19;
    case Qt::Key_CapsLock:
        return 20;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Print:
        return 44;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Asterisk:
        return keypad ? 106 : 0;
    case Qt::Key_Plus:
        return keypad ? 107 : 0;
    case Qt::Key_Minus:
        return keypad ? 109 : 0;
    case Qt::Key_Period:
        return keypad ? 110 : 0;
    case Qt::Key_Slash:
        return keypad ? 111 : 0;
    case Qt::Key_NumLock:
        return 144;
    case Qt::Key_ScrollLock:
        return 145;
    default:
        return 0;
    }
}

int KeyTranslator::virtualKey(const QKeyEvent& event) {
    return virtualKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

int KeyTranslator::characterCode(const QString& text) {
    if (text.size() != 1)
        return -1;
    const QChar c = text.at(0);
    const QByteArray b = cp1252::encode(QString(c));
    if (b.size() != 1 || (b.at(0) == '?' && c != QLatin1Char('?')))
        return -1;
    return static_cast<uint8_t>(b.at(0));
}

int KeyTranslator::characterCode(const QKeyEvent& event) {
    // Ctrl with Alt is AltGr on many layouts: the character it types is taken as typed.
    const Qt::KeyboardModifiers m = event.modifiers();
    if (m.testFlag(Qt::ControlModifier) && !m.testFlag(Qt::AltModifier) &&
        event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z)
        return event.key() - Qt::Key_A + 1;
    return characterCode(event.text());
}

} // namespace vorlo
