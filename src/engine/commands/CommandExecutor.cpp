#include "CommandExecutor.h"

#include "AdvancedWindowControls.h"
#include "Division.h"

#include "AdvancedControls.h"
#include "Buffers.h"
#include "ConsoleState.h"
#include "Couplers.h"
#include "Drawstops.h"
#include "Form.h"
#include "LevelSender.h"
#include "Memories.h"
#include "Panic.h"
#include "Thru.h"

#include <algorithm>

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

struct ListEntry {
    SettingList list;
    const ControlId& control;
    void (AdvancedControls::*handler)();
};

const ListEntry kLists[] = {
    {SettingList::Temperament, ctl::advanced::Temperamenti, &AdvancedControls::Temperamenti_Click},
    {SettingList::TemperamentStart, ctl::advanced::NotaInizTemp,
     &AdvancedControls::NotaInizTemp_Click},
    {SettingList::Reverb, ctl::advanced::Riverberi, &AdvancedControls::Riverberi_Click},
};

} // namespace

CommandExecutor::CommandExecutor(ConsoleState& state, Drawstops& drawstops, Memories& memories,
                                 Buffers& buffers, Couplers& couplers, LevelSender& levels,
                                 Thru& thru, Panic& panic, AdvancedControls& advanced,
                                 Form& advancedForm, std::function<void()> reset)
    : state_(state), drawstops_(drawstops), memories_(memories), buffers_(buffers),
      couplers_(couplers), levels_(levels), thru_(thru), panic_(panic), advanced_(advanced),
      advancedForm_(advancedForm), reset_(std::move(reset)) {}

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
        if (c.a == static_cast<int>(Manual::Great))
            drawstops_.Button_Annullatori_go_Click(c.b);
        else if (c.a == static_cast<int>(Manual::Swell))
            drawstops_.Button_Annullatori_sw_Click(c.b);
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
        switch (static_cast<Coupler>(c.a)) {
        case Coupler::GreatToPedal:
            couplers_.UNPI_Click();
            break;
        case Coupler::SwellToPedal:
            couplers_.UNPII_Click();
            break;
        case Coupler::GoToSwell:
            couplers_.UN_GOSW_Click();
            break;
        case Coupler::SwellToGo:
            couplers_.UN_SWGO_Click();
            break;
        }
        break;
    case CommandKind::SubOctave:
        couplers_.Subottava_Click();
        break;
    case CommandKind::Tremulant:
        if (c.a == static_cast<int>(Manual::Great) || c.a == static_cast<int>(Manual::Swell))
            levels_.toggleTremulant(division(static_cast<Manual>(c.a)));
        break;
    case CommandKind::NextThruBody:
        thru_.THRUBUTTON_Click();
        break;
    case CommandKind::ListStep:
        listStep(static_cast<SettingList>(c.a), c.b);
        break;
    case CommandKind::Panic:
        panic_.Panic_Click();
        break;
    case CommandKind::Reset:
        if (reset_)
            reset_();
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

// Moves one of the Advanced window's lists to a neighbour within the list, then runs its
// handler (which sends the setting again even when the list stayed at its end).
void CommandExecutor::listStep(SettingList list, int step) {
    for (const ListEntry& l : kLists) {
        if (l.list != list)
            continue;
        Control& control = advancedForm_(l.control);
        const int last = static_cast<int>(control.items().size()) - 1;
        if (last < 0)
            return;
        control.setListIndex(std::clamp(control.listIndex() + step, 0, last));
        (advanced_.*l.handler)();
        return;
    }
}

} // namespace vorlo
