#include "WireBytes.h"

#include "OrganLayout.h"
#include "TemperamentBuilder.h"

#include <QStringList>
#include <algorithm>
#include <limits>

namespace vorlo::datgen {

namespace {

using Division = OrganLayout::Division;
using Family = OrganLayout::Family;

constexpr int kControllerBytes = 3;
constexpr int kManualFollowUps = 3; // balance, level, tremolo
constexpr int kPedalFollowUps = 1;  // level
constexpr int kRecallTremolos = 2;  // a memory recall sends both tremolos after the update
constexpr int kFondiFlags = 30;
constexpr int kAncieFlags = 20;
constexpr int kMillisecondsPerSecond = 1000;

struct Group {
    const char* label;
    int firstEntry;
    Division division;
    Family family;
};

// The console update's group steps, in its order.
constexpr std::array<Group, WireBytes::kGroups> kGroupSteps = {{
    {"Great Fondi", StopTable::kFondiGreat, Division::Great, Family::Fondi},
    {"Swell Fondi", StopTable::kFondiSwell, Division::Swell, Family::Fondi},
    {"Great Mutazioni", StopTable::kMutazioniGreat, Division::Great, Family::Mutazioni},
    {"Swell Mutazioni", StopTable::kMutazioniSwell, Division::Swell, Family::Mutazioni},
    {"Great Ance/Archi", StopTable::kAncieGreat, Division::Great, Family::Ance},
    {"Swell Ance/Archi", StopTable::kAncieSwell, Division::Swell, Family::Ance},
    {"Pedale", StopTable::kPedale, Division::Pedal, Family::Pedale},
}};
constexpr int kGreatFondi = 0;
constexpr int kSwellFondi = 1;
constexpr int kGreatAnce = 4;
constexpr int kSwellAnce = 5;

const Group& group(int g) {
    return kGroupSteps.at(static_cast<size_t>(g));
}

bool flagged(const StopTable& t, int firstFlag, int count, int position) {
    return position >= 0 && position < count && t[firstFlag + position] == "1";
}

// The temperament message of each part as the console builds it from the table's first
// temperament.
int temperamentBytes(const StopTable& t, int part) {
    std::array<QByteArray, 33> messages;
    if (!TemperamentBuilder::build(t[StopTable::kTemperamentFirst], 0, messages))
        return 0;
    return static_cast<int>(messages.at(static_cast<size_t>(part)).size());
}

int reinforcementBytes(const StopTable& t, int g, const WireBytes::Registration& live) {
    const Group& s = group(g);
    if (s.family != Family::Fondi && s.family != Family::Ance)
        return 0;
    const bool great = s.division == Division::Great;
    const int f = live.at(great ? kGreatFondi : kSwellFondi);
    const int a = live.at(great ? kGreatAnce : kSwellAnce);
    const bool on = flagged(t, StopTable::kReinforceFondi, kFondiFlags, f) ||
                    flagged(t, StopTable::kReinforceAncie, kAncieFlags, a);
    const int entry = great ? (on ? StopTable::kGreatReinforceOn : StopTable::kGreatReinforceOff)
                            : (on ? StopTable::kSwellReinforceOn : StopTable::kSwellReinforceOff);
    return static_cast<int>(t[entry].size());
}

template <typename Bytes> WireBytes::Range rangeOver(int group, Bytes bytes) {
    WireBytes::Range r{std::numeric_limits<int>::max(), 0, 0};
    const int n = WireBytes::positions(group);
    for (int p = 1; p < n; ++p) {
        const int b = bytes(p);
        r.min = std::min(r.min, b);
        r.max = std::max(r.max, b);
        r.average += b;
    }
    r.average /= n - 1;
    return r;
}

QString milliseconds(double bytes) {
    return QString::number(bytes * kMillisecondsPerSecond / WireBytes::kWireBytesPerSecond, 'f', 0);
}

QString rangeLine(const QString& label, const WireBytes::Range& r) {
    return QStringLiteral("  %1 %2 %3 %4   (%5 / %6 / %7 ms)\n")
        .arg(label, -18)
        .arg(r.min, 6)
        .arg(r.average, 8, 'f', 1)
        .arg(r.max, 6)
        .arg(milliseconds(r.min), milliseconds(r.average), milliseconds(r.max));
}

} // namespace

int WireBytes::positions(int g) {
    return OrganLayout::positionCount(group(g).family);
}

QString WireBytes::groupLabel(int g) {
    return QString::fromLatin1(group(g).label);
}

int WireBytes::groupChange(const StopTable& t, int g, const Registration& live) {
    const Group& s = group(g);
    const int p = live.at(static_cast<size_t>(g));
    int bytes = p >= 0 && p < positions(g) ? static_cast<int>(t[s.firstEntry + p].size()) : 0;
    bytes += reinforcementBytes(t, g, live);
    for (int part : OrganLayout::parts(s.division, s.family))
        bytes += temperamentBytes(t, part);
    const int followUps = s.division == Division::Pedal ? kPedalFollowUps : kManualFollowUps;
    return bytes + followUps * kControllerBytes;
}

int WireBytes::registration(const StopTable& t, const Registration& to) {
    int bytes = 0;
    for (int g = 0; g < kGroups; ++g)
        bytes += groupChange(t, g, to);
    return bytes;
}

int WireBytes::generalMemory(const StopTable& t, const Registration& to) {
    return registration(t, to) + kRecallTremolos * kControllerBytes;
}

int WireBytes::reset(const StopTable& t, int reverb) {
    int bytes = 0;
    for (int e : {0, 1, 2, 3, StopTable::kReverbFirst + reverb})
        bytes += static_cast<int>(t[e].size());
    return bytes + registration(t, Registration{});
}

WireBytes::Range WireBytes::stopEntries(const StopTable& t, int g) {
    return rangeOver(g, [&](int p) { return static_cast<int>(t[group(g).firstEntry + p].size()); });
}

WireBytes::Range WireBytes::stopChanges(const StopTable& t, int g) {
    return rangeOver(g, [&](int p) {
        Registration live{};
        live.at(static_cast<size_t>(g)) = p;
        return groupChange(t, g, live);
    });
}

WireBytes::Range WireBytes::generalMemories(const StopTable& t) {
    Range out;
    Registration cheapest{};
    Registration dearest{};
    for (int g = 0; g < kGroups; ++g) {
        // Each group's cheapest and dearest stop by its entry; the reinforcement entries of a
        // table have one length on and off, so the entry decides.
        const Range r = stopEntries(t, g);
        for (int p = 1; p < positions(g); ++p) {
            const int size = static_cast<int>(t[group(g).firstEntry + p].size());
            if (size == r.min && cheapest.at(static_cast<size_t>(g)) == 0)
                cheapest.at(static_cast<size_t>(g)) = p;
            if (size == r.max && dearest.at(static_cast<size_t>(g)) == 0)
                dearest.at(static_cast<size_t>(g)) = p;
        }
        // A group's share of a general memory is what it sends when it changes alone.
        out.average += stopChanges(t, g).average;
    }
    out.min = generalMemory(t, cheapest);
    out.max = generalMemory(t, dearest);
    out.average += kRecallTremolos * kControllerBytes;
    return out;
}

QString WireBytes::report(const StopTable& t) {
    QString out;
    out += QStringLiteral("Bytes on the MIDI wire (min / average / max over the stops drawn, then "
                          "milliseconds at %1 bytes/s)\n")
               .arg(kWireBytesPerSecond);
    out += QStringLiteral("Stop entries:\n");
    for (int g = 0; g < kGroups; ++g)
        out += rangeLine(groupLabel(g), stopEntries(t, g));
    out += QStringLiteral("Stop changes (entry, reinforcement, temperaments, controllers):\n");
    for (int g = 0; g < kGroups; ++g)
        out += rangeLine(groupLabel(g), stopChanges(t, g));
    out += QStringLiteral("General memory changing all seven groups:\n");
    out += rangeLine(QStringLiteral("all seven"), generalMemories(t));
    const int r = reset(t);
    out += QStringLiteral("Reset (GS reset, set-up, reverb, whole console): %1 bytes (%2 ms)\n")
               .arg(r)
               .arg(milliseconds(r));
    return out;
}

} // namespace vorlo::datgen
