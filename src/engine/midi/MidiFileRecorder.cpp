#include "MidiFileRecorder.h"

#include "MidiConstants.h"

#include <QtEndian>
#include <algorithm>

namespace vorlo {
namespace {

constexpr uint8_t kDataMask = 0x7F;
constexpr uint8_t kMetaEvent = 0xFF;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kTempoBytes = 3;
constexpr int kVarLenBits = 7;
constexpr uint8_t kVarLenMore = 0x80;
// A variable-length quantity holds at most 28 bits in four bytes.
constexpr uint32_t kMostVarLen = 0x0FFFFFFF;
constexpr uint16_t kFormatSingleTrack = 0;
constexpr uint16_t kOneTrack = 1;
constexpr uint32_t kHeaderLength = 6;
// The closing note-offs (a delta and three bytes each) and the end of the track (a delta and
// three bytes), each delta at most four bytes.
constexpr size_t kMostDeltaBytes = 4;
constexpr size_t kNoteOffBytes = 1 + 3;
constexpr size_t kEndOfTrackBytes = kMostDeltaBytes + 3;
constexpr size_t kTail = 16 * 128 * kNoteOffBytes + kMostDeltaBytes + kEndOfTrackBytes;

void append32(QByteArray& out, uint32_t value) {
    char b[4];
    qToBigEndian<quint32>(value, b);
    out.append(b, 4);
}

void append16(QByteArray& out, uint16_t value) {
    char b[2];
    qToBigEndian<quint16>(value, b);
    out.append(b, 2);
}

} // namespace

void MidiFileRecorder::start(size_t room) {
    room = std::max(room, kLeastRoom);
    // The only allocation of a recording: never again until the next start.
    track_.assign(room + kTail, 0);
    limit_ = room;
    used_ = 0;
    messages_ = 0;
    lost_ = 0;
    lastMs_ = 0;
    writtenMs_ = 0;
    full_ = false;
    for (auto& channel : sounding_)
        channel.reset();
    begin_ = clock_();
    recording_ = true;
    started_ = true;
}

uint32_t MidiFileRecorder::now() {
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(clock_() - begin_);
    const auto ms = static_cast<uint32_t>(
        std::clamp<int64_t>(elapsed.count(), 0, static_cast<int64_t>(kMostVarLen)));
    lastMs_ = std::max(lastMs_, ms);
    return lastMs_;
}

size_t MidiFileRecorder::varLenSize(uint32_t value) {
    size_t n = 1;
    while ((value >>= kVarLenBits) != 0)
        ++n;
    return n;
}

void MidiFileRecorder::putVarLen(uint32_t value) {
    value = std::min(value, kMostVarLen);
    const size_t n = varLenSize(value);
    for (size_t i = n; i-- > 0;) {
        const auto group = static_cast<uint8_t>((value >> (kVarLenBits * i)) & kDataMask);
        put(i > 0 ? static_cast<uint8_t>(group | kVarLenMore) : group);
    }
}

bool MidiFileRecorder::makeRoom(size_t eventBytes) {
    if (!full_ && used_ + eventBytes <= limit_)
        return true;
    full_ = true;
    ++lost_;
    return false;
}

void MidiFileRecorder::shortSent(uint8_t status, uint8_t data1, uint8_t data2) {
    // Only channel messages have a place in the file.
    if (!recording_ || status < midi::NoteOff || status >= midi::SysexStart)
        return;
    const int length = midi::shortMessageLength(status);
    const uint32_t at = now();
    const uint32_t delta = at - writtenMs_;
    if (!makeRoom(varLenSize(delta) + static_cast<size_t>(length)))
        return;
    writtenMs_ = at;
    putVarLen(delta);
    put(status);
    put(data1 & kDataMask);
    if (length == 3)
        put(data2 & kDataMask);
    ++messages_;
    follow(status, data1 & kDataMask, data2 & kDataMask);
}

void MidiFileRecorder::follow(uint8_t status, uint8_t data1, uint8_t data2) {
    const int channel = status & 0x0F;
    const uint8_t kind = status & 0xF0;
    if (kind == midi::NoteOn && data2 > 0)
        sounding_[static_cast<size_t>(channel)].set(data1);
    else if (kind == midi::NoteOff || kind == midi::NoteOn)
        sounding_[static_cast<size_t>(channel)].reset(data1);
    else if (kind == midi::ControlChange && data1 >= midi::CcFirstChannelMode)
        sounding_[static_cast<size_t>(channel)].reset(); // sound off, notes off, reset, modes
}

void MidiFileRecorder::putSysex(uint8_t kind, const uint8_t* data, size_t size, uint32_t delta) {
    putVarLen(delta);
    put(kind);
    putVarLen(static_cast<uint32_t>(size));
    std::copy_n(data, size, track_.data() + used_);
    used_ += size;
}

void MidiFileRecorder::sysexSent(const QByteArray& bytes) {
    if (!recording_ || bytes.isEmpty())
        return;
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const auto size = static_cast<size_t>(bytes.size());
    const uint32_t at = now();
    size_t i = 0;
    while (i < size) {
        // A whole F0..F7 message as an F0 event; anything else, up to the next F0, as an escape.
        size_t end = i + 1;
        uint8_t kind = midi::SysexEnd;
        size_t from = i;
        if (data[i] == midi::SysexStart) {
            while (end < size && data[end] != midi::SysexEnd && data[end] != midi::SysexStart)
                ++end;
            if (end < size && data[end] == midi::SysexEnd) {
                ++end;
                kind = midi::SysexStart;
                from = i + 1;
            }
        } else {
            while (end < size && data[end] != midi::SysexStart)
                ++end;
        }
        const size_t length = end - from;
        const uint32_t delta = at - writtenMs_;
        if (length > kMostVarLen ||
            !makeRoom(varLenSize(delta) + 1 + varLenSize(static_cast<uint32_t>(length)) + length))
            return;
        writtenMs_ = at;
        putSysex(kind, data + from, length, delta);
        ++messages_;
        i = end;
    }
}

QByteArray MidiFileRecorder::finish() {
    if (!started_)
        return {};
    // The notes still sounding, and the track, end where the recording ends.
    uint32_t delta = recording_ ? now() - writtenMs_ : 0;
    recording_ = false;
    for (int c = 0; c < kChannels; ++c) {
        for (int n = 0; n < kNotes; ++n) {
            if (!sounding_[static_cast<size_t>(c)].test(static_cast<size_t>(n)))
                continue;
            putVarLen(delta);
            delta = 0;
            put(static_cast<uint8_t>(midi::NoteOff | c));
            put(static_cast<uint8_t>(n));
            put(0);
        }
        sounding_[static_cast<size_t>(c)].reset();
    }
    putVarLen(delta);
    put(kMetaEvent);
    put(kMetaEndOfTrack);
    put(0);

    const uint8_t tempo[] = {0,
                             kMetaEvent,
                             kMetaTempo,
                             kTempoBytes,
                             static_cast<uint8_t>((kMicrosecondsPerQuarter >> 16) & 0xFF),
                             static_cast<uint8_t>((kMicrosecondsPerQuarter >> 8) & 0xFF),
                             static_cast<uint8_t>(kMicrosecondsPerQuarter & 0xFF)};
    QByteArray file;
    file.reserve(static_cast<qsizetype>(used_) + 64);
    file.append("MThd", 4);
    append32(file, kHeaderLength);
    append16(file, kFormatSingleTrack);
    append16(file, kOneTrack);
    append16(file, kTicksPerQuarter);
    file.append("MTrk", 4);
    append32(file, static_cast<uint32_t>(sizeof tempo + used_));
    file.append(reinterpret_cast<const char*>(tempo), sizeof tempo);
    file.append(reinterpret_cast<const char*>(track_.data()), static_cast<qsizetype>(used_));
    // The room of the next recording starts empty.
    used_ = 0;
    started_ = false;
    return file;
}

} // namespace vorlo
