#pragma once

#include "GsConstants.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vorlo::datgen {

// The part of the GS parameter map (model ID 42H, data set 1) that the organ uses, for a module
// of the Sound Canvas SC88 class: 32 parts, 1..16 on port A and 17..32 on port B.
//
// Source: the MIDI implementation ("Parameter Address Map") of the SC88 family's owner's
// manuals, cross-checked by playing the table through a software GS renderer.
//
// Addresses and message framing come from the module's own vocabulary (module/GsAddress.h,
// module/GsDataSet.h); this map adds the parameters and values the organ sets.
class GsMap {
public:
    // Part parameters, 40 1x yy.
    static constexpr uint8_t kToneNumber = 0x00; // two bytes: variation (CC#00), program
    static constexpr uint8_t kRxChannel =
        gs::RxChannelParameter; // 00..0F = channel 1..16, 10 = off
    static constexpr uint8_t kRxVolume = 0x0C;
    static constexpr uint8_t kUseForRhythmPart = 0x15; // 0 = normal part
    static constexpr uint8_t kPitchKeyShift = 0x16;    // 28..58 = -24..+24 semitones
    static constexpr uint8_t kPartLevel = 0x19;        // same as controller 7
    static constexpr uint8_t kVelocitySenseDepth = 0x1A;
    static constexpr uint8_t kVelocitySenseOffset = 0x1B;
    static constexpr uint8_t kPartPanpot = 0x1C;
    static constexpr uint8_t kKeyRangeLow = 0x1D;
    static constexpr uint8_t kKeyRangeHigh = 0x1E;
    static constexpr uint8_t kCc1ControllerNumber = 0x1F; // 00..5F
    static constexpr uint8_t kReverbSendLevel = 0x22;
    static constexpr uint8_t kVibratoRate = 0x30;  // relative, 40 = tone's own
    static constexpr uint8_t kVibratoDelay = 0x37; // relative, 40 = tone's own
    static constexpr uint8_t kScaleTuning = 0x40;  // twelve bytes, C..B, 40 = 0 cent

    // Controller destinations, 40 2x (source + destination): the effect of a controller at its
    // full value.
    static constexpr uint8_t kModulationSource = 0x00; // controller 1
    static constexpr uint8_t kCc1Source = 0x40;        // the assignable controller CC1
    static constexpr uint8_t kAmplitudeControl = 0x02; // 00..7F = -100..+100 %
    static constexpr uint8_t kLfo1RateControl = 0x03;  // 00..7F = -10..+10 Hz
    static constexpr uint8_t kLfo1PitchDepth = 0x04;   // 00..7F = 0..600 cents
    static constexpr uint8_t kLfo1TvaDepth = 0x06;     // 00..7F = 0..100 %

    // Values.
    static constexpr uint8_t kCentre = 0x40; // zero of every signed parameter
    static constexpr uint8_t kOff = 0x00;
    static constexpr uint8_t kOn = 0x01;
    static constexpr uint8_t kRxChannelOff = 0x10;
    static constexpr int kKeyShiftRange = 24;
    static constexpr uint8_t kLowestKey = 0x00;
    static constexpr uint8_t kHighestKey = 0x7F;
    static constexpr int kScaleTuningRange = 64; // cents either side; +63 is the top byte 7F

    // Complete data-set messages (F0 .. F7 with the Roland checksum).
    static QByteArray partParameter(uint8_t device, int part, uint8_t parameter,
                                    QByteArrayView data);
    static QByteArray partParameter(uint8_t device, int part, uint8_t parameter, uint8_t value);
    static QByteArray controllerDestination(uint8_t device, int part, uint8_t source,
                                            uint8_t destination, uint8_t value);
    static QByteArray systemParameter(uint8_t device, uint8_t block, uint8_t parameter,
                                      uint8_t value);
};

} // namespace vorlo::datgen
