#pragma once

#include "OnsetDetector.h"

#include <QString>
#include <QStringList>

namespace vorlo::bench {

// What a sound server plays, listened to by the benchmark: it feeds an OnsetDetector with
// every sample and the moment that sample sounds, on a clock of the capture's own, which
// toWallUs() turns into the wall clock that nowUs() reads (CLOCK_MONOTONIC).
class SoundCapture {
public:
    virtual ~SoundCapture() = default;
    // Reaches the server; false (with the reason) when none answers.
    virtual bool open(QString* why) = 0;
    // Starts listening to the synthesizer's output, once it plays into the server.
    virtual bool listen(QString* why) = 0;
    // The wall clock now, in microseconds: the moment a key is played.
    virtual double nowUs() = 0;
    // The wall-clock time of a sound time the detector holds, once the run is over; arrivalUs
    // is when that sample reached the capture.
    virtual double toWallUs(double soundUs, double arrivalUs) = 0;
    // What an onset's arrival time means on this server.
    virtual QString arrivalMeaning() const = 0;
    // What the server says of its buffers, for the report (one line each), read while a note
    // sounds.
    virtual QStringList serverFigures() = 0;
    // How well the sound times held to the wall clock, once the run is over.
    virtual QStringList clockFigures() = 0;
    virtual OnsetDetector& detector() = 0;
};

} // namespace vorlo::bench
