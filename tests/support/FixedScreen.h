#pragma once

#include "ScreenMetrics.h"

namespace vorlo::test {

// A 1920 x 1080 screen at 96 dots per inch.
class FixedScreen : public ScreenMetrics {
public:
    double screenWidthTwips() const override { return 1920 * 15; }
    double screenHeightTwips() const override { return 1080 * 15; }
    double twipsPerPixel() const override { return 15; }
    QStringList fontFamilies() const override {
        return {QStringLiteral("Arial"), QStringLiteral("Courier New"),
                QStringLiteral("Small Fonts"), QStringLiteral("Times New Roman")};
    }
};

} // namespace vorlo::test
