#pragma once

#include "SoundCapture.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

typedef struct pa_threaded_mainloop pa_threaded_mainloop;
typedef struct pa_context pa_context;
typedef struct pa_stream pa_stream;
typedef struct pa_operation pa_operation;

namespace vorlo::bench {

// Listens to a PulseAudio sink through its monitor source, in this process (libpulse's
// asynchronous API on a threaded main loop). The server reports a monitor source's latency as
// the negative of its sink's: a sample reaches the monitor when the sink mixes it, that much
// before the sink plays it. So the record stream's latency, read as each fragment is taken
// (signed, interpolated between the server's timing updates), gives for its first sample the
// time it plays at the sink: now - latency, which is where a sound card behind the sink would
// sound it. Single readings jump by milliseconds, and over a run the stream's position drifts
// from the clock by tens of milliseconds (the server rewinds and re-renders its sink), so each
// fragment gives an offset of play time from stream position, and a sample's play time is its
// position plus the median offset of the fragments that arrived within a short window around
// it. The fragment's arrival in this process is kept too: a figure that takes nothing from the
// server.
class PulseMonitorCapture : public SoundCapture {
public:
    // An empty sink name: the server's default sink.
    PulseMonitorCapture(const QString& sink, float threshold, double quietGapUs);
    ~PulseMonitorCapture() override;

    bool open(QString* why) override;
    bool listen(QString* why) override;
    double nowUs() override;
    double toWallUs(double soundUs, double arrivalUs) override;
    QString arrivalMeaning() const override;
    QStringList serverFigures() override;
    QStringList clockFigures() override;
    OnsetDetector& detector() override { return detector_; }

    // Fragments taken before the server's first timing update (not fed).
    long fragmentsWithoutTiming() const { return noTiming_.load(); }

private:
    static void onContextState(pa_context* c, void* self);
    static void onStreamState(pa_stream* s, void* self);
    static void onRead(pa_stream* s, size_t bytes, void* self);
    // Waits, the main loop unlocked, until the operation is done or the deadline passes.
    bool finish(pa_operation* op, int timeoutMs);
    void close();

    QString sink_;
    OnsetDetector detector_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    QString sinkName_;
    QString monitorName_;
    unsigned rate_ = 0;
    int channels_ = 2;
    std::atomic<long> noTiming_{0};
    // Touched on the main loop's thread only (or with it locked): the frames taken so far and,
    // for each fragment in order of arrival, when it arrived and its offset of play time from
    // stream position.
    struct Offset {
        double arrivalUs;
        double offsetUs;
    };
    uint64_t framesRead_ = 0;
    std::vector<Offset> offsets_;
};

} // namespace vorlo::bench
