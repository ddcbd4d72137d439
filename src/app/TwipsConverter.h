#pragma once

#include <QPoint>
#include <QSize>

namespace vorlo {

// Converts the console's twips (1/1440 inch) to screen pixels and back.
class TwipsConverter {
public:
    explicit TwipsConverter(double twipsPerPixel = 15);

    double twipsPerPixel() const { return twipsPerPixel_; }
    // Rounded to the nearest pixel; NaN gives -1.
    int toPixels(double twips) const;
    double toTwips(int pixels) const;

private:
    double twipsPerPixel_;
};

} // namespace vorlo
