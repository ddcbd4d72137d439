#include "OrganTones.h"

#include "Cp1252.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "StopTable.h"
#include "SysexSequence.h"

#include <array>

namespace vorlo {
namespace {

// Part parameters that decide the tone: 40 1x 00 the variation, 01 the program, 15 a rhythm
// part (0 = a normal part).
constexpr uint8_t kToneVariation = 0x00;
constexpr uint8_t kToneProgram = 0x01;
constexpr uint8_t kUseForRhythm = 0x15;

struct StopGroup {
    int firstEntry;
    int count;
    int firstName;
    const char* division;
};

constexpr StopGroup kGroups[] = {
    {StopTable::kFondiGreat, 30, StopTable::kFondiNames, "Great"},
    {StopTable::kFondiSwell, 30, StopTable::kFondiNames, "Swell"},
    {StopTable::kMutazioniGreat, 20, StopTable::kMutazioniNames, "Great"},
    {StopTable::kMutazioniSwell, 20, StopTable::kMutazioniNames, "Swell"},
    {StopTable::kAncieGreat, 20, StopTable::kAncieNames, "Great"},
    {StopTable::kAncieSwell, 20, StopTable::kAncieNames, "Swell"},
    {StopTable::kPedale, 20, StopTable::kPedaleNames, "Pedal"},
};

// What one entry writes to each part's tone.
struct PartTone {
    bool toneWritten = false;
    bool rhythm = false;
    int variation = 0;
    int program = 0;
};

std::array<PartTone, gs::PartCount> tonesWritten(const QByteArray& entry) {
    std::array<PartTone, gs::PartCount> parts{};
    for (const QByteArrayView piece : SysexSequence::split(entry).pieces) {
        const auto set = GsDataSet::read(SysexSequence::lastMessageIn(piece));
        if (!set)
            continue;
        GsAddress a = set->address;
        for (const char byte : set->data) {
            const int part = GsAddress::partOf(a.high, a.middle);
            if (part > 0 && (a.middle & gs::BlockKindMask) == gs::PartParameterBlock) {
                PartTone& p = parts[static_cast<size_t>(part - 1)];
                const int value = static_cast<uint8_t>(byte);
                if (a.low == kToneVariation) {
                    p.variation = value;
                    p.toneWritten = true;
                } else if (a.low == kToneProgram) {
                    p.program = value;
                    p.toneWritten = true;
                } else if (a.low == kUseForRhythm) {
                    p.rhythm = value != 0;
                }
            }
            a = a.next();
        }
    }
    return parts;
}

} // namespace

QList<OrganTones::StopTone> OrganTones::ofStops(const StopTable& table) {
    QList<StopTone> found;
    for (const StopGroup& g : kGroups) {
        for (int i = 0; i < g.count; ++i) {
            const QByteArray& entry = table[g.firstEntry + i];
            if (entry.isEmpty())
                continue;
            const QString name = cp1252::decode(table[g.firstName + i]).trimmed();
            QList<StopTone> ofEntry;
            for (const PartTone& p : tonesWritten(entry)) {
                if (!p.toneWritten || p.rhythm)
                    continue;
                const StopTone t{name, QString::fromLatin1(g.division), p.variation, p.program};
                if (!ofEntry.contains(t))
                    ofEntry.append(t);
            }
            found.append(ofEntry);
        }
    }
    return found;
}

} // namespace vorlo
