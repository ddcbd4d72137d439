#pragma once

#include "MidiOutputTap.h"

#include <QByteArray>
#include <array>
#include <bitset>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vorlo {

// Records what the console sends to the module as a Standard MIDI File of format 0: one track,
// 500 ticks a quarter note at 120 beats a minute, so that a tick is a millisecond. Every
// message is written at the moment it was handed over, in that order: channel messages as they
// are, system-exclusive messages as F0 <length> <data up to F7>; what has no place in a file
// (clock, active sensing and the other real-time bytes) is left out. Bytes outside an F0..F7
// frame go out as an F7 escape, as they were sent.
//
// Its room is reserved when recording starts and never grows: taking a message allocates
// nothing. When the room runs out it stops taking messages (isFull()) and keeps what it has; the
// file still ends with the release of every note left sounding and the end of the track.
class MidiFileRecorder : public MidiOutputTap {
public:
    using Clock = std::chrono::steady_clock;
    using ClockFunction = Clock::time_point (*)();

    static constexpr uint16_t kTicksPerQuarter = 500;
    static constexpr uint32_t kMicrosecondsPerQuarter = 500000;
    // About two hours of a busy player with registration changes every few seconds.
    static constexpr size_t kDefaultRoom = size_t{16} << 20;
    // The least room a recording is given.
    static constexpr size_t kLeastRoom = 64;

    MidiFileRecorder() = default;

    // The clock the times follow (tests drive their own).
    void setClock(ClockFunction clock) { clock_ = clock; }

    // Reserves room for this many bytes of messages and takes every message from now on; the
    // file's time starts now. Whatever an earlier recording held is dropped.
    void start(size_t room = kDefaultRoom);
    // Stops taking messages and returns the whole file: header, tempo, the messages, a note-off
    // for every note still sounding, and the end of the track. Empty when nothing was started.
    QByteArray finish();

    bool isRecording() const { return recording_; }
    // The room ran out: messages after that were not kept.
    bool isFull() const { return full_; }
    // Messages kept, and those left out for want of room.
    size_t messages() const { return messages_; }
    size_t messagesLost() const { return lost_; }
    // The bytes of the track kept so far.
    size_t bytes() const { return used_; }

    void shortSent(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sysexSent(const QByteArray& bytes) override;

private:
    static constexpr int kChannels = 16;
    static constexpr int kNotes = 128;

    // Milliseconds since the start; never less than the last message's.
    uint32_t now();
    // Whether an event of this many bytes (its delta time included) still fits; counts a loss
    // and marks the recorder full when not.
    bool makeRoom(size_t eventBytes);
    void put(uint8_t byte) { track_[used_++] = byte; }
    void putVarLen(uint32_t value);
    static size_t varLenSize(uint32_t value);
    // One system-exclusive event: kind F0 (data after the F0) or F7 (raw bytes).
    void putSysex(uint8_t kind, const uint8_t* data, size_t size, uint32_t delta);
    void follow(uint8_t status, uint8_t data1, uint8_t data2);

    ClockFunction clock_ = &Clock::now;
    Clock::time_point begin_{};
    uint32_t lastMs_ = 0;
    // The time of the last message kept, which the next one's delta counts from.
    uint32_t writtenMs_ = 0;
    std::vector<uint8_t> track_;
    // The room kept back for the closing note-offs and the end of the track.
    size_t limit_ = 0;
    size_t used_ = 0;
    size_t messages_ = 0;
    size_t lost_ = 0;
    bool recording_ = false;
    bool started_ = false;
    bool full_ = false;
    // The notes sounding on each channel.
    std::array<std::bitset<kNotes>, kChannels> sounding_{};
};

} // namespace vorlo
