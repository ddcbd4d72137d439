#include "CommandExecutor.h"
#include "ConsoleEvents.h"
#include "Division.h"

#include "support/ConsoleFixture.h"
#include <array>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// What a listener could wrongly change: the registrations and the settings the windows show.
struct Snapshot {
    std::array<Registration, 29> registrations;
    std::array<int16_t, 8> settings;
    bool memoryUnchanged;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot snapshot(const ConsoleState& st) {
    Snapshot s;
    for (int n = 1; n <= 28; ++n)
        s.registrations[static_cast<size_t>(n)] = st.slot(n);
    s.settings = {st.Temperament,    st.TemperamentStart, st.ReverbType,    st.TremoloType,
                  st.GlobalCoupling, st.RecallGlobals,    st.RecallBalance, st.TremoloRate};
    s.memoryUnchanged = st.MemoryUnchanged;
    return s;
}

// Counts what the console announces, as a status light or a recorder would.
struct CountingListener : ConsoleListener {
    int drawstops = 0;
    int registrations = 0;
    int settingsChosen = 0;
    void drawstopMoved(DivisionId, int, int, int) override { ++drawstops; }
    void registrationChanged() override { ++registrations; }
    void settingChosen(SettingList, int) override { ++settingsChosen; }
};

class Listeners : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig();
        start();
    }
};

} // namespace

// The windows only show what they are told: announcing every change, even with values the
// state does not hold, sends nothing and changes nothing.
TEST_F(Listeners, AnnouncingSendsNothingAndChangesNothing) {
    console->commands().execute(ConsoleCommand::drawStop(StopGroupCode::GreatFondi, 3));
    console->commands().execute(ConsoleCommand::memory(13));
    // Settings held in the state but never chosen: showing them must not choose them.
    st().Temperament = 2;
    st().ReverbType = 1;
    st().GlobalCoupling = 2;
    st().RecallGlobals = 1;
    log();
    const Snapshot before = snapshot(st());

    ConsoleEvents& e = console->events();
    e.settingsShown();
    e.settingChosen(SettingList::TremoloType, 1);
    e.globalCouplingShown(1);
    e.recallOptionShown(1, 1);
    e.deviceListRead();
    e.deviceNotice(QStringLiteral("Keyboard 1 \"Elsewhere\" is connected."));
    e.levelShown(DivisionId::Swell, 70);
    e.tremoloRateShown(99);
    e.registrationChanged();
    e.thruBodyChanged();
    e.thruModeShown();
    e.thruLearningShown(1);
    e.thruChannelLearned(1, 5);
    e.drawstopMoved(DivisionId::Great, 0, 3, 5);
    e.cancelShown(DivisionId::Swell, StopFamily::Ance, false);
    e.pedalCouplerShown(2);
    e.manualCouplerShown(1);
    e.subOctaveShown(true);
    e.ladderShown(4);
    e.freeMemoryShown(2, MemoryLight::Changed);
    e.recArmedShown(true);
    e.bufferShown(1, true);
    e.actionShown(ConsoleAction::CancelAll, true);
    e.knobsReleased(SlotLive);
    e.saveOnExitShown(true);
    e.resetShown(ResetStep::Started);
    e.resetShown(ResetStep::Finished);
    settle();

    EXPECT_EQ(log(), QStringList());
    EXPECT_TRUE(snapshot(st()) == before);
}

// Any number of listeners follow the console; one added later hears what the panel hears.
TEST_F(Listeners, AnAddedListenerFollowsTheConsole) {
    CountingListener light;
    console->events().add(light);
    console->commands().execute(ConsoleCommand::drawStop(StopGroupCode::SwellFondi, 2));
    console->commands().execute(ConsoleCommand::chooseSetting(SettingList::Reverb, 1));
    console->events().remove(light);
    console->commands().execute(ConsoleCommand::drawStop(StopGroupCode::SwellFondi, 4));

    EXPECT_EQ(light.drawstops, 1);
    EXPECT_GE(light.registrations, 1);
    EXPECT_EQ(light.settingsChosen, 1);
}
