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

// The input filters, in the order of the set-up window's check boxes.
inline constexpr std::array<uint8_t, 8> kFilterStatus = {
    ActiveSensing, MtcQuarterFrame, TuneRequest, TimingClock,
    Start,         Continue,        Undefined,   SystemReset};

} // namespace vorlo::midi
