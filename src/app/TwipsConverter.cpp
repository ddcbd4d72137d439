#include "TwipsConverter.h"

#include <cmath>

namespace vorlo {

TwipsConverter::TwipsConverter(double twipsPerPixel)
    : twipsPerPixel_(twipsPerPixel > 0 && std::isfinite(twipsPerPixel) ? twipsPerPixel : 15) {}

int TwipsConverter::toPixels(double twips) const {
    if (!std::isfinite(twips))
        return -1;
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

double TwipsConverter::toTwips(int pixels) const {
    return pixels * twipsPerPixel_;
}

} // namespace vorlo
