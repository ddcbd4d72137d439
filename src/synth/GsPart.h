#pragma once

#include "GsConstants.h"

#include <array>
#include <cstdint>

namespace vorlo {

// One of the 32 parts of a GS module: its block of part parameters (40 1x 00..4B) and of
// controller destinations (40 2x 00..5A) as the module stores them. Values are the raw 7-bit bytes;
// the accessors give them meaning.
struct GsPart {
    // Part parameters, by their address within the part's block.
    enum Parameter : uint8_t {
        ToneVariation = 0x00, // bank MSB; 0x01 is the program
        ToneProgram = 0x01,
        RxChannel = gs::RxChannelParameter, // 0..15, 16 = OFF
        RxVolume = 0x0C,
        UseForRhythm = 0x15,
        KeyShift = 0x16, // 64 = none, ±24 semitones
        Level = 0x19,    // the part's volume (controller 7 when received)
        VelocityDepth = 0x1A,
        VelocityOffset = 0x1B,
        Pan = 0x1C, // 0 = random, 1..127 = L63..R63
        KeyLow = 0x1D,
        KeyHigh = 0x1E,
        Cc1Number = 0x1F,
        ReverbSend = 0x22,
        VibratoRate = 0x30,
        VibratoDepth = 0x31,
        VibratoDelay = 0x37,
        ScaleTuning = 0x40, // twelve bytes C..B, 64 = 0 cents, ±64 cents
        ParameterCount = 0x4C,
    };
    // Controller destinations: six blocks of eleven (modulation wheel, bend, channel and key
    // pressure, the assignable CC1 and CC2), each 0x10 apart.
    enum Destination : uint8_t {
        ModBlock = 0x00,
        Cc1Block = 0x40,
        PitchControl = 0x00,
        AmplitudeControl = 0x02,
        Lfo1Rate = 0x03,
        Lfo1PitchDepth = 0x04,
        Lfo1AmplitudeDepth = 0x06,
        DestinationCount = 0x5B,
    };
    static constexpr uint8_t kChannelOff = 16;
    static constexpr uint8_t kCentre = 64;

    std::array<uint8_t, ParameterCount> parameter{};
    std::array<uint8_t, DestinationCount> destination{};

    // The state a GS reset leaves: part `onPort` (1..16) of its port receives channel
    // onPort - 1, part 10 is the rhythm part.
    void reset(int onPort) {
        parameter.fill(0);
        destination.fill(0);
        parameter[RxChannel] = static_cast<uint8_t>(onPort - 1);
        parameter[RxVolume] = 1;
        parameter[UseForRhythm] = onPort == 10 ? 1 : 0;
        parameter[KeyShift] = kCentre;
        parameter[Level] = 100;
        parameter[VelocityDepth] = kCentre;
        parameter[VelocityOffset] = kCentre;
        parameter[Pan] = kCentre;
        parameter[KeyLow] = 0;
        parameter[KeyHigh] = 127;
        parameter[Cc1Number] = 16;
        parameter[ReverbSend] = 40;
        parameter[VibratoRate] = kCentre;
        parameter[VibratoDepth] = kCentre;
        parameter[VibratoDelay] = kCentre;
        for (int k = 0; k < 12; ++k)
            parameter[ScaleTuning + k] = kCentre;
        for (int block = 0; block < DestinationCount; block += 0x10) {
            destination[block + PitchControl] = kCentre;
            destination[block + 1] = kCentre; // filter cut-off control
            destination[block + AmplitudeControl] = kCentre;
            destination[block + Lfo1Rate] = kCentre;
            destination[block + 7] = kCentre; // LFO2 rate
        }
        destination[ModBlock + Lfo1PitchDepth] = 10; // the modulation wheel's own vibrato
    }

    int rxChannel() const { return parameter[RxChannel]; }
    bool rhythm() const { return parameter[UseForRhythm] != 0; }
    int keyShift() const { return parameter[KeyShift] - kCentre; }
    int cc1Number() const { return parameter[Cc1Number]; }
    // Cents from equal temperament of the note name 0 (C) .. 11 (B).
    int scaleTuning(int noteName) const { return parameter[ScaleTuning + noteName] - kCentre; }
};

} // namespace vorlo
