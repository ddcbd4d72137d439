#pragma once

#include <atomic>
#include <memory>

#include <fluidsynth/types.h>

namespace vorlo {

// Moves a FluidSynth channel's attenuation to a new value over kRampMs instead of at once, so
// that a part muted, restored or changed in level under held notes fades instead of clicking.
// The steps are scheduled on a sequencer that the synthesizer's own rendering drives, so they
// follow the audio clock, whoever renders; a newer change takes over from wherever the ramp is.
class AttenuationRamp {
public:
    static constexpr int kRampMs = 10;

    AttenuationRamp(fluid_synth_t* synth, int channels);
    ~AttenuationRamp();
    AttenuationRamp(const AttenuationRamp&) = delete;
    AttenuationRamp& operator=(const AttenuationRamp&) = delete;

    // Ramps the channel to the attenuation (centibels); at once when nothing sounded yet.
    void rampTo(int channel, float centibels);
    // Sets it at once (after a reset, when no note sounds).
    void setNow(int channel, float centibels);

private:
    static void step(unsigned int time, fluid_event_t* event, fluid_sequencer_t* seq, void* data);

    fluid_synth_t* synth_;
    int channels_;
    fluid_sequencer_t* sequencer_ = nullptr;
    fluid_seq_id_t client_ = -1;
    fluid_event_t* event_ = nullptr;
    // Per channel: the number of the latest ramp (older steps are dropped) and the
    // attenuation last applied, in centibels (negative: none yet).
    std::unique_ptr<std::atomic<int>[]> generation_;
    std::unique_ptr<std::atomic<float>[]> applied_;
};

} // namespace vorlo
