#pragma once

#include <QColor>
#include <QImage>

namespace vorlo::artgen {

// The ivory name plate under each stop, "stucco.gif", 1100 x 320 twips (73 x 21 pixels):
// parchment-toned ivory with a little mottling and fibre, a dark edge and a soft bevel. The
// stop's name is written over it by the panel, so the middle stays light and even. The rounded
// corners are transparent; their edge pixels are blended with the panel's wood tone.
class NamePlate {
public:
    static constexpr int kWidth = 73;
    static constexpr int kHeight = 21;

    static QImage render(const QColor& backdrop);
};

} // namespace vorlo::artgen
