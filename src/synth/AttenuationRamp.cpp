#include "AttenuationRamp.h"

#include <algorithm>
#include <cmath>
#include <fluidsynth.h>

namespace vorlo {
namespace {

// A step carries its ramp's number in the control field (15 bits) and the attenuation in
// hundredths of a centibel.
constexpr int kGenerationMask = 0x7FFF;
constexpr float kValueScale = 100.0f;
constexpr float kSilentCentibels = 1440.0f;

double amplitudeOf(float centibels) {
    return centibels >= kSilentCentibels ? 0.0 : std::pow(10.0, -centibels / 200.0);
}

float centibelsOf(double amplitude) {
    return amplitude <= 0.0
               ? kSilentCentibels
               : std::min(kSilentCentibels, static_cast<float>(-200.0 * std::log10(amplitude)));
}

} // namespace

AttenuationRamp::AttenuationRamp(fluid_synth_t* synth, int channels)
    : synth_(synth), channels_(channels),
      generation_(std::make_unique<std::atomic<int>[]>(static_cast<size_t>(channels))),
      applied_(std::make_unique<std::atomic<float>[]>(static_cast<size_t>(channels))) {
    for (int c = 0; c < channels; ++c) {
        generation_[static_cast<size_t>(c)] = 0;
        applied_[static_cast<size_t>(c)] = -1.0f;
    }
    // Driven by the synthesizer's rendering (no system timer), in milliseconds of audio.
    sequencer_ = new_fluid_sequencer2(0);
    fluid_sequencer_register_fluidsynth(sequencer_, synth_);
    client_ = fluid_sequencer_register_client(sequencer_, "attenuation ramp", &step, this);
    event_ = new_fluid_event();
    fluid_event_set_source(event_, -1);
    fluid_event_set_dest(event_, client_);
}

AttenuationRamp::~AttenuationRamp() {
    delete_fluid_event(event_);
    delete_fluid_sequencer(sequencer_);
}

void AttenuationRamp::setNow(int channel, float centibels) {
    const size_t c = static_cast<size_t>(channel);
    ++generation_[c];
    fluid_synth_set_gen(synth_, channel, GEN_ATTENUATION, centibels);
    applied_[c] = centibels;
}

void AttenuationRamp::rampTo(int channel, float centibels) {
    const size_t c = static_cast<size_t>(channel);
    const float from = applied_[c];
    if (from < 0.0f) {
        setNow(channel, centibels);
        return;
    }
    const int generation = (++generation_[c]) & kGenerationMask;
    const unsigned int now = fluid_sequencer_get_tick(sequencer_);
    // Linear in amplitude, one step per millisecond.
    const double a = amplitudeOf(from), b = amplitudeOf(centibels);
    for (int k = 1; k <= kRampMs; ++k) {
        const float cb = k == kRampMs ? centibels : centibelsOf(a + (b - a) * k / kRampMs);
        fluid_event_control_change(event_, channel, static_cast<short>(generation),
                                   static_cast<int>(std::lround(cb * kValueScale)));
        fluid_sequencer_send_at(sequencer_, event_, now + static_cast<unsigned int>(k), 1);
    }
}

void AttenuationRamp::step(unsigned int, fluid_event_t* event, fluid_sequencer_t*, void* data) {
    auto* self = static_cast<AttenuationRamp*>(data);
    if (fluid_event_get_type(event) != FLUID_SEQ_CONTROLCHANGE)
        return;
    const int channel = fluid_event_get_channel(event);
    if (channel < 0 || channel >= self->channels_)
        return;
    const size_t c = static_cast<size_t>(channel);
    if (fluid_event_get_control(event) != (self->generation_[c] & kGenerationMask))
        return; // a newer change took over
    const float cb = static_cast<float>(fluid_event_get_value(event)) / kValueScale;
    fluid_synth_set_gen(self->synth_, channel, GEN_ATTENUATION, cb);
    self->applied_[c] = cb;
}

} // namespace vorlo
