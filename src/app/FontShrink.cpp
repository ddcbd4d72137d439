#include "FontShrink.h"

#include <algorithm>

namespace vorlo {
namespace {

constexpr double kShrinkStep = 0.5;

} // namespace

double FontShrink::smallestFor(double points, double share, double floorPoints) {
    return std::min(points, std::max(floorPoints, points * share));
}

QFont FontShrink::fitted(QFont font, double smallest,
                         const std::function<bool(const QFont&)>& fits) {
    if (font.pointSizeF() <= 0 || fits(font))
        return font;
    for (double size = font.pointSizeF() - kShrinkStep; size >= smallest; size -= kShrinkStep) {
        font.setPointSizeF(size);
        if (fits(font))
            return font;
    }
    font.setPointSizeF(std::min(font.pointSizeF(), smallest));
    return font;
}

} // namespace vorlo
