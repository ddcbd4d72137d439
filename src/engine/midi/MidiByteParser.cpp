#include "MidiByteParser.h"

namespace vorlo {

void MidiByteParser::reset() {
    status_ = 0;
    count_ = 0;
    needed_ = 0;
    sysex_ = false;
}

bool MidiByteParser::take(uint8_t byte, ShortMessage& m) {
    if (byte >= midi::TimingClock) {
        // Real time: out on its own, nothing else disturbed.
        m.status = byte;
        return true;
    }
    if (byte >= 0x80) {
        // Any other status byte ends what was being gathered, system-exclusive included.
        sysex_ = false;
        count_ = 0;
        if (byte == midi::SysexStart) {
            sysex_ = true;
            status_ = 0;
            return false;
        }
        if (byte == midi::SysexEnd) {
            status_ = 0;
            return false;
        }
        needed_ = midi::shortMessageLength(byte) - 1;
        status_ = byte;
        if (needed_ > 0)
            return false;
        // A one-byte system common message; it leaves no running status behind.
        status_ = 0;
        m.status = byte;
        return true;
    }
    if (sysex_ || status_ == 0)
        return false; // inside system-exclusive, or data without status
    data_[count_++] = byte;
    if (count_ < needed_)
        return false;
    return complete(m);
}

bool MidiByteParser::complete(ShortMessage& m) {
    m.status = status_;
    m.data1 = needed_ > 0 ? data_[0] : 0;
    m.data2 = needed_ > 1 ? data_[1] : 0;
    count_ = 0;
    // Channel messages keep their status running; system common messages do not.
    if (status_ >= midi::SysexStart)
        status_ = 0;
    return true;
}

} // namespace vorlo
