#pragma once

#include "GsMessage.h"

#include <QByteArray>
#include <array>
#include <set>

// The 32 parts of a two-port GS module as far as the organ uses them, written by data-set
// messages: a small model of what the module makes of the stops table, so that tests judge
// decoded routing rather than bytes.
class ModuleModel {
public:
    static constexpr int kParts = 32;
    static constexpr int kChannelOff = 16; // receive channel value 10h

    struct Part {
        int rxChannel = 0; // 0..15, kChannelOff = off
        bool rxVolume = true;
        bool rhythm = false;
        int variation = 0;
        int program = 0;
        int keyShift = 0; // semitones
        int level = 100;
        int velocityDepth = 64;
        int velocityOffset = 64;
        int pan = 64;
        int keyLow = 0;
        int keyHigh = 127;
        int cc1Controller = 16;
        int reverbSend = 40;
        int vibratoRate = 64;
        int vibratoDelay = 64;
        int cc1Amplitude = 64; // 64 = no effect, 0 = -100 %
        int modRateControl = 64;
        int modPitchDepth = 10;
        int modTvaDepth = 0;
    };

    ModuleModel() { reset(); }

    // The state after a GS reset: part n of each port on channel n, part 10 a rhythm part.
    void reset();
    // Applies every message of the entry; returns the parts it addressed. Messages the model
    // does not know are ignored, apart from the GS reset.
    std::set<int> apply(const QByteArray& entry);

    const Part& part(int n) const { return parts_.at(static_cast<size_t>(n - 1)); }

    // The velocity the part plays a key struck with the given velocity at (GS velocity sense:
    // depth / 64 times the velocity, plus twice the offset's distance above 64, kept to 0..127).
    int velocity(int n, int struck) const;
    // True when the part starts a voice for a key of the organ's compass (MIDI notes 24..103,
    // a 32' pedal to a 61-note manual's top) at some touch and is not turned down to level 0.
    bool sounds(int n) const;
    // Gain 0..1 of the part's CC1 assignable controller at a controller value.
    double cc1Gain(int n, int controllerValue) const;

private:
    std::array<Part, kParts> parts_;
};
