#pragma once

#include "SoundCapture.h"

#include <QString>
#include <atomic>
#include <vector>

typedef struct _jack_client jack_client_t;
typedef struct _jack_port jack_port_t;

namespace vorlo::bench {

// Listens to another JACK client's audio outputs with two input ports of its own, on JACK's
// frame clock: a sample at index i of the cycle whose first frame is F (jack_last_frame_time)
// sounds at F + i + L, L being the playback latency JACK reports for the source port (the
// frames between a cycle's buffers and the sound card), and a key played at frame time K
// (jack_frame_time, interpolated within the cycle by JACK) waits F + i + L - K frames. Every
// time is a count of frames of that one clock, so nothing needs aligning.
class JackPortCapture : public SoundCapture {
public:
    // source: the client whose output ports are listened to ("vorlo2000").
    JackPortCapture(const QString& source, float threshold, double quietGapUs);
    ~JackPortCapture() override;

    bool open(QString* why) override;
    bool listen(QString* why) override;
    double nowUs() override;
    QString arrivalMeaning() const override;
    QStringList serverFigures() override;
    OnsetDetector& detector() override { return detector_; }

private:
    static int onProcess(uint32_t frames, void* self);
    double framesToUs(uint32_t frameTime) const;

    QString source_;
    OnsetDetector detector_;
    jack_client_t* client_ = nullptr;
    jack_port_t* ports_[2] = {nullptr, nullptr};
    QStringList connected_;
    std::vector<float> interleaved_;
    uint32_t origin_ = 0; // frame time of the clock's zero
    double sampleRate_ = 0;
    uint32_t period_ = 0;
    std::atomic<uint32_t> playbackLatency_{0};
    std::atomic<bool> listening_{false};
};

} // namespace vorlo::bench
