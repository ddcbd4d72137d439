#pragma once

#include "OnsetDetector.h"

#include <QString>
#include <QStringList>

namespace vorlo::bench {

// What a sound server plays, listened to by the benchmark: it feeds an OnsetDetector with
// every sample and the moment that sample sounds, on a clock of its own that nowUs() reads.
class SoundCapture {
public:
    virtual ~SoundCapture() = default;
    // Reaches the server; false (with the reason) when none answers.
    virtual bool open(QString* why) = 0;
    // Starts listening to the synthesizer's output, once it plays into the server.
    virtual bool listen(QString* why) = 0;
    // The capture's clock now, in microseconds: the moment a key is played.
    virtual double nowUs() = 0;
    // What an onset's arrival time means on this server.
    virtual QString arrivalMeaning() const = 0;
    // What the server says of its buffers, for the report (one line each).
    virtual QStringList serverFigures() = 0;
    virtual OnsetDetector& detector() = 0;
};

} // namespace vorlo::bench
