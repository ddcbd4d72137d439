#pragma once

#include "GradientNoise.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdint>

namespace vorlo::artgen {

// Procedural flat-sawn hardwood. A board is a plane cut through a log at some depth from its
// heart; the growth rings it crosses show as nested arches ("cathedrals") where the cut comes
// closer to the heart, and as long parallel stripes where it runs away. Open pores are drawn
// out along the grain, and the tone changes slowly in long streaks.
class WoodTexture {
public:
    struct Style {
        QColor light;              // early wood
        QColor dark;               // late wood at the end of a ring
        double ringSpacing = 9;    // pixels between growth rings across the grain
        double ringContrast = 0.6; // 0 plain board, 1 strongly banded
        double waviness = 22;      // how far the rings wander across the grain, pixels
        double depth = 90;         // mean distance of the cut from the heart of the log, pixels
        double depthSwing = 60;    // how much that distance wanders along the board
        double taper = 0;          // steady change of that distance per pixel along the board
        double pores = 0.35;       // darkness of the pore streaks
        double tone = 0.25;        // strength of the slow tone changes
    };

    // Straight-grained walnut, cut across the rings, for the frame: rails and stiles. Cut it
    // with the heart well off the board (origin.y() of a few hundred pixels).
    static Style walnut();
    // Figured walnut, cut along the rings, with cathedral arches, for the recessed panels.
    static Style walnutPanel();

    WoodTexture(const Style& style, std::uint32_t seed);

    // The colour at a point of a board whose grain runs along `along`; across is measured
    // from the board's middle line.
    QRgb sample(double along, double across) const;
    // Fills the area of the image (32-bit formats) as one board. origin.x() moves the cut
    // along the grain and origin.y() moves the heart of the log across it, so boards cut from
    // one texture differ.
    void fill(QImage& image, const QRect& area, Qt::Orientation grain, QPointF origin = {}) const;

private:
    Style m_style;
    GradientNoise m_shape;
    GradientNoise m_detail;
};

} // namespace vorlo::artgen
