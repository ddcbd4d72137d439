#pragma once

#include <QImage>
#include <QPainter>

namespace vorlo::artgen {

// The about window's picture, 320 x 200 pixels: an organ case with three towers of tin pipes
// under gilt pipe shades, on a dark church background, and the program's name in gilt letters
// on the case's base.
class AboutPicture {
public:
    static constexpr int kWidth = 320;
    static constexpr int kHeight = 200;

    static QImage render();

private:
    // count pipes side by side between x0 and x1; the tops follow topOf(i).
    template <typename TopOf>
    static void pipes(QPainter& p, double x0, double x1, int count, double mouthY, double footY,
                      TopOf topOf);
};

} // namespace vorlo::artgen
