// The global messages of the default table: module set-up, balances, reinforcement, mute and
// restore, tremulants and reverbs, judged by what they make the module do.
#include "BuiltTable.h"
#include "ConsoleGroups.h"
#include "GsMessage.h"
#include "ModuleModel.h"

#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

using vorlo::StopTable;

namespace {

constexpr int kGreatChannel = 1;
constexpr int kSwellChannel = 2;
constexpr int kPedalChannel = 3;
constexpr int kFondiBalance = 7;
constexpr int kMutazioniBalance = 8;
constexpr int kAnceBalance = 9;
constexpr int kFullValue = 127;
// The GS map's "Sine Wave": variation 8 of program 81 (80 counted from 0).
constexpr int kSineWave[2] = {8, 80};
constexpr int kReverbMacro[3] = {0x40, 0x01, 0x30}; // GS reverb macro, 0 Room 1 .. 7 Panning Delay

const ConsoleGroups::Group& group(const char* label) {
    for (const auto& g : ConsoleGroups::all())
        if (std::string(g.label) == label)
            return g;
    throw std::logic_error(label);
}

std::vector<int> manualParts(bool swell) {
    std::vector<int> parts{swell ? ConsoleGroups::kSwellReinforcementPart
                                 : ConsoleGroups::kGreatReinforcementPart};
    for (const auto& g : ConsoleGroups::all())
        if (g.channel == (swell ? kSwellChannel : kGreatChannel))
            parts.insert(parts.end(), g.parts.begin(), g.parts.end());
    return parts;
}

// Every group at a position with sound (the same one on both manuals).
ModuleModel withStopsDrawn(int position) {
    ModuleModel m = BuiltTable::afterReset();
    for (const auto& g : ConsoleGroups::all())
        m.apply(BuiltTable::table()[g.firstEntry + position]);
    return m;
}

} // namespace

TEST(ModuleSetUp, ResetLeavesEveryPartOnItsDivisionsChannelAndSilent) {
    const ModuleModel m = BuiltTable::afterReset();
    for (const auto& g : ConsoleGroups::all())
        for (int p : g.parts)
            EXPECT_EQ(m.part(p).rxChannel + 1, g.channel) << g.label << " part " << p;
    EXPECT_EQ(m.part(ConsoleGroups::kGreatReinforcementPart).rxChannel + 1, kGreatChannel);
    EXPECT_EQ(m.part(ConsoleGroups::kSwellReinforcementPart).rxChannel + 1, kSwellChannel);
    for (int p = 1; p <= ModuleModel::kParts; ++p) {
        EXPECT_FALSE(m.sounds(p)) << "part " << p << " sounds before any stop is drawn";
        EXPECT_FALSE(m.part(p).rhythm) << "part " << p;
        EXPECT_GT(m.part(p).level, 0) << "part " << p;
    }
}

TEST(ModuleSetUp, BalanceControllersTurnDownOnlyTheirOwnFamily) {
    const ModuleModel m = BuiltTable::afterReset();
    const std::pair<const char*, int> families[] = {
        {"Great Fondi", kFondiBalance},         {"Swell Fondi", kFondiBalance},
        {"Great Mutazioni", kMutazioniBalance}, {"Swell Mutazioni", kMutazioniBalance},
        {"Great Ance/Archi", kAnceBalance},     {"Swell Ance/Archi", kAnceBalance}};
    for (const auto& [label, controller] : families) {
        for (int p : group(label).parts) {
            // Controller 7 must not act as plain volume: the console sends 127 - balance.
            EXPECT_FALSE(m.part(p).rxVolume) << label << " part " << p;
            EXPECT_EQ(m.part(p).cc1Controller, controller) << label << " part " << p;
            EXPECT_DOUBLE_EQ(m.cc1Gain(p, 0), 1.0) << "balance 127 is full level";
            EXPECT_DOUBLE_EQ(m.cc1Gain(p, kFullValue), 0.0) << "balance 0 is silence";
            EXPECT_GT(m.cc1Gain(p, 40), m.cc1Gain(p, 80));
        }
    }
    for (int p : group("Pedale").parts) {
        EXPECT_NE(m.part(p).cc1Controller, kFondiBalance) << "part " << p;
        EXPECT_NE(m.part(p).cc1Controller, kMutazioniBalance) << "part " << p;
        EXPECT_NE(m.part(p).cc1Controller, kAnceBalance) << "part " << p;
    }
}

TEST(Reinforcement, OnOpensAndOffClosesOnlyTheManualsSinePart) {
    const struct {
        int on, off, part;
    } cases[] = {{StopTable::kGreatReinforceOn, StopTable::kGreatReinforceOff,
                  ConsoleGroups::kGreatReinforcementPart},
                 {StopTable::kSwellReinforceOn, StopTable::kSwellReinforceOff,
                  ConsoleGroups::kSwellReinforcementPart}};
    for (const auto& c : cases) {
        ModuleModel m = BuiltTable::afterReset();
        EXPECT_EQ(m.part(c.part).variation, kSineWave[0]);
        EXPECT_EQ(m.part(c.part).program, kSineWave[1]);
        EXPECT_EQ(m.apply(BuiltTable::table()[c.on]), std::set<int>{c.part});
        EXPECT_TRUE(m.sounds(c.part));
        EXPECT_EQ(m.apply(BuiltTable::table()[c.off]), std::set<int>{c.part});
        EXPECT_FALSE(m.sounds(c.part));
    }
}

TEST(MuteRestore, MuteSilencesTheFamilyAndRestoreBringsBackTheDrawnStop) {
    const struct {
        int mute, restore;
        const char* label;
    } cases[] = {
        {StopTable::kGreatMuteAncie, StopTable::kGreatRestoreAncie, "Great Ance/Archi"},
        {StopTable::kGreatMuteFondi, StopTable::kGreatRestoreFondi, "Great Fondi"},
        {StopTable::kGreatMuteMutazioni, StopTable::kGreatRestoreMutazioni, "Great Mutazioni"},
        {StopTable::kSwellMuteAncie, StopTable::kSwellRestoreAncie, "Swell Ance/Archi"},
        {StopTable::kSwellMuteFondi, StopTable::kSwellRestoreFondi, "Swell Fondi"},
        {StopTable::kSwellMuteMutazioni, StopTable::kSwellRestoreMutazioni, "Swell Mutazioni"},
    };
    for (const auto& c : cases) {
        const auto& family = group(c.label);
        ModuleModel m = withStopsDrawn(2);
        const ModuleModel before = m;
        m.apply(BuiltTable::table()[c.mute]);
        for (int p : family.parts)
            EXPECT_FALSE(m.sounds(p)) << c.label << " part " << p << " sounds while muted";
        for (int p = 1; p <= ModuleModel::kParts; ++p) {
            const bool own =
                std::find(family.parts.begin(), family.parts.end(), p) != family.parts.end();
            const bool reinforcement = p == ConsoleGroups::kGreatReinforcementPart ||
                                       p == ConsoleGroups::kSwellReinforcementPart;
            if (!own && !reinforcement) {
                EXPECT_EQ(m.sounds(p), before.sounds(p)) << c.label << " mute touches part " << p;
                EXPECT_EQ(m.part(p).level, before.part(p).level) << c.label << " part " << p;
            }
        }

        // A stop drawn while muted stays silent; the restore brings back that stop.
        m.apply(BuiltTable::table()[family.firstEntry + 3]);
        for (int p : family.parts)
            EXPECT_FALSE(m.sounds(p)) << c.label << ": drawing a stop undid the mute";
        m.apply(BuiltTable::table()[c.restore]);
        ModuleModel expected = BuiltTable::afterReset();
        expected.apply(BuiltTable::table()[family.firstEntry + 3]);
        for (int p : family.parts) {
            EXPECT_EQ(m.sounds(p), expected.sounds(p)) << c.label << " part " << p;
            EXPECT_EQ(m.part(p).level, expected.part(p).level) << c.label << " part " << p;
            EXPECT_EQ(m.velocity(p, 100), expected.velocity(p, 100)) << c.label << " part " << p;
        }
    }
}

TEST(Tremulants, FortIsDeeperThanDouxAndEachTouchesOnlyItsManual) {
    const struct {
        int entry;
        bool swell;
    } entries[] = {{StopTable::kTremoloDouxFirst, false},
                   {StopTable::kTremoloDouxFirst + 1, true},
                   {StopTable::kTremoloFortFirst, false},
                   {StopTable::kTremoloFortFirst + 1, true}};
    for (const auto& e : entries) {
        ModuleModel m = BuiltTable::afterReset();
        const auto touched = m.apply(BuiltTable::table()[e.entry]);
        const auto parts = manualParts(e.swell);
        EXPECT_EQ(touched, std::set<int>(parts.begin(), parts.end())) << "entry " << e.entry;
    }
    ModuleModel doux = BuiltTable::afterReset();
    ModuleModel fort = BuiltTable::afterReset();
    doux.apply(BuiltTable::table()[StopTable::kTremoloDouxFirst]);
    fort.apply(BuiltTable::table()[StopTable::kTremoloFortFirst]);
    for (int p : manualParts(false)) {
        EXPECT_GT(doux.part(p).modTvaDepth, 0) << "part " << p;
        EXPECT_GT(fort.part(p).modTvaDepth, doux.part(p).modTvaDepth) << "part " << p;
        EXPECT_GE(fort.part(p).modPitchDepth, doux.part(p).modPitchDepth) << "part " << p;
    }
    // Until the console picks a tremulant the reset leaves the gentle one in place.
    for (bool swell : {false, true}) {
        const ModuleModel reset = BuiltTable::afterReset();
        ModuleModel chosen = reset;
        chosen.apply(BuiltTable::table()[StopTable::kTremoloDouxFirst + (swell ? 1 : 0)]);
        for (int p : manualParts(swell)) {
            EXPECT_EQ(reset.part(p).modTvaDepth, chosen.part(p).modTvaDepth) << "part " << p;
            EXPECT_EQ(reset.part(p).modPitchDepth, chosen.part(p).modPitchDepth) << "part " << p;
            EXPECT_EQ(reset.part(p).modRateControl, chosen.part(p).modRateControl) << "part " << p;
        }
    }
}

TEST(Reverbs, TheEightEntriesAreTheEightGsReverbMacrosInOrder) {
    for (int i = 0; i < 8; ++i) {
        const auto msgs = GsMessage::split(BuiltTable::table()[StopTable::kReverbFirst + i]);
        ASSERT_TRUE(msgs.has_value());
        ASSERT_EQ(msgs->size(), 1u) << "reverb " << i;
        const auto m = GsMessage::parse(msgs->front());
        ASSERT_TRUE(m.has_value());
        EXPECT_EQ(m->address[0], kReverbMacro[0]);
        EXPECT_EQ(m->address[1], kReverbMacro[1]);
        EXPECT_EQ(m->address[2], kReverbMacro[2]);
        EXPECT_EQ(m->value(), i) << "macro " << i << " is the " << i + 1 << "th reverb";
    }
}
