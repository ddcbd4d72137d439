#pragma once

#include "ScreenMetrics.h"

namespace vorlo {

// The primary screen: its size in twips, its resolution and its installed fonts.
class QtScreenMetrics : public ScreenMetrics {
public:
    double screenWidthTwips() const override;
    double screenHeightTwips() const override;
    double twipsPerPixel() const override;
    QStringList fontFamilies() const override;
};

} // namespace vorlo
