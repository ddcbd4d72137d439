#pragma once

#include <QByteArray>
#include <vector>

// A format-1 standard MIDI file, 480 ticks a quarter note at the default 120 beats a minute
// (a tick is 1/960 s). Each track may name the module input (port) it plays into.
class SmfWriter {
public:
    static constexpr int kTicksPerQuarter = 480;
    static constexpr double kSecondsPerTick = 0.5 / kTicksPerQuarter;

    // Starts a track; port 0 is input A, 1 input B.
    void beginTrack(int port);
    // A channel message or a complete F0 .. F7 system-exclusive message, delta ticks after the
    // track's previous event.
    void event(int delta, const QByteArray& message);
    QByteArray bytes() const;

private:
    std::vector<QByteArray> tracks_;
};
