#pragma once

#include <QString>

class QKeyEvent;

namespace vorlo {

// Turns Qt key events into what the console's key handlers expect: Windows virtual key codes
// for keys, Windows-1252 character codes for typed characters.
class KeyTranslator {
public:
    // 0 for a key without a virtual key code.
    static int virtualKey(int qtKey, bool keypad = false);
    static int virtualKey(const QKeyEvent& event);
    // -1 when the event types no character, or one outside the code page.
    static int characterCode(const QString& text);
    // The event's character; Ctrl with a letter types its control character (Ctrl+Z 26),
    // whatever text the platform gives the event.
    static int characterCode(const QKeyEvent& event);
};

} // namespace vorlo
