#include "TemperamentBuilder.h"

#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "MidiConstants.h"

namespace vorlo {
namespace {

constexpr int kHeaderBytes = gs::DataAt; // F0 41 dev 42 12 and the three address bytes
constexpr int kOffsets = 12;             // tuning offsets of C, C#, ... B
constexpr int kPortByte = gs::AddressAt;
constexpr int kPartByte = gs::AddressAt + 1;

} // namespace

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

    // The stored header and parameter byte, readdressed to each part's block on its port.
    for (int p = 1; p <= gs::PartCount; ++p) {
        const GsAddress a = GsAddress::ofPart(p, gs::PartParameterBlock, 0);
        QByteArray m = header;
        m[kPortByte] = static_cast<char>(a.high);
        m[kPartByte] = static_cast<char>(a.middle);
        m.append(rotated);
        m.append('\0'); // the checksum
        m.append(static_cast<char>(midi::SysexEnd));
        GsDataSet::seal(m);
        out[static_cast<size_t>(p)] = m;
    }
    return true;
}

} // namespace vorlo
