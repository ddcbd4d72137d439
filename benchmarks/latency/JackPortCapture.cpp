#include "JackPortCapture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <jack/jack.h>

namespace vorlo::bench {

namespace {

constexpr double kUsPerSecond = 1e6;
constexpr double kUsPerMs = 1e3;
constexpr int kChannels = 2;
// The largest period the capture's interleaving buffer is made for.
constexpr uint32_t kMaxPeriod = 8192;

} // namespace

JackPortCapture::JackPortCapture(const QString& source, float threshold, double quietGapUs)
    : source_(source), detector_(threshold, quietGapUs) {}

JackPortCapture::~JackPortCapture() {
    if (client_) {
        jack_deactivate(client_);
        jack_client_close(client_);
    }
}

double JackPortCapture::nowUs() {
    return std::chrono::duration<double, std::micro>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString JackPortCapture::arrivalMeaning() const {
    return QStringLiteral("the cycle that carries it starts");
}

int JackPortCapture::onProcess(uint32_t frames, void* data) {
    auto* self = static_cast<JackPortCapture*>(data);
    const double started = self->nowUs();
    if (!self->listening_.load(std::memory_order_acquire) || frames > kMaxPeriod)
        return 0;
    const auto ahead =
        static_cast<int32_t>(jack_frame_time(self->client_) - jack_last_frame_time(self->client_));
    // (A reading beyond a second is the clock being set up, not a drift.)
    const bool plausible = std::abs(ahead) < static_cast<int32_t>(self->sampleRate_);
    if (plausible && ahead > self->clockAhead_.load(std::memory_order_relaxed))
        self->clockAhead_.store(ahead, std::memory_order_relaxed);
    if (plausible && ahead < self->clockBehind_.load(std::memory_order_relaxed))
        self->clockBehind_.store(ahead, std::memory_order_relaxed);
    const auto* left = static_cast<const float*>(jack_port_get_buffer(self->ports_[0], frames));
    const auto* right = static_cast<const float*>(jack_port_get_buffer(self->ports_[1], frames));
    float* out = self->interleaved_.data();
    for (uint32_t i = 0; i < frames; ++i) {
        out[kChannels * i] = left[i];
        out[kChannels * i + 1] = right[i];
    }
    const double usPerFrame = kUsPerSecond / self->sampleRate_;
    const uint32_t latency = self->playbackLatency_.load(std::memory_order_relaxed);
    self->detector_.feed(out, static_cast<int>(frames), kChannels, started + latency * usPerFrame,
                         usPerFrame, started);
    return 0;
}

bool JackPortCapture::open(QString* why) {
    jack_status_t status{};
    client_ = jack_client_open("vorlo2000-latency", JackNoStartServer, &status);
    if (!client_) {
        *why = QStringLiteral("status 0x%1").arg(int(status), 0, 16);
        return false;
    }
    sampleRate_ = jack_get_sample_rate(client_);
    period_ = jack_get_buffer_size(client_);
    interleaved_.assign(size_t(kChannels) * kMaxPeriod, 0.0f);
    const char* names[kChannels] = {"in_left", "in_right"};
    for (int c = 0; c < kChannels; ++c) {
        ports_[c] =
            jack_port_register(client_, names[c], JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        if (!ports_[c]) {
            *why = QStringLiteral("cannot register a JACK port");
            return false;
        }
    }
    jack_set_process_callback(client_, onProcess, this);
    if (jack_activate(client_) != 0) {
        *why = QStringLiteral("cannot activate the JACK client");
        return false;
    }
    return true;
}

bool JackPortCapture::listen(QString* why) {
    const QByteArray pattern = "^" + source_.toUtf8() + ":";
    const char** sources =
        jack_get_ports(client_, pattern.constData(), JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    int found = 0;
    uint32_t latency = 0;
    for (int i = 0; sources && sources[i] && found < kChannels; ++i, ++found) {
        if (jack_connect(client_, sources[i], jack_port_name(ports_[found])) != 0) {
            *why = QStringLiteral("cannot connect %1").arg(QString::fromUtf8(sources[i]));
            jack_free(sources);
            return false;
        }
        jack_latency_range_t range{};
        jack_port_get_latency_range(jack_port_by_name(client_, sources[i]), JackPlaybackLatency,
                                    &range);
        latency = std::max(latency, range.max);
        connected_ << QString::fromUtf8(sources[i]);
    }
    if (sources)
        jack_free(sources);
    if (found < kChannels) {
        *why = QStringLiteral("the client %1 has no stereo output").arg(source_);
        return false;
    }
    playbackLatency_ = latency;
    listening_.store(true, std::memory_order_release);
    return true;
}

QStringList JackPortCapture::serverFigures() {
    const double msPerFrame = kUsPerSecond / sampleRate_ / kUsPerMs;
    return {QStringLiteral("JACK at %1 Hz, %2 frames a cycle (%3 ms)")
                .arg(sampleRate_)
                .arg(period_)
                .arg(period_ * msPerFrame, 0, 'f', 2),
            QStringLiteral("playback latency of %1 as JACK reports it: %2 frames (%3 ms)")
                .arg(connected_.join(QStringLiteral(", ")))
                .arg(playbackLatency_.load())
                .arg(playbackLatency_.load() * msPerFrame, 0, 'f', 2)};
}

QStringList JackPortCapture::clockFigures() {
    return {QStringLiteral("JACK's frame clock ran %1 to %2 frames ahead of the cycle in "
                           "progress (0 to one cycle when the driver keeps time)")
                .arg(clockBehind_.load())
                .arg(clockAhead_.load())};
}

} // namespace vorlo::bench
