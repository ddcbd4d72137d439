#include "CommandExecutor.h"

#include "Buffers.h"
#include "ConsoleState.h"
#include "Couplers.h"
#include "Crescendo.h"
#include "Division.h"
#include "Drawstops.h"
#include "LevelSender.h"
#include "Memories.h"
#include "MemoryBanks.h"
#include "MidiConstants.h"
#include "OrganSettings.h"
#include "Panic.h"
#include "RegistrationHistory.h"
#include "RemoteKeyMap.h"
#include "Thru.h"
#include "Transposer.h"

#include <algorithm>
#include <cmath>

namespace vorlo {
namespace {

struct GroupEntry {
    StopGroupCode code;
    SlotField field;
    int rows;
    void (Drawstops::*draw)(int);
};

const GroupEntry kGroups[] = {
    {StopGroupCode::GreatFondi, SlotField::MemFO_GO, 30, &Drawstops::Tir_FO_GO_Click},
    {StopGroupCode::GreatMutazioni, SlotField::MemMU_GO, 20, &Drawstops::Tir_MU_GO_Click},
    {StopGroupCode::GreatAncie, SlotField::MemAN_GO, 20, &Drawstops::Tir_AN_GO_Click},
    {StopGroupCode::SwellFondi, SlotField::MemFO_SW, 30, &Drawstops::Tir_FO_SW_Click},
    {StopGroupCode::SwellMutazioni, SlotField::MemMU_SW, 20, &Drawstops::Tir_MU_SW_Click},
    {StopGroupCode::SwellAncie, SlotField::MemAN_SW, 20, &Drawstops::Tir_AN_SW_Click},
    {StopGroupCode::Pedale, SlotField::MemPED, 20, &Drawstops::NomePedale_Click},
};

const GroupEntry* findGroup(int code) {
    for (const GroupEntry& g : kGroups) {
        if (static_cast<int>(g.code) == code)
            return &g;
    }
    return nullptr;
}

// The memory keys after a switch event: 60..71 the free memories, 72..83 the fixed ones.
constexpr int kFirstMemoryKey = 60;
constexpr int kLastMemoryKey = 83;
// A program change p is the command key p + 36.
constexpr int kProgramKeyOffset = 36;
// The sustain pedal's values that arm the switch event and that release it.
constexpr int kPedalDown = 127;
constexpr int kPedalUp = 0;
// The pitch-bend wheel's most significant byte: the centre band, and the bands that switch.
constexpr int kWheelCentreLow = 60;
constexpr int kWheelCentreHigh = 70;
constexpr int kWheelUpLow = 75;
constexpr int kWheelUpHigh = 80;
constexpr int kWheelDownLow = 45;
constexpr int kWheelDownHigh = 50;

bool isManual(int a) {
    return a == static_cast<int>(Manual::Great) || a == static_cast<int>(Manual::Swell);
}

} // namespace

CommandExecutor::CommandExecutor(ConsoleState& state, Drawstops& drawstops, Memories& memories,
                                 Buffers& buffers, Couplers& couplers, LevelSender& levels,
                                 Thru& thru, Panic& panic, OrganSettings& settings,
                                 std::function<void()> reset, MemoryBanks& banks,
                                 Crescendo& crescendo, Transposer& transposer,
                                 RegistrationHistory& history)
    : state_(state), drawstops_(drawstops), memories_(memories), buffers_(buffers),
      couplers_(couplers), levels_(levels), thru_(thru), panic_(panic), settings_(settings),
      reset_(std::move(reset)), banks_(banks), crescendo_(crescendo), transposer_(transposer),
      history_(history) {}

int CommandExecutor::expressionLevel(int value) {
    const double a = 127.0 - (0.51968 * value + 61.0);
    return 127 - 3 * static_cast<int>(std::floor(a / 3.0));
}

void CommandExecutor::execute(const ConsoleCommand& c) {
    switch (c.kind) {
    case CommandKind::DrawStop:
        drawStop(c.a, c.b);
        break;
    case CommandKind::SelectRecallTarget:
        // Only the seven group codes are ever stored.
        if (findGroup(c.a))
            state_.RecallTarget = static_cast<int16_t>(c.a);
        break;
    case CommandKind::StepRecallTarget:
        stepRecallTarget(c.a);
        break;
    case CommandKind::DrawRecallTarget:
        drawRecallTarget(c.a);
        break;
    case CommandKind::Cancel:
        drawstops_.toggleCancel(static_cast<Manual>(c.a), c.b);
        break;
    case CommandKind::CancelAll:
        drawstops_.cancelAll();
        break;
    case CommandKind::Memory:
        memories_.Memorie(c.a);
        break;
    case CommandKind::ToggleRec:
        memories_.toggleRec();
        break;
    case CommandKind::StoreBuffer:
        if (c.a == 0 || c.a == 1)
            buffers_.storeBuffer(c.a);
        break;
    case CommandKind::LoadBuffer:
        if (c.a == 0 || c.a == 1)
            buffers_.loadBuffer(c.a);
        break;
    case CommandKind::ClearFreeMemories:
        buffers_.clearFreeMemories();
        break;
    case CommandKind::Coupler:
        couplers_.toggle(static_cast<Coupler>(c.a));
        break;
    case CommandKind::SubOctave:
        couplers_.toggleSubOctave();
        break;
    case CommandKind::Tremulant:
        if (isManual(c.a))
            levels_.toggleTremulant(division(static_cast<Manual>(c.a)));
        break;
    case CommandKind::NextThruBody:
        thru_.THRUBUTTON_Click();
        break;
    case CommandKind::ListStep:
        listStep(static_cast<SettingList>(c.a), c.b);
        break;
    case CommandKind::Panic:
        panic_.allNotesOff();
        break;
    case CommandKind::Reset:
        if (reset_)
            reset_();
        break;
    case CommandKind::SetLevel:
    case CommandKind::SetBalance:
    case CommandKind::SetGlobalCoupling:
    case CommandKind::SetRecallOption:
    case CommandKind::ChooseSetting:
    case CommandKind::SetTremoloRate:
        setting(c);
        break;
    case CommandKind::RecallMemory:
    case CommandKind::StoreMemory:
    case CommandKind::SustainPedal:
    case CommandKind::SwitchEventKey:
    case CommandKind::ProgramChange:
    case CommandKind::ExpressionPedal:
    case CommandKind::BendSwitch:
        device(c);
        break;
    case CommandKind::SequenceNext:
    case CommandKind::SequencePrevious:
    case CommandKind::StepBank:
    case CommandKind::ShowBank:
    case CommandKind::CrescendoPedal:
    case CommandKind::StepCrescendo:
    case CommandKind::StoreCrescendo:
        bankOrCrescendo(c);
        break;
    case CommandKind::TransposeStep:
        transposer_.step(c.a);
        break;
    case CommandKind::SetTransposition:
        transposer_.set(c.a);
        break;
    case CommandKind::UndoRegistration:
        history_.undo();
        break;
    case CommandKind::RedoRegistration:
        history_.redo();
        break;
    }
}

void CommandExecutor::bankOrCrescendo(const ConsoleCommand& c) {
    switch (c.kind) {
    case CommandKind::SequenceNext:
        banks_.next();
        break;
    case CommandKind::SequencePrevious:
        banks_.previous();
        break;
    case CommandKind::StepBank:
        banks_.stepBank(c.a);
        break;
    case CommandKind::ShowBank:
        banks_.showBank(c.a);
        break;
    case CommandKind::CrescendoPedal:
        crescendo_.pedal(c.a);
        break;
    case CommandKind::StepCrescendo:
        crescendo_.stepStage(c.a);
        break;
    case CommandKind::StoreCrescendo:
        crescendo_.storeStage();
        break;
    default:
        break;
    }
}

void CommandExecutor::setting(const ConsoleCommand& c) {
    switch (c.kind) {
    case CommandKind::SetLevel:
        if (c.a >= 0 && c.a < static_cast<int>(kDivisions.size()))
            settings_.applyLevel(division(static_cast<DivisionId>(c.a)), c.b);
        break;
    case CommandKind::SetBalance:
        if (isManual(c.a) && c.b >= 0 && c.b < kFamilyCount)
            settings_.setBalance(division(static_cast<Manual>(c.a)), static_cast<StopFamily>(c.b),
                                 c.c);
        break;
    case CommandKind::SetGlobalCoupling:
        settings_.setGlobalCoupling(c.a);
        break;
    case CommandKind::SetRecallOption:
        settings_.setRecallOption(c.a, c.b);
        break;
    case CommandKind::ChooseSetting:
        chooseSetting(static_cast<SettingList>(c.a), c.b);
        break;
    case CommandKind::SetTremoloRate:
        settings_.setTremoloRate(c.a);
        break;
    default:
        break;
    }
}

void CommandExecutor::device(const ConsoleCommand& c) {
    switch (c.kind) {
    case CommandKind::RecallMemory:
        if (state_.RecArmed)
            memories_.toggleRec();
        memories_.Memorie(c.a);
        break;
    case CommandKind::StoreMemory:
        if (!state_.RecArmed)
            memories_.toggleRec();
        memories_.Memorie(c.a);
        break;
    case CommandKind::SustainPedal:
        sustainPedal(c.a);
        break;
    case CommandKind::SwitchEventKey:
        switchEventKey(c.a);
        break;
    case CommandKind::ProgramChange:
        state_.SwitchEventArmed = true;
        switchEventKey(c.a + kProgramKeyOffset);
        break;
    case CommandKind::ExpressionPedal:
        expressionPedal(c.a, c.b, c.c);
        break;
    case CommandKind::BendSwitch:
        bendSwitch(c.a, c.b, c.c);
        break;
    default:
        break;
    }
}

void CommandExecutor::drawStop(int group, int position) {
    const GroupEntry* g = findGroup(group);
    if (g && position >= 0 && position < g->rows)
        (drawstops_.*g->draw)(position);
}

void CommandExecutor::stepRecallTarget(int step) {
    state_.RecallStep = static_cast<int16_t>(step);
    const GroupEntry* g = findGroup(state_.RecallTarget);
    if (!g)
        return;
    // No wrap-around and no clamping: a step past either end does nothing.
    const int p = state_.live()[g->field] + step;
    if (p >= 0 && p < g->rows)
        (drawstops_.*g->draw)(p);
}

void CommandExecutor::drawRecallTarget(int position) {
    drawStop(state_.RecallTarget, position);
    // Then it counts as a step of 0: the now current position is drawn once more, which
    // changes nothing further.
    stepRecallTarget(0);
}

// Moves one of the Advanced window's lists to a neighbour within the list, then chooses that
// entry (which sends the setting again even when the list stayed at its end).
void CommandExecutor::listStep(SettingList list, int step) {
    const int count = settings_.entries(list);
    if (count < 1)
        return;
    chooseSetting(list, std::clamp(settings_.stored(list) + step, 0, count - 1));
}

void CommandExecutor::chooseSetting(SettingList list, int index) {
    settings_.choose(list, index);
}

void CommandExecutor::switchEventKey(int key) {
    if (key >= kFirstMemoryKey && key <= kLastMemoryKey) {
        memories_.Memorie(key - kFirstMemoryKey + 1);
        state_.SwitchEventArmed = false;
        return;
    }
    const RemoteKey k = remoteKey(key);
    execute(k.command);
    // The command ends after the key's action, unless the key lets the player go on.
    if (!k.keepsArmed)
        state_.SwitchEventArmed = false;
}

void CommandExecutor::sustainPedal(int value) {
    if (value == kPedalDown) {
        state_.SwitchEventArmed = true;
    } else if (value == kPedalUp && state_.SwitchEventArmed) {
        panic_.allNotesOff();
        state_.SwitchEventArmed = false;
    }
}

// The pedal sets its division's level; a level already in force is not sent again. Under the
// global coupling the coupled levels are set one after the other, each with its own followers.
void CommandExecutor::expressionPedal(int input, int channel, int value) {
    const int level = expressionLevel(value);
    const Division& great = division(DivisionId::Great);
    const Division& swell = division(DivisionId::Swell);
    const Division& pedal = division(DivisionId::Pedal);
    OrganSettings& s = settings_;
    auto differs = [&](const Division& d) { return s.levelInForce(d) != level; };

    if (channel == midi::PedalChannel) {
        if (differs(pedal))
            s.applyLevel(pedal, level);
        return;
    }
    const Division& own = channel == midi::GreatChannel ? great : swell;
    if (state_.GlobalCoupling == 1) {
        // Input 1 watches the Great level, input 2 the Swell one.
        if (differs(input == 1 ? great : swell)) {
            s.applyLevel(great, level);
            s.applyLevel(swell, level);
        }
    } else if (state_.GlobalCoupling == 2 && input == 1) {
        if (differs(great)) {
            // Pedal first, then the manuals.
            s.applyLevel(pedal, level);
            s.applyLevel(great, level);
            s.applyLevel(swell, level);
        }
    } else if (differs(own)) {
        // Without coupling (and on input 2 with all levels coupled, where the level's own
        // coupling moves the others) the pedal sets its own division's level.
        s.applyLevel(own, level);
    }
}

// The wheel switches once when pushed into a band and again only after it came back to the
// centre.
void CommandExecutor::bendSwitch(int input, int channel, int wheel) {
    ConsoleState& st = state_;
    if (wheel >= kWheelCentreLow && wheel <= kWheelCentreHigh) {
        st.BendLatch = false;
        return;
    }
    if (st.BendLatch)
        return;
    const bool up = wheel >= kWheelUpLow && wheel <= kWheelUpHigh;
    const bool down = wheel >= kWheelDownLow && wheel <= kWheelDownHigh;
    if (!up && !down)
        return;
    const Division& great = division(DivisionId::Great);
    const Division& swell = division(DivisionId::Swell);
    if (channel == midi::PedalChannel) {
        if (up)
            couplers_.toggle(Coupler::GreatToPedal);
        else
            couplers_.toggle(Coupler::SwellToPedal);
    } else if (input == 1) {
        levels_.toggleTremulant(up ? great : swell);
    } else if (up) {
        // The second keyboard's wheel switches its own division's tremolo.
        levels_.toggleTremulant(channel == midi::GreatChannel ? great : swell);
    }
    st.BendLatch = true;
}

} // namespace vorlo
