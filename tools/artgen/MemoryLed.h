#pragma once

#include <QColor>
#include <QImage>

namespace vorlo::artgen {

// A memory indicator LED, 16 x 16 pixels: a domed lens in a dark bezel. Lit, the lens glows
// from a white-hot centre and throws a halo round the bezel; unlit, it is dark tinted glass
// with a gleam on the dome. Outside the LED the picture is transparent; the pixels of the soft
// edge and halo are blended with the given backdrop tone, since a GIF pixel is either fully
// shown or not at all.
class MemoryLed {
public:
    enum class Colour { Green, Red, Yellow };

    static constexpr int kSize = 16;

    static QImage render(Colour colour, bool lit, const QColor& backdrop);
};

} // namespace vorlo::artgen
