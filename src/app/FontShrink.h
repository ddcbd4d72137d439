#pragma once

#include <QFont>
#include <functional>

namespace vorlo {

// Shrinks a caption's font in half-point steps until the caption fits its room.
class FontShrink {
public:
    // The smallest size a caption of `points` may shrink to: a share of its own size, never
    // below a floor in points (and never above its own size).
    static double smallestFor(double points, double share, double floorPoints);
    // The largest size from the font's own down to `smallest` at which `fits` holds; the
    // smallest when none does. A font without a point size is returned as it is.
    static QFont fitted(QFont font, double smallest, const std::function<bool(const QFont&)>& fits);
};

} // namespace vorlo
