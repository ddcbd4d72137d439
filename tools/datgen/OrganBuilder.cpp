#include "OrganBuilder.h"

#include "Cp1252.h"
#include "GsConstants.h"
#include "GsMap.h"

#include <algorithm>

namespace vorlo::datgen {

namespace {

using Division = OrganLayout::Division;
using Family = OrganLayout::Family;

// The module set-up messages the console sends at every reset, in this order, entry 0 first
// and then 100 ms later the others.
constexpr int kGsResetEntry = 0;
constexpr int kSetUpPortAEntry = 1;
constexpr int kSetUpPortBEntry = 2;
constexpr int kReinforcementToneEntry = 3;

constexpr int kFirstPartA = 1;
constexpr int kFirstPartB = gs::PartsPerPort + 1;
constexpr int kSevenBitMax = 0x7F;
constexpr uint8_t kVelocitySenseOff = 0;
// With the velocity sense depth at 0 a part plays every note at twice the offset's distance
// above 40h: 40h plays nothing, 7Fh the loudest.
constexpr uint8_t kSilentVelocityOffset = GsMap::kCentre;
constexpr uint8_t kClosedKey = GsMap::kHighestKey;
constexpr uint8_t kMuted = 0;
const QByteArray kFlagOn = QByteArrayLiteral("1");
const QByteArray kFlagOff = QByteArrayLiteral("0");

uint8_t velocityOffset(int level) {
    return static_cast<uint8_t>(std::min(kSevenBitMax, GsMap::kCentre + (level + 1) / 2));
}

uint8_t keyShift(int semitones) {
    return static_cast<uint8_t>(GsMap::kCentre + semitones);
}

int stopEntry(Division division, Family family, int position) {
    const bool swell = division == Division::Swell;
    switch (family) {
    case Family::Fondi:
        return (swell ? StopTable::kFondiSwell : StopTable::kFondiGreat) + position;
    case Family::Mutazioni:
        return (swell ? StopTable::kMutazioniSwell : StopTable::kMutazioniGreat) + position;
    case Family::Ance:
        return (swell ? StopTable::kAncieSwell : StopTable::kAncieGreat) + position;
    case Family::Pedale:
        return StopTable::kPedale + position;
    }
    return -1;
}

int nameEntry(Family family, int position) {
    switch (family) {
    case Family::Fondi:
        return StopTable::kFondiNames + position;
    case Family::Mutazioni:
        return StopTable::kMutazioniNames + position;
    case Family::Ance:
        return StopTable::kAncieNames + position;
    case Family::Pedale:
        return StopTable::kPedaleNames + position;
    }
    return -1;
}

// Mute entry, restore entry.
std::pair<int, int> muteRestoreEntries(Division manual, Family family) {
    const bool swell = manual == Division::Swell;
    switch (family) {
    case Family::Fondi:
        return swell ? std::pair{StopTable::kSwellMuteFondi, StopTable::kSwellRestoreFondi}
                     : std::pair{StopTable::kGreatMuteFondi, StopTable::kGreatRestoreFondi};
    case Family::Mutazioni:
        return swell ? std::pair{StopTable::kSwellMuteMutazioni, StopTable::kSwellRestoreMutazioni}
                     : std::pair{StopTable::kGreatMuteMutazioni, StopTable::kGreatRestoreMutazioni};
    case Family::Ance:
    case Family::Pedale:
        break;
    }
    return swell ? std::pair{StopTable::kSwellMuteAncie, StopTable::kSwellRestoreAncie}
                 : std::pair{StopTable::kGreatMuteAncie, StopTable::kGreatRestoreAncie};
}

// Every part a manual plays on: its three families and its reinforcement part, by part number.
std::vector<int> manualParts(Division manual) {
    std::vector<int> parts{OrganLayout::reinforcementPart(manual)};
    for (Family f : OrganLayout::kManualFamilies)
        for (int p : OrganLayout::parts(manual, f))
            parts.push_back(p);
    std::sort(parts.begin(), parts.end());
    return parts;
}

} // namespace

StopTable OrganBuilder::build(const OrganModel& organ) {
    const OrganBuilder b(organ);
    StopTable t;
    const uint8_t dev = organ.deviceId;

    t.set(kGsResetEntry,
          GsMap::systemParameter(dev, gs::SystemBlock, gs::GsReset, gs::GsResetValue));
    t.set(kSetUpPortAEntry, b.moduleSetUp(kFirstPartA, gs::PartsPerPort));
    t.set(kSetUpPortBEntry, b.moduleSetUp(kFirstPartB, gs::PartCount));
    t.set(kReinforcementToneEntry, b.reinforcementTones());

    for (size_t i = 0; i < organ.temperaments.size(); ++i) {
        const auto& temperament = organ.temperaments[i];
        const auto& bytes = temperament.scaleTuning;
        // The console keeps only the offsets and rewrites the address for each of the 32 parts;
        // the stored message addresses part 1.
        t.set(StopTable::kTemperamentFirst + static_cast<int>(i),
              GsMap::partParameter(dev, 1, GsMap::kScaleTuning,
                                   QByteArrayView(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<qsizetype>(bytes.size()))));
        t.set(StopTable::kTemperamentNames + static_cast<int>(i), cp1252::encode(temperament.name));
    }
    for (size_t i = 0; i < organ.reverbs.size(); ++i) {
        t.set(
            StopTable::kReverbFirst + static_cast<int>(i),
            GsMap::systemParameter(dev, gs::EffectBlock, gs::ReverbMacro, organ.reverbs[i].macro));
        t.set(StopTable::kReverbNames + static_cast<int>(i), cp1252::encode(organ.reverbs[i].name));
    }

    t.set(StopTable::kGreatReinforceOn, b.reinforcement(Division::Great, true));
    t.set(StopTable::kGreatReinforceOff, b.reinforcement(Division::Great, false));
    t.set(StopTable::kSwellReinforceOn, b.reinforcement(Division::Swell, true));
    t.set(StopTable::kSwellReinforceOff, b.reinforcement(Division::Swell, false));
    t.set(StopTable::kTremoloDouxFirst, b.tremulant(Division::Great, organ.doux));
    t.set(StopTable::kTremoloDouxFirst + 1, b.tremulant(Division::Swell, organ.doux));
    t.set(StopTable::kTremoloFortFirst, b.tremulant(Division::Great, organ.fort));
    t.set(StopTable::kTremoloFortFirst + 1, b.tremulant(Division::Swell, organ.fort));

    for (const auto& [entry, text] : organ.globalTexts)
        t.set(StopTable::kGlobalTexts + entry, cp1252::encode(text));

    for (Family family : OrganLayout::kFamilies) {
        const auto stops = organ.stops.find(family);
        if (stops == organ.stops.end())
            continue;
        for (size_t i = 0; i < stops->second.size(); ++i) {
            const int p = static_cast<int>(i);
            const auto& s = stops->second[i];
            t.set(nameEntry(family, p), cp1252::encode(s.name));
            for (Division d : {Division::Great, Division::Swell, Division::Pedal})
                if (!OrganLayout::parts(d, family).empty())
                    t.set(stopEntry(d, family, p), b.stop(d, family, p));
            if (family == Family::Fondi)
                t.set(StopTable::kReinforceFondi + p, s.reinforce ? kFlagOn : kFlagOff);
            else if (family == Family::Ance)
                t.set(StopTable::kReinforceAncie + p, s.reinforce ? kFlagOn : kFlagOff);
        }
    }

    for (size_t g = 0; g < organ.groupNames.size(); ++g)
        t.set(StopTable::kGroupNames + static_cast<int>(g), cp1252::encode(organ.groupNames[g]));

    for (Division manual : OrganLayout::kManuals) {
        for (Family family : OrganLayout::kManualFamilies) {
            const auto [mute, restore] = muteRestoreEntries(manual, family);
            t.set(mute, b.familyLevel(manual, family, false));
            t.set(restore, b.familyLevel(manual, family, true));
        }
    }
    return t;
}

QByteArray OrganBuilder::moduleSetUp(int firstPart, int lastPart) const {
    const auto& v = organ_.voicing;
    QByteArray out;
    for (int p = firstPart; p <= lastPart; ++p) {
        const Division division = OrganLayout::divisionOfPart(p);
        Family family = Family::Fondi;
        const bool reinforcement = !OrganLayout::familyOfPart(p, &family);
        uint8_t pan = organ_.reinforcement.pan;
        if (!reinforcement) {
            const auto& parts = OrganLayout::parts(division, family);
            const auto at = std::find(parts.begin(), parts.end(), p) - parts.begin();
            pan = v.pan.at(family).at(static_cast<size_t>(at));
        }
        out += part(p, GsMap::kRxChannel, static_cast<uint8_t>(OrganLayout::channel(division) - 1));
        out += part(p, GsMap::kRxVolume, GsMap::kOff);
        if (reinforcement)
            out += part(p, GsMap::kUseForRhythmPart, GsMap::kOff);
        out += part(p, GsMap::kPartLevel, v.partLevel);
        out += part(p, GsMap::kVelocitySenseDepth, kVelocitySenseOff);
        out += closePart(p);
        out += part(p, GsMap::kPartPanpot, pan);
        out += part(p, GsMap::kReverbSendLevel, v.reverbSend);
        if (division == Division::Pedal)
            continue;
        const Family balance = reinforcement ? organ_.reinforcement.balance : family;
        out += part(p, GsMap::kCc1ControllerNumber, v.balanceController.at(balance));
        out += GsMap::controllerDestination(organ_.deviceId, p, GsMap::kCc1Source,
                                            GsMap::kAmplitudeControl, v.balanceDepth);
    }
    // The gentle tremulant until the console chooses one.
    for (Division manual : OrganLayout::kManuals) {
        const auto parts = manualParts(manual);
        if (parts.front() >= firstPart && parts.back() <= lastPart)
            out += tremulant(manual, organ_.doux);
    }
    return out;
}

QByteArray OrganBuilder::reinforcementTones() const {
    QByteArray out;
    for (Division manual : OrganLayout::kManuals) {
        const int p = OrganLayout::reinforcementPart(manual);
        const auto& rank = organ_.reinforcement.rank;
        const char tone[] = {static_cast<char>(rank.variation), static_cast<char>(rank.program)};
        out += GsMap::partParameter(organ_.deviceId, p, GsMap::kToneNumber,
                                    QByteArrayView(tone, sizeof tone));
        out += part(p, GsMap::kPitchKeyShift, keyShift(rank.keyShift));
        // After the set-up's velocity 0 (entries 1 and 2 come first): the reinforcement's
        // loudness, so that its on and off entries only open and close the part.
        out += part(p, GsMap::kVelocitySenseOffset, velocityOffset(rank.level));
    }
    return out;
}

QByteArray OrganBuilder::stop(Division division, Family family, int position) const {
    const auto& ranks = organ_.stops.at(family).at(static_cast<size_t>(position)).ranks;
    const auto& parts = OrganLayout::parts(division, family);
    QByteArray out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i < ranks.size()) {
            out += openRank(parts[i], ranks[i]);
            continue;
        }
        out += part(parts[i], GsMap::kKeyRangeLow, kClosedKey);
        // The cancel also leaves its parts at velocity 0, as the set-up does.
        if (ranks.empty())
            out += part(parts[i], GsMap::kVelocitySenseOffset, kSilentVelocityOffset);
    }
    return out;
}

QByteArray OrganBuilder::reinforcement(Division manual, bool on) const {
    const int p = OrganLayout::reinforcementPart(manual);
    return part(p, GsMap::kKeyRangeLow, on ? GsMap::kLowestKey : kClosedKey);
}

QByteArray OrganBuilder::tremulant(Division manual, const OrganModel::Tremulant& t) const {
    QByteArray out;
    const uint8_t dev = organ_.deviceId;
    for (int p : manualParts(manual)) {
        out += GsMap::controllerDestination(dev, p, GsMap::kModulationSource,
                                            GsMap::kLfo1RateControl, t.lfoRateControl);
        out += GsMap::controllerDestination(dev, p, GsMap::kModulationSource,
                                            GsMap::kLfo1PitchDepth, t.pitchDepth);
        out += GsMap::controllerDestination(dev, p, GsMap::kModulationSource, GsMap::kLfo1TvaDepth,
                                            t.amplitudeDepth);
        out += part(p, GsMap::kVibratoRate, t.vibratoRate);
        out += part(p, GsMap::kVibratoDelay, t.vibratoDelay);
    }
    return out;
}

QByteArray OrganBuilder::familyLevel(Division manual, Family family, bool sounding) const {
    std::vector<int> parts = OrganLayout::parts(manual, family);
    // The reinforcement belongs with the family whose balance it follows.
    if (organ_.reinforcement.balance == family)
        parts.push_back(OrganLayout::reinforcementPart(manual));
    QByteArray out;
    for (int p : parts)
        out += part(p, GsMap::kPartLevel, sounding ? organ_.voicing.partLevel : kMuted);
    return out;
}

QByteArray OrganBuilder::openRank(int p, const OrganModel::Rank& rank) const {
    const char tone[] = {static_cast<char>(rank.variation), static_cast<char>(rank.program)};
    return GsMap::partParameter(organ_.deviceId, p, GsMap::kToneNumber,
                                QByteArrayView(tone, sizeof tone)) +
           part(p, GsMap::kPitchKeyShift, keyShift(rank.keyShift)) +
           part(p, GsMap::kVelocitySenseOffset, velocityOffset(rank.level)) +
           part(p, GsMap::kKeyRangeLow, GsMap::kLowestKey);
}

QByteArray OrganBuilder::closePart(int p) const {
    return part(p, GsMap::kKeyRangeLow, kClosedKey) + part(p, GsMap::kKeyRangeHigh, kClosedKey) +
           part(p, GsMap::kVelocitySenseOffset, kSilentVelocityOffset);
}

QByteArray OrganBuilder::part(int p, uint8_t parameter, uint8_t value) const {
    return GsMap::partParameter(organ_.deviceId, p, parameter, value);
}

} // namespace vorlo::datgen
