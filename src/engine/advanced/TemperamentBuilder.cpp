#include "TemperamentBuilder.h"

#include "midi/MidiConstants.h"
#include "midi/RolandChecksum.h"

namespace vorlo {
namespace {

constexpr int kHeaderBytes = 8; // F0 41 dev 42 12 and the three address bytes
constexpr int kOffsets = 12;    // tuning offsets of C, C#, ... B
constexpr int kPortByte = 5;
constexpr int kPartByte = 6;
constexpr uint8_t kPortA = 0x40;
constexpr uint8_t kPortB = 0x50;

} // namespace

uint8_t TemperamentBuilder::portByte(int p) {
    return p <= 16 ? kPortA : kPortB;
}

uint8_t TemperamentBuilder::partByte(int p) {
    // GS part blocks: parts 1..9 are 11h..19h, part 10 is 10h, parts 11..16 are 1Ah..1Fh; the
    // second port repeats the pattern for parts 17..32.
    const int part = (p - 1) % 16 + 1;
    if (part == 10)
        return 0x10;
    if (part < 10)
        return static_cast<uint8_t>(0x10 + part);
    return static_cast<uint8_t>(0x1A + (part - 11));
}

bool TemperamentBuilder::build(const QByteArray& stored, int startNote,
                               std::array<QByteArray, 33>& out) {
    if (stored.size() <= 2)
        return false;
    qsizetype end = stored.indexOf(static_cast<char>(midi::SysexEnd));
    if (end < 0)
        end = stored.size();
    if (end < kHeaderBytes + kOffsets)
        return false; // too short to hold the twelve offsets
    const QByteArray header = stored.left(kHeaderBytes);
    const QByteArray offsets = stored.mid(kHeaderBytes, kOffsets);

    // Note n of the result carries the offset the stored temperament gives to n - start, so
    // the temperament starts on the chosen note. A start outside 0..11 leaves it unrotated.
    QByteArray rotated = offsets;
    if (startNote >= 1 && startNote <= 11) {
        const int k = 12 - startNote;
        rotated = offsets.mid(k) + offsets.left(k);
    }

    for (int p = 1; p <= 32; ++p) {
        QByteArray m = header;
        m[kPortByte] = static_cast<char>(portByte(p));
        m[kPartByte] = static_cast<char>(partByte(p));
        m.append(rotated);
        m.append(static_cast<char>(RolandChecksum::compute(QByteArrayView(m).sliced(kPortByte))));
        m.append(static_cast<char>(midi::SysexEnd));
        out[static_cast<size_t>(p)] = m;
    }
    return true;
}

} // namespace vorlo
