#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace vorlo {

// Turns the console's colour values (0x00BBGGRR, or 0x80000000 + n for system colour n) into
// colours of this platform. The lit colour gets a warm amber of its own, because the platform
// palette has nothing that stands out from the button face the way the console needs.
class SystemColors {
public:
    // An invalid colour for "not set" or an unknown system colour: the widget keeps its own.
    static QColor toQColor(uint32_t value, const QPalette& palette);
    static QColor toQColor(uint32_t value);

    static QColor lit();
    static QColor activeBorder();
};

} // namespace vorlo
