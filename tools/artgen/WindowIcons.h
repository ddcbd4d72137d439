#pragma once

#include <QImage>
#include <QPainter>

namespace vorlo::artgen {

// The windows' icons, 32 x 32 pixels with transparency, drawn large and scaled down:
// organ pipes for the main window, a MIDI socket for the MIDI set-up, a spanner for the thru
// window, a keyboard with its sustain pedal for the Total Recall help, sliders for the
// Advanced window, a letter A for the font window, the Italian flag for the about window and a
// stops table under a magnifying glass for the editor.
class WindowIcons {
public:
    static constexpr int kSize = 32;

    static QImage organPipes();  // bach.ico
    static QImage midiSocket();  // light.ico
    static QImage spanner();     // wrench.ico
    static QImage keyboard();    // pingu1.ico
    static QImage sliders();     // panda1.ico
    static QImage letterA();     // Alph1f.ico
    static QImage italianFlag(); // flgitaly.ico
    static QImage stopsTable();  // lookout.ico

private:
    // Runs draw on a painter whose coordinates span 0..32 and returns the scaled-down icon.
    template <typename Draw> static QImage render(Draw draw);
};

template <typename Draw> QImage WindowIcons::render(Draw draw) {
    constexpr int kSuper = 8;
    QImage big(kSize * kSuper, kSize * kSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(kSuper, kSuper);
        draw(p);
    }
    return big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace vorlo::artgen
