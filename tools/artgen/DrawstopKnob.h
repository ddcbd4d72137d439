#pragma once

#include <QColor>
#include <QImage>

namespace vorlo::artgen {

// A drawstop knob seen from the player's seat, 320 x 320 twips (21 x 21 pixels): a turned
// wooden knob with a porcelain face, sitting in a collar in the jamb. A drawn knob stands out
// of the jamb (larger, with its shank showing and a long shadow) and its face is lit; a knob
// pushed in sits flush in its collar with a dull face. Each division has its own face tint and
// engraved ring, so Great and Swell knobs of one cell are told apart at a glance.
class DrawstopKnob {
public:
    enum class Division { Great, Swell, Pedal };

    static constexpr int kSize = 21;

    // The knob on a plain backdrop (JPEG has no transparency: pass the panel's wood tone).
    static QImage render(Division division, bool drawn, const QColor& backdrop);
};

} // namespace vorlo::artgen
