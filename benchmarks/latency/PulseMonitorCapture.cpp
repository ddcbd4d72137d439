#include "PulseMonitorCapture.h"

#include <algorithm>
#include <chrono>
#include <pulse/pulseaudio.h>
#include <thread>

namespace vorlo::bench {

namespace {

constexpr int kConnectTimeoutMs = 5000;
constexpr int kPollMs = 5;
// Frames per fragment the capture asks for: small, so that a fragment arrives soon after the
// sink mixed it.
constexpr int kFragmentFrames = 64;
constexpr double kUsPerSecond = 1e6;
constexpr double kUsPerMs = 1e3;
// Fragments whose timing is kept: over half an hour of 64-frame fragments at 48 kHz.
constexpr size_t kMaxOffsets = size_t(1) << 21;
// The spread of the fragments' offsets reported: from this fraction to its complement.
constexpr double kSpreadQuantile = 0.1;
// The fragments whose offsets place a sample: those that arrived this close to it.
constexpr double kOffsetWindowUs = 100e3;

// The server's name of the FluidSynth stream's application.
constexpr const char* kSynthApplication = "FluidSynth";

struct SinkFigures {
    QString name;
    QString monitor;
    unsigned rate = 0;
    int channels = 0;
    pa_usec_t latency = 0;
    pa_usec_t configured = 0;
    bool found = false;
};

struct InputFigures {
    pa_usec_t buffer = 0;
    pa_usec_t sink = 0;
    bool found = false;
};

QString ms(pa_usec_t us) {
    return QString::number(double(us) / kUsPerMs, 'f', 2) + QStringLiteral(" ms");
}

} // namespace

PulseMonitorCapture::PulseMonitorCapture(const QString& sink, float threshold, double quietGapUs)
    : sink_(sink), detector_(threshold, quietGapUs) {
    offsets_.reserve(kMaxOffsets);
}

namespace {

// The value at quantile q of the values.
double quantile(std::vector<double> v, double q) {
    if (v.empty())
        return 0;
    const auto k = static_cast<size_t>(q * double(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<long>(k), v.end());
    return v[k];
}

} // namespace

double PulseMonitorCapture::toWallUs(double soundUs, double arrivalUs) {
    std::vector<double> near;
    pa_threaded_mainloop_lock(loop_);
    auto first = std::lower_bound(offsets_.begin(), offsets_.end(), arrivalUs - kOffsetWindowUs,
                                  [](const Offset& o, double t) { return o.arrivalUs < t; });
    for (auto it = first; it != offsets_.end() && it->arrivalUs <= arrivalUs + kOffsetWindowUs;
         ++it)
        near.push_back(it->offsetUs);
    pa_threaded_mainloop_unlock(loop_);
    return soundUs + quantile(near, 0.5);
}

QStringList PulseMonitorCapture::clockFigures() {
    // How far each fragment's reading strays from the median of its window.
    pa_threaded_mainloop_lock(loop_);
    const std::vector<Offset> offsets = offsets_;
    pa_threaded_mainloop_unlock(loop_);
    std::vector<double> strays;
    const double step = kOffsetWindowUs;
    for (size_t begin = 0; begin < offsets.size();) {
        size_t end = begin;
        std::vector<double> window;
        while (end < offsets.size() && offsets[end].arrivalUs < offsets[begin].arrivalUs + step)
            window.push_back(offsets[end++].offsetUs);
        const double median = quantile(window, 0.5);
        for (double w : window)
            strays.push_back(w - median);
        begin = end;
    }
    std::vector<double> medians;
    for (size_t begin = 0; begin < offsets.size();) {
        size_t end = begin;
        std::vector<double> window;
        while (end < offsets.size() && offsets[end].arrivalUs < offsets[begin].arrivalUs + step)
            window.push_back(offsets[end++].offsetUs);
        medians.push_back(quantile(window, 0.5));
        begin = end;
    }
    const auto [low, high] = std::minmax_element(medians.begin(), medians.end());
    return {QStringLiteral("play time from stream position: %1 fragments; within %2 ms windows "
                           "their readings strayed %3 to %4 ms from the window's median, which "
                           "moved over %5 ms during the run")
                .arg(offsets.size())
                .arg(step / kUsPerMs, 0, 'f', 0)
                .arg(quantile(strays, kSpreadQuantile) / kUsPerMs, 0, 'f', 2)
                .arg(quantile(strays, 1 - kSpreadQuantile) / kUsPerMs, 0, 'f', 2)
                .arg(medians.empty() ? 0.0 : (*high - *low) / kUsPerMs, 0, 'f', 1)};
}

PulseMonitorCapture::~PulseMonitorCapture() {
    close();
}

double PulseMonitorCapture::nowUs() {
    // The same clock as the server's timing interpolation (CLOCK_MONOTONIC).
    return std::chrono::duration<double, std::micro>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString PulseMonitorCapture::arrivalMeaning() const {
    return QStringLiteral("the fragment holding it reaches the capture");
}

void PulseMonitorCapture::onContextState(pa_context*, void* self) {
    pa_threaded_mainloop_signal(static_cast<PulseMonitorCapture*>(self)->loop_, 0);
}

void PulseMonitorCapture::onStreamState(pa_stream*, void* self) {
    pa_threaded_mainloop_signal(static_cast<PulseMonitorCapture*>(self)->loop_, 0);
}

void PulseMonitorCapture::onRead(pa_stream* s, size_t, void* data) {
    auto* self = static_cast<PulseMonitorCapture*>(data);
    const size_t frameBytes = sizeof(float) * static_cast<size_t>(self->channels_);
    const double usPerFrame = kUsPerSecond / self->rate_;
    while (pa_stream_readable_size(s) > 0) {
        const void* samples = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(s, &samples, &bytes) < 0 || bytes == 0)
            return;
        const auto frames = static_cast<int>(bytes / frameBytes);
        const double positionUs = double(self->framesRead_) * usPerFrame;
        if (samples) {
            const double now = self->nowUs();
            pa_usec_t latency = 0;
            int negative = 0;
            // Before the fragment is dropped, the latency is the age of its first sample.
            if (pa_stream_get_latency(s, &latency, &negative) == 0) {
                const double signedLatency = negative ? -double(latency) : double(latency);
                if (self->offsets_.size() < self->offsets_.capacity())
                    self->offsets_.push_back({now, now - signedLatency - positionUs});
            } else {
                ++self->noTiming_;
            }
            self->detector_.feed(static_cast<const float*>(samples), frames, self->channels_,
                                 positionUs, usPerFrame, now);
        }
        self->framesRead_ += static_cast<uint64_t>(frames); // a hole counts as frames too
        pa_stream_drop(s);
    }
}

bool PulseMonitorCapture::finish(pa_operation* op, int timeoutMs) {
    if (!op)
        return false;
    bool done = false;
    for (int waited = 0; waited < timeoutMs; waited += kPollMs) {
        pa_threaded_mainloop_lock(loop_);
        done = pa_operation_get_state(op) != PA_OPERATION_RUNNING;
        pa_threaded_mainloop_unlock(loop_);
        if (done)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    pa_threaded_mainloop_lock(loop_);
    if (!done)
        pa_operation_cancel(op);
    pa_operation_unref(op);
    pa_threaded_mainloop_unlock(loop_);
    return done;
}

bool PulseMonitorCapture::open(QString* why) {
    loop_ = pa_threaded_mainloop_new();
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "vorlo2000 latency benchmark");
    pa_context_set_state_callback(context_, onContextState, this);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 ||
        pa_threaded_mainloop_start(loop_) < 0) {
        *why = QString::fromUtf8(pa_strerror(pa_context_errno(context_)));
        return false;
    }
    pa_context_state_t state = PA_CONTEXT_UNCONNECTED;
    for (int waited = 0; waited < kConnectTimeoutMs; waited += kPollMs) {
        pa_threaded_mainloop_lock(loop_);
        state = pa_context_get_state(context_);
        pa_threaded_mainloop_unlock(loop_);
        if (state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    if (state != PA_CONTEXT_READY) {
        pa_threaded_mainloop_lock(loop_);
        *why = QString::fromUtf8(pa_strerror(pa_context_errno(context_)));
        pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    SinkFigures sink;
    pa_threaded_mainloop_lock(loop_);
    const QByteArray name = sink_.isEmpty() ? QByteArray("@DEFAULT_SINK@") : sink_.toUtf8();
    pa_operation* op = pa_context_get_sink_info_by_name(
        context_, name.constData(),
        [](pa_context*, const pa_sink_info* i, int eol, void* data) {
            auto* f = static_cast<SinkFigures*>(data);
            if (eol || !i)
                return;
            f->name = QString::fromUtf8(i->name);
            f->monitor = QString::fromUtf8(i->monitor_source_name);
            f->rate = i->sample_spec.rate;
            f->channels = i->sample_spec.channels;
            f->found = true;
        },
        &sink);
    pa_threaded_mainloop_unlock(loop_);
    if (!finish(op, kConnectTimeoutMs) || !sink.found) {
        *why = QStringLiteral("the server has no sink %1").arg(QString::fromUtf8(name));
        return false;
    }
    sinkName_ = sink.name;
    monitorName_ = sink.monitor;
    rate_ = sink.rate;
    channels_ = sink.channels;
    return true;
}

bool PulseMonitorCapture::listen(QString* why) {
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_FLOAT32NE;
    spec.rate = rate_;
    spec.channels = static_cast<uint8_t>(channels_);
    pa_buffer_attr attr{};
    attr.maxlength = uint32_t(-1);
    attr.tlength = uint32_t(-1);
    attr.prebuf = uint32_t(-1);
    attr.minreq = uint32_t(-1);
    attr.fragsize = static_cast<uint32_t>(kFragmentFrames * channels_ * sizeof(float));
    pa_threaded_mainloop_lock(loop_);
    stream_ = pa_stream_new(context_, "key-to-sound capture", &spec, nullptr);
    pa_stream_set_state_callback(stream_, onStreamState, this);
    pa_stream_set_read_callback(stream_, onRead, this);
    const QByteArray monitor = monitorName_.toUtf8();
    const int flags = PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE |
                      PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE;
    const int rc = pa_stream_connect_record(stream_, monitor.constData(), &attr,
                                            static_cast<pa_stream_flags_t>(flags));
    pa_threaded_mainloop_unlock(loop_);
    if (rc < 0) {
        *why = QString::fromUtf8(pa_strerror(rc));
        return false;
    }
    pa_stream_state_t state = PA_STREAM_UNCONNECTED;
    for (int waited = 0; waited < kConnectTimeoutMs; waited += kPollMs) {
        pa_threaded_mainloop_lock(loop_);
        state = pa_stream_get_state(stream_);
        pa_threaded_mainloop_unlock(loop_);
        if (state == PA_STREAM_READY || !PA_STREAM_IS_GOOD(state))
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    if (state != PA_STREAM_READY) {
        pa_threaded_mainloop_lock(loop_);
        *why = QStringLiteral("cannot record %1: %2")
                   .arg(monitorName_, QString::fromUtf8(pa_strerror(pa_context_errno(context_))));
        pa_threaded_mainloop_unlock(loop_);
        return false;
    }
    return true;
}

QStringList PulseMonitorCapture::serverFigures() {
    QStringList lines;
    SinkFigures sink;
    InputFigures synth;
    pa_threaded_mainloop_lock(loop_);
    const QByteArray name = sinkName_.toUtf8();
    pa_operation* sinkOp = pa_context_get_sink_info_by_name(
        context_, name.constData(),
        [](pa_context*, const pa_sink_info* i, int eol, void* data) {
            auto* f = static_cast<SinkFigures*>(data);
            if (eol || !i)
                return;
            f->latency = i->latency;
            f->configured = i->configured_latency;
            f->found = true;
        },
        &sink);
    pa_operation* inputOp = pa_context_get_sink_input_info_list(
        context_,
        [](pa_context*, const pa_sink_input_info* i, int eol, void* data) {
            auto* f = static_cast<InputFigures*>(data);
            if (eol || !i)
                return;
            const char* app = pa_proplist_gets(i->proplist, PA_PROP_APPLICATION_NAME);
            if (app && QByteArray(app) == kSynthApplication) {
                f->buffer = i->buffer_usec;
                f->sink = i->sink_usec;
                f->found = true;
            }
        },
        &synth);
    const pa_buffer_attr* attr = stream_ ? pa_stream_get_buffer_attr(stream_) : nullptr;
    const uint32_t fragment = attr ? attr->fragsize : 0;
    pa_threaded_mainloop_unlock(loop_);
    finish(sinkOp, kConnectTimeoutMs);
    finish(inputOp, kConnectTimeoutMs);
    if (sink.found)
        lines << QStringLiteral("sink %1 at %2 Hz: latency %3 now, %4 configured")
                     .arg(sinkName_)
                     .arg(rate_)
                     .arg(ms(sink.latency), ms(sink.configured));
    if (synth.found)
        lines << QStringLiteral("the synthesizer's stream: %1 buffered, %2 in the sink")
                     .arg(ms(synth.buffer), ms(synth.sink));
    else
        lines << QStringLiteral("the synthesizer's stream was not found on the server");
    const auto fragmentFrames = fragment / (sizeof(float) * unsigned(channels_));
    lines << QStringLiteral("capture fragment: %1 frames (%2)")
                 .arg(fragmentFrames)
                 .arg(ms(pa_usec_t(kUsPerSecond * double(fragmentFrames) / rate_)));
    if (noTiming_ > 0)
        lines << QStringLiteral("fragments before the first timing update (no offset): %1")
                     .arg(noTiming_.load());
    return lines;
}

void PulseMonitorCapture::close() {
    if (loop_)
        pa_threaded_mainloop_stop(loop_);
    if (stream_) {
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    if (loop_) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }
}

} // namespace vorlo::bench
