#include "FloodPolicy.h"

#include "MidiConstants.h"

#include <algorithm>

namespace vorlo {
namespace {

// A GS data set: F0 41 <device> 42 12 <address: 3 bytes> <data...> <checksum> F7.
constexpr uint8_t kRolandId = 0x41;
constexpr uint8_t kGsModelId = 0x42;
constexpr uint8_t kDataSet1 = 0x12;
constexpr size_t kDataSetHeader = 8; // F0 up to the address's last byte
constexpr size_t kDataSetShortest = kDataSetHeader + 2;

bool isGsDataSet(const uint8_t* m, size_t size) {
    return size >= kDataSetShortest && m[0] == midi::SysexStart && m[1] == kRolandId &&
           m[3] == kGsModelId && m[4] == kDataSet1;
}

} // namespace

bool FloodPolicy::isNoteOffOfSilentNote(uint8_t status, uint8_t data1, uint8_t data2) const {
    const uint8_t kind = status & 0xF0;
    return (kind == midi::NoteOff || (kind == midi::NoteOn && data2 == 0)) &&
           !sounding_[status & 0x0F].test(data1 & 0x7F);
}

bool FloodPolicy::mayDrop(uint8_t status, uint8_t data1, uint8_t data2) const {
    const uint8_t kind = status & 0xF0;
    // A note-off may go only when its note never went.
    if (kind == midi::NoteOff || (kind == midi::NoteOn && data2 == 0))
        return isNoteOffOfSilentNote(status, data1, data2);
    if (midi::isRelease(status, data1, data2))
        return false;
    switch (kind) {
    case midi::NoteOn:
    case midi::PolyPressure:
    case midi::ControlChange:
    case midi::ChannelPressure:
    case midi::PitchBend:
        return true;
    default:
        return status == midi::TimingClock || status == midi::ActiveSensing;
    }
}

bool FloodPolicy::mayDropNote(uint8_t status, uint8_t data1, uint8_t data2) const {
    const uint8_t kind = status & 0xF0;
    if (kind == midi::NoteOn && data2 != 0)
        return true;
    if (kind == midi::NoteOff || kind == midi::NoteOn)
        return isNoteOffOfSilentNote(status, data1, data2);
    return status == midi::TimingClock || status == midi::ActiveSensing;
}

void FloodPolicy::passed(uint8_t status, uint8_t data1, uint8_t data2) {
    const uint8_t kind = status & 0xF0;
    if (kind == midi::NoteOn || kind == midi::NoteOff)
        sounding_[status & 0x0F].set(data1 & 0x7F, kind == midi::NoteOn && data2 != 0);
}

bool FloodPolicy::sameTarget(const uint8_t* a, size_t aSize, const uint8_t* b, size_t bSize) {
    if (aSize == 0 || bSize == 0 || a[0] != b[0])
        return false;
    if (a[0] == midi::SysexStart) {
        if (isGsDataSet(a, aSize) && isGsDataSet(b, bSize))
            return aSize == bSize && std::equal(a, a + kDataSetHeader, b);
        return aSize == bSize && std::equal(a, a + aSize, b);
    }
    const uint8_t kind = a[0] & 0xF0;
    // Every note is a note of its own.
    if (kind == midi::NoteOn || kind == midi::NoteOff)
        return false;
    // A controller (or a key's pressure) per number; program, pressure and bend per channel.
    if (kind == midi::ControlChange || kind == midi::PolyPressure)
        return aSize > 1 && bSize > 1 && a[1] == b[1];
    if (a[0] < midi::SysexStart)
        return true;
    return aSize == bSize && std::equal(a, a + aSize, b);
}

} // namespace vorlo
