#pragma once

#include <array>
#include <cstdint>

namespace vorlo::midi {

// Channel-message kinds (upper nibble of the status byte).
inline constexpr uint8_t NoteOff = 0x80;
inline constexpr uint8_t NoteOn = 0x90;
inline constexpr uint8_t PolyPressure = 0xA0;
inline constexpr uint8_t ControlChange = 0xB0;
inline constexpr uint8_t ProgramChange = 0xC0;
inline constexpr uint8_t ChannelPressure = 0xD0;
inline constexpr uint8_t PitchBend = 0xE0;

// System messages.
inline constexpr uint8_t SysexStart = 0xF0;
inline constexpr uint8_t MtcQuarterFrame = 0xF1;
inline constexpr uint8_t SongPosition = 0xF2;
inline constexpr uint8_t SongSelect = 0xF3;
inline constexpr uint8_t TuneRequest = 0xF6;
inline constexpr uint8_t SysexEnd = 0xF7;
inline constexpr uint8_t TimingClock = 0xF8;
inline constexpr uint8_t Start = 0xFA;
inline constexpr uint8_t Continue = 0xFB;
inline constexpr uint8_t Stop = 0xFC;
inline constexpr uint8_t Undefined = 0xFD;
inline constexpr uint8_t ActiveSensing = 0xFE;
inline constexpr uint8_t SystemReset = 0xFF;

// Controllers the console sends or interprets.
inline constexpr uint8_t CcModulation = 1;  // tremolo; also an expression pedal on input
inline constexpr uint8_t CcVolume = 7;      // Fondi balance; also an expression pedal on input
inline constexpr uint8_t CcBalance = 8;     // Mutazioni balance
inline constexpr uint8_t CcController9 = 9; // Ancie/Archi balance
inline constexpr uint8_t CcExpression = 11; // division level
inline constexpr uint8_t CcSustain = 64;    // the switch event of remote control
inline constexpr uint8_t CcAllNotesOff = 123;
// The pedals from sustain to hold 2 hold notes while pressed (value 64 and above).
inline constexpr uint8_t CcLastPedal = 69;
// Controllers 120..127 are the channel mode messages: sound off, notes off, controllers reset.
inline constexpr uint8_t CcFirstChannelMode = 120;
inline constexpr uint8_t kPedalDown = 64;

// Division channels, 1-based as the player counts them.
inline constexpr int GreatChannel = 1;
inline constexpr int SwellChannel = 2;
inline constexpr int PedalChannel = 3;

// Status byte of a channel message on channel 1..16.
constexpr uint8_t status(uint8_t kind, int channel) {
    return static_cast<uint8_t>(kind | ((channel - 1) & 0x0F));
}

// Number of bytes of a short message with this status byte (the data bytes it carries plus one).
constexpr int shortMessageLength(uint8_t status) {
    if (status < 0xF0) {
        const uint8_t kind = status & 0xF0;
        return (kind == ProgramChange || kind == ChannelPressure) ? 2 : 3;
    }
    switch (status) {
    case MtcQuarterFrame:
    case SongSelect:
        return 2;
    case SongPosition:
        return 3;
    default:
        return 1;
    }
}

// A message that ends something sounding or held: a note-off (or a note-on of velocity 0), a
// pedal let go, a channel mode message, a sequencer's stop, a system reset. Queues that must
// shed work under a flood never shed these, so no note is left hanging.
constexpr bool isRelease(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t kind = status & 0xF0;
    if (kind == NoteOff)
        return true;
    if (kind == NoteOn)
        return data2 == 0;
    if (kind == ControlChange)
        return data1 >= CcFirstChannelMode ||
               (data1 >= CcSustain && data1 <= CcLastPedal && data2 < kPedalDown);
    return status == Stop || status == SystemReset;
}

// The input filters, in the order of the set-up window's check boxes.
inline constexpr std::array<uint8_t, 8> kFilterStatus = {
    ActiveSensing, MtcQuarterFrame, TuneRequest, TimingClock,
    Start,         Continue,        Undefined,   SystemReset};

} // namespace vorlo::midi
