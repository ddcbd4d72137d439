#pragma once

#include "SoundCapture.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <vector>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

namespace vorlo::bench {

// Listens to another JACK client's audio outputs with two input ports of its own. A cycle's
// buffers are played L frames after the cycle starts, L being the playback latency JACK reports
// for the source port (the frames between a cycle's buffers and the sound card); so sample i
// of a cycle that started at T sounds at T + (L + i) / rate. T is read on the wall clock
// (CLOCK_MONOTONIC, the key's clock too) as this client's process callback begins: the source
// ran before it in the same cycle, so T is late by the source's own work, never early. JACK's
// frame clock would be the natural ruler, but on the dummy driver without real-time
// scheduling it drifts from the cycles actually run (jack_frame_time was seen 768 frames, six
// cycles, ahead of the cycle in progress after a few minutes); how far ahead it ran is
// reported instead.
class JackPortCapture : public SoundCapture {
public:
    // source: the client whose output ports are listened to ("vorlo2000").
    JackPortCapture(const QString& source, float threshold, double quietGapUs);
    ~JackPortCapture() override;

    bool open(QString* why) override;
    bool listen(QString* why) override;
    double nowUs() override;
    double toWallUs(double soundUs, double) override { return soundUs; }
    QString arrivalMeaning() const override;
    QStringList serverFigures() override;
    QStringList clockFigures() override;
    OnsetDetector& detector() override { return detector_; }

private:
    static int onProcess(uint32_t frames, void* self);

    QString source_;
    OnsetDetector detector_;
    jack_client_t* client_ = nullptr;
    jack_port_t* ports_[2] = {nullptr, nullptr};
    QStringList connected_;
    std::vector<float> interleaved_;
    double sampleRate_ = 0;
    uint32_t period_ = 0;
    std::atomic<uint32_t> playbackLatency_{0};
    std::atomic<bool> listening_{false};
    // How far jack_frame_time ran ahead of the cycle in progress, at most and at least, in
    // frames.
    std::atomic<int32_t> clockAhead_{INT32_MIN};
    std::atomic<int32_t> clockBehind_{INT32_MAX};
};

} // namespace vorlo::bench
