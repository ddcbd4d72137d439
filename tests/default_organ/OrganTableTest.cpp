// The default stops table as the console loads it: framing, names, and which module parts each
// stop drives.
#include "BuiltTable.h"
#include "ConsoleGroups.h"
#include "Cp1252.h"
#include "GsMessage.h"
#include "ModuleModel.h"

#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <tuple>

using vorlo::StopTable;

namespace {

constexpr int kFirstStopData = 40;
constexpr int kLastStopData = 199;
constexpr int kFirstMuteEntry = 410;
constexpr int kLastMuteEntry = 421;
constexpr int kStruck = 100;
constexpr int kDeviceId = 0x10; // the GS default
constexpr int kPortB = 0x50;

QString text(int entry) {
    return vorlo::cp1252::decode(BuiltTable::table()[entry]);
}

// The data entries the console sends: global messages 0..39, stops, mute and restore.
std::vector<int> dataEntries() {
    std::vector<int> out;
    for (int e = 0; e < StopTable::kFondiGreat; ++e)
        if (!BuiltTable::table()[e].isEmpty())
            out.push_back(e);
    for (int e = kFirstStopData; e <= kLastStopData; ++e)
        out.push_back(e);
    for (int e = kFirstMuteEntry; e <= kLastMuteEntry; ++e)
        out.push_back(e);
    return out;
}

// What a sounding part plays: tone, key shift and velocity.
using Voice = std::tuple<int, int, int, int>;

std::multiset<Voice> voices(const ModuleModel& m, const std::vector<int>& parts) {
    std::multiset<Voice> out;
    for (int p : parts)
        if (m.sounds(p))
            out.insert({m.part(p).variation, m.part(p).program, m.part(p).keyShift,
                        m.velocity(p, kStruck)});
    return out;
}

} // namespace

TEST(OrganTable, EveryMessageIsAFramedGsDataSetWithARolandChecksum) {
    int messages = 0;
    for (int e : dataEntries()) {
        const QByteArray& bytes = BuiltTable::table()[e];
        ASSERT_FALSE(bytes.isEmpty()) << "entry " << e;
        const auto split = GsMessage::split(bytes);
        ASSERT_TRUE(split.has_value()) << "entry " << e << " is not whole F0..F7 messages";
        for (const QByteArray& raw : *split) {
            const auto m = GsMessage::parse(raw);
            ASSERT_TRUE(m.has_value()) << "entry " << e << ": " << raw.toHex(' ').toStdString();
            EXPECT_TRUE(m->checksumOk) << "entry " << e << ": " << raw.toHex(' ').toStdString();
            EXPECT_EQ(m->device, kDeviceId) << "entry " << e;
            ++messages;
        }
    }
    EXPECT_GT(messages, 1000);
}

TEST(OrganTable, EveryStopGroupAndListHasItsNames) {
    QSet<QString> groupNames;
    for (int g = 0; g < 4; ++g)
        groupNames.insert(text(StopTable::kGroupNames + g));
    EXPECT_EQ(groupNames.size(), 4);
    EXPECT_FALSE(groupNames.contains(QString()));

    for (const auto& group : ConsoleGroups::all()) {
        QSet<QString> names;
        for (int p = 0; p < group.positions; ++p) {
            const QString name = text(group.firstName + p);
            EXPECT_FALSE(name.trimmed().isEmpty()) << group.label << " position " << p;
            names.insert(name);
        }
        EXPECT_EQ(names.size(), group.positions) << group.label << ": names repeat";
    }
    // The Advanced window lists names of at least four characters.
    for (int i = 0; i < 12; ++i)
        EXPECT_GE(text(StopTable::kTemperamentNames + i).size(), 4) << "temperament " << i;
    for (int i = 0; i < 8; ++i)
        EXPECT_GE(text(StopTable::kReverbNames + i).size(), 4) << "reverb " << i;
    for (int g : {0, 1, 2, 3, 30, 31, 32, 33, 35, 36, 37, 38})
        EXPECT_FALSE(text(StopTable::kGlobalTexts + g).isEmpty()) << "global " << g;
}

TEST(OrganTable, ReinforcementFlagsAreOneOrZeroAndSomeStopsTakeIt) {
    int on = 0;
    for (int e = StopTable::kReinforceFondi; e < StopTable::kReinforceAncie + 20; ++e) {
        const QString flag = text(e);
        EXPECT_TRUE(flag == "0" || flag == "1") << "entry " << e;
        on += flag == "1";
    }
    EXPECT_GT(on, 0);
    EXPECT_EQ(text(StopTable::kReinforceFondi), "0") << "the cancel takes no reinforcement";
    EXPECT_EQ(text(StopTable::kReinforceAncie), "0");
}

TEST(StopRouting, EachStopAddressesOnlyItsGroupsParts) {
    for (const auto& group : ConsoleGroups::all()) {
        const std::set<int> allowed(group.parts.begin(), group.parts.end());
        for (int p = 0; p < group.positions; ++p) {
            ModuleModel m = BuiltTable::afterReset();
            const std::set<int> touched = m.apply(BuiltTable::table()[group.firstEntry + p]);
            EXPECT_FALSE(touched.empty()) << group.label << " " << p;
            for (int part : touched)
                EXPECT_TRUE(allowed.count(part))
                    << group.label << " position " << p << " addresses part " << part;
        }
    }
}

TEST(StopRouting, SwellStopsArePortBCopiesOfTheGreatStops) {
    const auto& groups = ConsoleGroups::all();
    for (size_t g = 0; g < groups.size(); ++g) {
        const int s = ConsoleGroups::swellCopyOf(static_cast<int>(g));
        if (s < 0)
            continue;
        const auto& great = groups[g];
        const auto& swell = groups[static_cast<size_t>(s)];
        for (int p = 0; p < great.positions; ++p) {
            const auto gm = GsMessage::split(BuiltTable::table()[great.firstEntry + p]);
            const auto sm = GsMessage::split(BuiltTable::table()[swell.firstEntry + p]);
            ASSERT_TRUE(gm && sm);
            ASSERT_EQ(gm->size(), sm->size()) << great.label << " " << p;
            for (size_t i = 0; i < gm->size(); ++i) {
                const auto a = GsMessage::parse((*gm)[i]);
                const auto b = GsMessage::parse((*sm)[i]);
                ASSERT_TRUE(a && b);
                EXPECT_EQ(b->address[0], kPortB) << swell.label << " " << p << " is not on port B";
                // The same parameter and value on the Swell's part in the same place.
                const auto at = std::find(great.parts.begin(), great.parts.end(), a->part());
                ASSERT_NE(at, great.parts.end());
                EXPECT_EQ(b->part(), swell.parts[static_cast<size_t>(at - great.parts.begin())]);
                EXPECT_EQ(a->parameter(), b->parameter());
                EXPECT_EQ(a->data, b->data);
            }
        }
    }
}

TEST(StopRouting, PositionZeroSilencesTheGroupAndEveryOtherPositionSounds) {
    for (const auto& group : ConsoleGroups::all()) {
        for (int p = 1; p < group.positions; ++p) {
            ModuleModel m = BuiltTable::afterReset();
            m.apply(BuiltTable::table()[group.firstEntry + p]);
            EXPECT_FALSE(voices(m, group.parts).empty()) << group.label << " " << p << " is silent";
            for (int part : group.parts) {
                if (m.sounds(part)) {
                    EXPECT_EQ(m.part(part).rxChannel + 1, group.channel) << group.label << " " << p;
                }
            }
            m.apply(BuiltTable::table()[group.firstEntry]);
            for (int part : group.parts)
                EXPECT_FALSE(m.sounds(part)) << group.label << ": position 0 after " << p
                                             << " leaves part " << part << " sounding";
        }
    }
}

TEST(StopRouting, EveryPositionIsADifferentRegistration) {
    for (const auto& group : ConsoleGroups::all()) {
        std::map<std::multiset<Voice>, int> seen;
        for (int p = 1; p < group.positions; ++p) {
            ModuleModel m = BuiltTable::afterReset();
            m.apply(BuiltTable::table()[group.firstEntry + p]);
            const auto [it, fresh] = seen.insert({voices(m, group.parts), p});
            EXPECT_TRUE(fresh) << group.label << " position " << p << " sounds like position "
                               << it->second;
        }
    }
}

TEST(StopRouting, SingleRankStopsSpeakAtTheFootageOfTheirName) {
    // "Bordone 16'": an 8' rank speaks at the key played, a rank of f feet 12 log2(8 / f)
    // semitones away from it.
    const QRegularExpression footage(QStringLiteral("(\\d+)(?: (\\d)/(\\d))?'$"));
    int checked = 0;
    for (const auto& group : ConsoleGroups::all()) {
        for (int p = 1; p < group.positions; ++p) {
            const auto match = footage.match(text(group.firstName + p));
            ModuleModel m = BuiltTable::afterReset();
            m.apply(BuiltTable::table()[group.firstEntry + p]);
            std::vector<int> sounding;
            for (int part : group.parts)
                if (m.sounds(part))
                    sounding.push_back(part);
            if (!match.hasMatch() || sounding.size() != 1)
                continue;
            double feet = match.captured(1).toDouble();
            if (!match.captured(2).isEmpty())
                feet += match.captured(2).toDouble() / match.captured(3).toDouble();
            const int expected = static_cast<int>(std::lround(12 * std::log2(8.0 / feet)));
            EXPECT_EQ(m.part(sounding[0]).keyShift, expected)
                << text(group.firstName + p).toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 30);
}

TEST(StopRouting, LoudnessFollowsTheStopNotTheKeyboardTouch) {
    for (const auto& group : ConsoleGroups::all()) {
        for (int p = 1; p < group.positions; ++p) {
            ModuleModel m = BuiltTable::afterReset();
            m.apply(BuiltTable::table()[group.firstEntry + p]);
            for (int part : group.parts) {
                if (m.sounds(part)) {
                    EXPECT_EQ(m.velocity(part, 1), m.velocity(part, 127))
                        << group.label << " " << p << " part " << part;
                }
            }
        }
    }
}
