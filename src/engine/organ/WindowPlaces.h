#pragma once

#include <QSizeF>

namespace vorlo {

// Where the console's windows stand, as the windows know it: the configuration keeps the main
// and Advanced windows' places, and the Advanced window's size keeps it on the screen.
class WindowPlaces {
public:
    // A window's top-left corner in twips; known is false while the window has no geometry.
    struct Place {
        bool known = false;
        double left = 0;
        double top = 0;
    };

    virtual ~WindowPlaces() = default;
    virtual Place mainPlace() const = 0;
    virtual Place advancedPlace() const = 0;
    // The Advanced window's size in twips; NaN while it is not known.
    virtual double advancedWidth() const = 0;
    virtual double advancedHeight() const = 0;
    // The size the main window takes for the graphic or the standard panel at a scale, before
    // the panel is built.
    virtual QSizeF mainSizeFor(bool graphic, double panelScale) const = 0;
};

} // namespace vorlo
