#include "ConsoleUpdate.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Division.h"
#include "LevelSender.h"
#include "OrganSettings.h"
#include "ProgramLifecycle.h"
#include "ReentryGuard.h"
#include "RegistrationChange.h"
#include "RunState.h"
#include "SysexSender.h"

#include <initializer_list>

namespace vorlo {
namespace {

// What one stop group's step compares and sends.
struct GroupStep {
    int16_t Registration::*position;
    int entryBase;
    int rows;        // 30 Fondi, 20 the others
    bool reinforced; // Fondi and Ancie/Archi steps re-send the manual's reinforcement
    DivisionId division;
    int group; // the panel's column: Fondi, Mutazioni, Ance/Archi, Pedale
    std::initializer_list<int> temperamentParts;
};

constexpr int kPedaleGroup = 3;

const GroupStep kSteps[7] = {
    {&Registration::MemFO_GO,
     StopTable::kFondiGreat,
     30,
     true,
     DivisionId::Great,
     0,
     {1, 2, 3, 4, 5}},
    {&Registration::MemFO_SW,
     StopTable::kFondiSwell,
     30,
     true,
     DivisionId::Swell,
     0,
     {17, 18, 19, 20, 21}},
    {&Registration::MemMU_GO,
     StopTable::kMutazioniGreat,
     20,
     false,
     DivisionId::Great,
     1,
     {11, 12, 13}},
    {&Registration::MemMU_SW,
     StopTable::kMutazioniSwell,
     20,
     false,
     DivisionId::Swell,
     1,
     {27, 28, 29}},
    {&Registration::MemAN_GO, StopTable::kAncieGreat, 20, true, DivisionId::Great, 2, {6, 7, 8, 9}},
    {&Registration::MemAN_SW,
     StopTable::kAncieSwell,
     20,
     true,
     DivisionId::Swell,
     2,
     {22, 23, 24, 25}},
    {&Registration::MemPED,
     StopTable::kPedale,
     20,
     false,
     DivisionId::Pedal,
     kPedaleGroup,
     {14, 15, 16, 30, 31, 32}},
};

bool inRange(int p, int rows) {
    return p >= 0 && p < rows;
}

} // namespace

ConsoleUpdate::ConsoleUpdate(ConsoleState& state, SysexSender& sysex, LevelSender& levels,
                             OrganSettings& settings, ConsoleListener& indicators, RunState& run,
                             ProgramLifecycle& lifecycle)
    : state_(state), run_(run), lifecycle_(lifecycle), indicators_(indicators), levels_(levels),
      sysex_(sysex), settings_(settings) {}

void ConsoleUpdate::AGGIORNAMENTO_VORLO() {
    const ReentryGuard running(running_);
    if (!running.entered()) {
        // Called from an event handled while this update waits between messages: the items
        // it changed are picked up by a fresh pass once the running one has finished.
        again_ = true;
        return;
    }
    do {
        again_ = false;
        if (beforePass)
            beforePass();
        run();
    } while (again_ && !run_.hasEnded());
}

void ConsoleUpdate::run() {
    for (int step = 0; step < 7; ++step)
        groupStep(step);
    couplerIndicators();
    cancels();

    ConsoleState& st = state_;
    indicators_.subOctaveShown(st.live().MemSubottava == 1);
    st.sent().MemSubottava = st.live().MemSubottava;

    try {
        if (st.live().MemThru != st.sent().MemThru) {
            st.sent().MemThru = st.live().MemThru;
            indicators_.thruBodyChanged();
        }
        registrationChanged(st, indicators_);
    } catch (const std::exception&) {
        lifecycle_.Gest_Errore_advanced();
    }
}

void ConsoleUpdate::groupStep(int index) {
    const GroupStep& g = kSteps[index];
    const Division& d = division(g.division);
    ConsoleState& st = state_;
    Registration& live = st.live();
    Registration& sent = st.sent();

    bool changed = false;
    if (live.*g.position != sent.*g.position) {
        changed = true;
        // The position sent is the one read now: a click handled while this step waits is
        // left for the next pass.
        const int p = live.*g.position;
        const int old = sent.*g.position;
        if (inRange(p, g.rows))
            sysex_.Sysex_Sending(g.entryBase + p);

        if (g.reinforced) {
            const int f = live.*d.stops[0];
            const int a = live.*d.stops[2];
            const bool reinforce = (inRange(f, 30) && st.ReinforceFondi[f] == "1") ||
                                   (inRange(a, 20) && st.ReinforceAncie[a] == "1");
            sysex_.Sysex_Sending(reinforce ? d.reinforceOnEntry : d.reinforceOffEntry);
        }

        indicators_.drawstopMoved(g.division, g.group, inRange(old, g.rows) ? old : -1,
                                  inRange(p, g.rows) ? p : -1);

        sent.*g.position = static_cast<int16_t>(p);
        for (int part : g.temperamentParts)
            sysex_.Sysex_Temp_sending(part);
    }

    // A new stop rewrites its parts: its manual's balance, level and tremolo follow.
    if (d.isManual()) {
        const auto family = static_cast<StopFamily>(g.group);
        int16_t Registration::*bal = d.balance[static_cast<size_t>(g.group)];
        if (live.*bal != sent.*bal || changed) {
            levels_.sendBalance(d, family);
            indicators_.balanceShown(g.division, family, live.*bal);
        }
    }

    if (live.*d.level != sent.*d.level || changed) {
        settings_.applyLevel(d, live.*d.level);
        sent.*d.level = live.*d.level;
    }

    if (d.isManual()) {
        if (live.*d.tremulant != sent.*d.tremulant || changed) {
            levels_.sendTremulant(d, live.*d.tremulant);
            sent.*d.tremulant = live.*d.tremulant;
        }
    }
}

void ConsoleUpdate::couplerIndicators() {
    Registration& live = state_.live();
    Registration& sent = state_.sent();
    auto show = [&](int16_t Registration::*field, void (ConsoleListener::*shown)(int)) {
        if (live.*field == sent.*field)
            return;
        const int v = live.*field;
        if (v >= 0 && v <= 2)
            (indicators_.*shown)(v);
        sent.*field = live.*field;
    };
    show(&Registration::MemUnPedale, &ConsoleListener::pedalCouplerShown);
    show(&Registration::MemUnManuali, &ConsoleListener::manualCouplerShown);
}

void ConsoleUpdate::cancels() {
    Registration& live = state_.live();
    Registration& sent = state_.sent();
    // Family by family, Great before Swell.
    for (int g = 0; g < kFamilyCount; ++g) {
        for (DivisionId id : {DivisionId::Great, DivisionId::Swell}) {
            const Division& d = division(id);
            const auto family = static_cast<size_t>(g);
            const int16_t state = (live.*d.cancels)[family];
            if (state == (sent.*d.cancels)[family])
                continue;
            const bool drawn = live.*d.stops[family] != 0;
            indicators_.cancelShown(id, static_cast<StopFamily>(g), state != 0);
            if (drawn)
                sysex_.Sysex_Sending(state != 0 ? d.restoreEntry[family] : d.muteEntry[family]);
            (sent.*d.cancels)[family] = state;
        }
    }
}

} // namespace vorlo
