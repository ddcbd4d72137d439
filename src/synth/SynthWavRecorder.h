#pragma once

#include "AudioRecorder.h"
#include "AudioRing.h"
#include "RenderTap.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace vorlo {

class BuiltInSynthOutput;
class WavFileWriter;

// Records the built-in synthesizer as it plays through the audio driver. The audio thread's
// rendering (RenderTap) copies each block into a ring made when recording starts; a writer
// thread of its own drains the ring into a WavFileWriter on a temporary file beside the target,
// which takes the target's place when the recording stops. The audio thread never waits, locks
// or allocates: a block that finds the ring full is left out and counted (framesLost).
// A write that fails (a full disk) ends the writing; failure() says why, and stop() removes
// the temporary file.
class SynthWavRecorder : public AudioRecorder, public RenderTap {
public:
    // Seconds of sound the ring holds while the disk is slow.
    static constexpr int kRingSeconds = 4;
    // The writer's look at the ring, in milliseconds, and the most frames it writes at once.
    static constexpr int kWriterWakeMs = 10;
    static constexpr size_t kWriteFrames = 4096;
    // Added to the target's name while the file grows.
    static constexpr const char* kTemporarySuffix = ".part";

    SynthWavRecorder();
    ~SynthWavRecorder() override;
    SynthWavRecorder(const SynthWavRecorder&) = delete;
    SynthWavRecorder& operator=(const SynthWavRecorder&) = delete;

    // The synthesizer output whose sound is recorded; a recording in progress ends when it
    // goes (detach).
    void attach(BuiltInSynthOutput* output);
    void detach(BuiltInSynthOutput* output);

    QString unavailableReason() override;
    bool start(const QString& path, QString* error) override;
    Result stop() override;
    bool isRecording() const override { return recording_; }
    int64_t framesWritten() const override { return written_.load(std::memory_order_relaxed); }
    int sampleRate() const override { return sampleRate_; }
    QString failure() const override;

    // The audio thread.
    void rendered(const float* left, const float* right, int frames) override;

private:
    void write();

    BuiltInSynthOutput* output_ = nullptr;
    AudioRing ring_;
    std::unique_ptr<WavFileWriter> file_;
    std::thread writer_;
    std::vector<float> left_, right_;
    QString target_;
    QString temporary_;
    int sampleRate_ = 0;
    bool recording_ = false;
    // Set by the user-interface thread: the audio thread fills the ring while it holds.
    std::atomic<bool> armed_{false};
    // Held by the audio thread while it looks at armed_ and fills the ring.
    std::atomic<bool> inTap_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<int64_t> written_{0};
    std::atomic<int64_t> lost_{0};
    // Set once by the writer thread, the reason first.
    QString failure_;
    std::atomic<bool> failed_{false};
};

} // namespace vorlo
