#pragma once

#include "FontStyle.h"

#include <QFont>

namespace vorlo {

// Turns the console's fonts into fonts installed here. The Windows fonts the console names
// ("Small Fonts", "Arial"...) are replaced by the closest family this machine has.
class FontMapper {
public:
    static QFont toQFont(const FontStyle& style);
    // The installed family that stands in for a console font name.
    static QString family(const QString& name);
    // Whether the family had to be replaced by a condensed face to keep the Windows widths.
    static bool needsCondensing(const QString& name);
};

} // namespace vorlo
