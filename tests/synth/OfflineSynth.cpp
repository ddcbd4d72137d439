#include "OfflineSynth.h"

#include "RolandChecksum.h"

#include <cmath>
#include <fluidsynth.h>

using vorlo::GsPart;

OfflineSynth::OfflineSynth(const QString& soundFont) {
    vorlo::SynthCore::Options o;
    o.soundFont = soundFont;
    o.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    o.sampleRate = kSampleRate;
    core_ = std::make_unique<vorlo::SynthCore>(o);
    module_ = std::make_unique<vorlo::GsModule>(*core_);
}

QByteArray OfflineSynth::dataSet(std::initializer_list<uint8_t> body) {
    QByteArray b;
    for (uint8_t v : body)
        b.append(static_cast<char>(v));
    return vorlo::RolandChecksum::dataSet(0x10, b);
}

namespace {
uint8_t partHigh(int part) {
    return part > 16 ? 0x50 : 0x40;
}
uint8_t partBlock(int part) {
    const int onPort = (part - 1) % 16 + 1;
    return static_cast<uint8_t>(onPort == 10 ? 0 : (onPort < 10 ? onPort : onPort - 1));
}
} // namespace

QByteArray OfflineSynth::partParameter(int part, uint8_t parameter, std::vector<uint8_t> values) {
    QByteArray b;
    b.append(static_cast<char>(partHigh(part)));
    b.append(static_cast<char>(0x10 | partBlock(part)));
    b.append(static_cast<char>(parameter));
    for (uint8_t v : values)
        b.append(static_cast<char>(v));
    return vorlo::RolandChecksum::dataSet(0x10, b);
}

QByteArray OfflineSynth::destination(int part, uint8_t parameter, uint8_t value) {
    QByteArray b;
    b.append(static_cast<char>(partHigh(part)));
    b.append(static_cast<char>(0x20 | partBlock(part)));
    b.append(static_cast<char>(parameter));
    b.append(static_cast<char>(value));
    return vorlo::RolandChecksum::dataSet(0x10, b);
}

void OfflineSynth::note(int channel, int key, int velocity) {
    module_->shortMessage(static_cast<uint8_t>(0x90 | channel), static_cast<uint8_t>(key),
                          static_cast<uint8_t>(velocity));
}

void OfflineSynth::release(int channel, int key) {
    module_->shortMessage(static_cast<uint8_t>(0x80 | channel), static_cast<uint8_t>(key), 0);
}

void OfflineSynth::cc(int channel, int controller, int value) {
    module_->shortMessage(static_cast<uint8_t>(0xB0 | channel), static_cast<uint8_t>(controller),
                          static_cast<uint8_t>(value));
}

std::vector<float> OfflineSynth::render(double seconds) {
    const int frames = static_cast<int>(seconds * kSampleRate);
    std::vector<float> left(static_cast<size_t>(frames)), right(static_cast<size_t>(frames));
    fluid_synth_write_float(core_->synth(), frames, left.data(), 0, 1, right.data(), 0, 1);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] += right[i];
    return left;
}

std::map<int, int> OfflineSynth::voicesPerChannel() {
    fluid_voice_t* voices[1024] = {};
    fluid_synth_get_voicelist(core_->synth(), voices, 1024, -1);
    std::map<int, int> count;
    for (fluid_voice_t* v : voices) {
        if (!v)
            break;
        if (fluid_voice_is_on(v))
            ++count[fluid_voice_get_channel(v)];
    }
    return count;
}

double OfflineSynth::rms(const std::vector<float>& x) {
    double sum = 0;
    for (float v : x)
        sum += double(v) * v;
    return x.empty() ? 0.0 : std::sqrt(sum / double(x.size()));
}

double OfflineSynth::frequency(const std::vector<float>& x) {
    double first = -1, last = -1;
    int crossings = 0;
    for (size_t i = 1; i < x.size(); ++i) {
        if (x[i - 1] < 0.0f && x[i] >= 0.0f) {
            const double t = double(i - 1) + x[i - 1] / double(x[i - 1] - x[i]);
            if (first < 0)
                first = t;
            last = t;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return (crossings - 1) * double(kSampleRate) / (last - first);
}

double OfflineSynth::cents(double f, double reference) {
    return 1200.0 * std::log2(f / reference);
}

void OfflineSynth::plainPart(int part, int channel, int variation, int program) {
    send(partParameter(part, GsPart::ToneVariation,
                       {static_cast<uint8_t>(variation), static_cast<uint8_t>(program)}));
    send(partParameter(part, GsPart::RxChannel, {static_cast<uint8_t>(channel)}));
    send(partParameter(part, GsPart::UseForRhythm, {0}));
    send(partParameter(part, GsPart::RxVolume, {0}));
    send(partParameter(part, GsPart::Level, {127}));
    send(partParameter(part, GsPart::VelocityDepth, {0, 64 + 50})); // depth 0, offset: 100
    send(partParameter(part, GsPart::ReverbSend, {0}));
}
