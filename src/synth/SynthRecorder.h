#pragma once

#include "WavFileWriter.h"

#include <QString>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace vorlo {

class SynthCore;

// Records the synthesizer in real time to a WAV file: a thread wakes once a period and renders
// exactly the frames the wall clock has moved on since the start (elapsed time x sample rate,
// less the frames written), so the file keeps real time at every period size and a late wake-up
// is caught up, never lost. A message reaches the file within one period of when it was sent.
// renderUntil() lets an owner drive the same rendering by a clock of its own (tests).
class SynthRecorder {
public:
    SynthRecorder(SynthCore& core, int periodFrames);
    ~SynthRecorder();
    SynthRecorder(const SynthRecorder&) = delete;
    SynthRecorder& operator=(const SynthRecorder&) = delete;

    // Creates the file; false with errorString() when it cannot.
    bool open(const QString& path);
    QString errorString() const { return file_.errorString(); }
    // Renders against the wall clock from now on, in a thread of its own.
    void start();
    // Renders up to the moment it is called, stops the thread and completes the file.
    void finish();
    // Renders the sound up to this many seconds after the recording began.
    void renderUntil(double seconds);

private:
    using Clock = std::chrono::steady_clock;
    void run(Clock::time_point begin);

    SynthCore& core_;
    int periodFrames_;
    WavFileWriter file_;
    std::vector<float> left_, right_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    int64_t rendered_ = 0;
    bool toldFailure_ = false;
};

} // namespace vorlo
