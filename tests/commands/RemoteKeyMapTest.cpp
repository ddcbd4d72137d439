#include "RemoteKeyMap.h"
#include "CommandExecutor.h"
#include "support/ConsoleFixture.h"

#include <set>

namespace vorlo::test {
namespace {

using C = ConsoleCommand;

// The keys after which the switch event stays armed: the step and target keys, REC, the
// family cancels and the list keys. Every other key ends the command.
const std::set<int> kKeepsArmed = {36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47,
                                   53, 84, 85, 86, 87, 89, 90, 91, 92, 93, 94};

TEST(RemoteKeyMap, RepresentativeKeys) {
    const struct {
        int key;
        ConsoleCommand command;
    } expected[] = {
        {36, C::stepRecallTarget(-10)},
        {37, C::stepRecallTarget(-1)},
        {38, C::drawRecallTarget(14)},
        {39, C::stepRecallTarget(1)},
        {40, C::stepRecallTarget(10)},
        {41, C::selectRecallTarget(StopGroupCode::GreatFondi)},
        {42, C::selectRecallTarget(StopGroupCode::SwellFondi)},
        {43, C::selectRecallTarget(StopGroupCode::GreatMutazioni)},
        {46, C::selectRecallTarget(StopGroupCode::SwellAncie)},
        {47, C::selectRecallTarget(StopGroupCode::Pedale)},
        {48, C::coupler(Coupler::GoToSwell)},
        {49, C::coupler(Coupler::GreatToPedal)},
        {50, C::coupler(Coupler::SwellToGo)},
        {51, C::coupler(Coupler::SwellToPedal)},
        {52, C::clearFreeMemories()},
        {53, C::toggleRec()},
        {54, C::nextThruBody()},
        {55, C::reset()},
        {56, C::tremulant(Manual::Swell)},
        {57, C::cancelAll()},
        {58, C::tremulant(Manual::Great)},
        {59, C::panic()},
        {84, C::cancel(Manual::Great, 1)},
        {85, C::cancel(Manual::Swell, 1)},
        {86, C::cancel(Manual::Great, 2)},
        {87, C::cancel(Manual::Swell, 2)},
        {89, C::listStep(SettingList::Temperament, -1)},
        {90, C::listStep(SettingList::Temperament, 1)},
        {91, C::listStep(SettingList::TemperamentStart, -1)},
        {92, C::listStep(SettingList::TemperamentStart, 1)},
        {93, C::listStep(SettingList::Reverb, -1)},
        {94, C::listStep(SettingList::Reverb, 1)},
    };
    for (const auto& e : expected)
        EXPECT_EQ(remoteKey(e.key).command, e.command) << "key " << e.key;
}

class RemoteKeysOnTheConsole : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }
};

// Runs every key through the console itself, armed, and reads the switch event afterwards.
TEST_F(RemoteKeysOnTheConsole, EveryKeyLeavesTheSwitchEventAsItAlwaysDid) {
    for (int key = 0; key <= 127; ++key) {
        st().SwitchEventArmed = true;
        console->commands().execute(ConsoleCommand::switchEventKey(key));
        EXPECT_EQ(st().SwitchEventArmed, kKeepsArmed.count(key) == 1) << "key " << key;
    }
}

TEST_F(RemoteKeysOnTheConsole, CommandsForGroupsOrPositionsTheOrganLacksDoNothing) {
    console->commands().execute(ConsoleCommand::switchEventKey(47));
    console->commands().execute({CommandKind::SelectRecallTarget, 14, 0});
    EXPECT_EQ(st().RecallTarget, 31);
    console->commands().execute({CommandKind::DrawStop, 31, 20});
    console->commands().execute({CommandKind::DrawStop, 31, -1});
    console->commands().execute({CommandKind::DrawStop, 14, 3});
    console->commands().execute(C::storeBuffer(2));
    console->commands().execute(C::loadBuffer(-1));
    EXPECT_EQ(st().live().MemPED, 0);
    EXPECT_TRUE(log().isEmpty());
    console->commands().execute(C::drawStop(StopGroupCode::Pedale, 19));
    EXPECT_EQ(st().live().MemPED, 19);
    EXPECT_TRUE(log().contains(marker(199)));
}

} // namespace
} // namespace vorlo::test
