#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>

namespace vorlo::artgen {

// The graphic panel's background, "tavola.jpg": a walnut frame (rails across the top and the
// bottom, stiles between the stop groups) holding four recessed jamb panels, one behind each
// stop group, where the name plates and the drawstop knobs sit. The picture is stretched over
// the window's client area, so one pixel is about 15 twips and the panels line up with the
// stop grid of the graphic layout.
class ConsoleBackground {
public:
    static constexpr int kWidth = 819;  // 12288 twips
    static constexpr int kHeight = 586; // 8793.6 twips

    ConsoleBackground();

    const QImage& image() const { return m_image; }
    // The jamb panels, in pixels.
    static QList<QRect> panels();
    // Mean colour of the panels where the knobs and plates sit, so that the knob pictures
    // (JPEG, no transparency) blend into them.
    QColor panelTone() const { return m_panelTone; }
    // Mean colour of the bottom rail where the memory LEDs sit.
    QColor railTone() const { return m_railTone; }

private:
    void paintFrame();
    void paintPanels();
    void paintLight();
    QColor meanColour(const QRect& area) const;

    QImage m_image;
    QColor m_panelTone;
    QColor m_railTone;
};

} // namespace vorlo::artgen
