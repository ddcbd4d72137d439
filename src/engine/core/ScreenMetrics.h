#pragma once

#include <QStringList>

namespace vorlo {

// What the console needs to know of the screen it is shown on.
class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    virtual double screenWidthTwips() const = 0;
    virtual double screenHeightTwips() const = 0;
    // Twips per screen pixel (15 at 96 dots per inch).
    virtual double twipsPerPixel() const = 0;
    // Names of the installed screen fonts, for the font window.
    virtual QStringList fontFamilies() const = 0;
};

} // namespace vorlo
