#include "ConsoleUpdate.h"

#include "LevelSender.h"
#include "SysexSender.h"
#include "Thru.h"
#include "advanced/AdvancedControls.h"
#include "combination/Memories.h"
#include "core/Console.h"
#include "panel/AdvancedWindowControls.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

#include <initializer_list>

namespace vorlo {
namespace {

enum class Manual { Great, Swell, Pedal };

// What one stop group's step compares, sends and repaints.
struct GroupStep {
    SlotArray ConsoleSlots::*position;
    int entryBase;
    int rows;        // 30 Fondi, 20 the others
    bool reinforced; // Fondi and Ancie/Archi steps re-send the manual's reinforcement
    Manual manual;
    std::initializer_list<int> temperamentParts;
    SlotArray ConsoleSlots::*balance; // nullptr for the Pedal
    void (LevelSender::*sendBalance)();
    const ControlArrayId* balanceSlider; // Advanced window slider array, element 1 Great, 2 Swell
    const ControlArrayId* knobs;         // graphic panel drawstops
    const ControlArrayId* indicators;    // standard panel drawstop overlays (nullptr for the Pedal)
    const ControlArrayId* names;         // standard panel stop names, shared by both manuals
    SlotArray ConsoleSlots::*otherManual; // the same family on the other manual
};

const GroupStep kSteps[7] = {
    {&ConsoleSlots::MemFO_GO,
     StopTable::kFondiGreat,
     30,
     true,
     Manual::Great,
     {1, 2, 3, 4, 5},
     &ConsoleSlots::MemBalFO_GO,
     &LevelSender::BILANCIA_FONDI_GO,
     &ctl::advanced::SliderFondi,
     &ctl::main::Tir_FO_GO_graph,
     &ctl::main::Tir_FO_GO,
     &ctl::main::NomeFondi,
     &ConsoleSlots::MemFO_SW},
    {&ConsoleSlots::MemFO_SW,
     StopTable::kFondiSwell,
     30,
     true,
     Manual::Swell,
     {17, 18, 19, 20, 21},
     &ConsoleSlots::MemBalFO_SW,
     &LevelSender::BILANCIA_FONDI_SW,
     &ctl::advanced::SliderFondi,
     &ctl::main::Tir_FO_SW_graph,
     &ctl::main::Tir_FO_SW,
     &ctl::main::NomeFondi,
     &ConsoleSlots::MemFO_GO},
    {&ConsoleSlots::MemMU_GO,
     StopTable::kMutazioniGreat,
     20,
     false,
     Manual::Great,
     {11, 12, 13},
     &ConsoleSlots::MemBalMU_GO,
     &LevelSender::BILANCIA_MUTAZ_GO,
     &ctl::advanced::SliderMutazioni,
     &ctl::main::Tir_MU_GO_graph,
     &ctl::main::Tir_MU_GO,
     &ctl::main::NomeMutaz,
     &ConsoleSlots::MemMU_SW},
    {&ConsoleSlots::MemMU_SW,
     StopTable::kMutazioniSwell,
     20,
     false,
     Manual::Swell,
     {27, 28, 29},
     &ConsoleSlots::MemBalMU_SW,
     &LevelSender::BILANCIA_MUTAZ_SW,
     &ctl::advanced::SliderMutazioni,
     &ctl::main::Tir_MU_SW_graph,
     &ctl::main::Tir_MU_SW,
     &ctl::main::NomeMutaz,
     &ConsoleSlots::MemMU_GO},
    {&ConsoleSlots::MemAN_GO,
     StopTable::kAncieGreat,
     20,
     true,
     Manual::Great,
     {6, 7, 8, 9},
     &ConsoleSlots::MemBalAN_GO,
     &LevelSender::BILANCIA_ANCIE_GO,
     &ctl::advanced::SliderAncie,
     &ctl::main::Tir_AN_GO_graph,
     &ctl::main::Tir_AN_GO,
     &ctl::main::NomeAnce,
     &ConsoleSlots::MemAN_SW},
    {&ConsoleSlots::MemAN_SW,
     StopTable::kAncieSwell,
     20,
     true,
     Manual::Swell,
     {22, 23, 24, 25},
     &ConsoleSlots::MemBalAN_SW,
     &LevelSender::BILANCIA_ANCIE_SW,
     &ctl::advanced::SliderAncie,
     &ctl::main::Tir_AN_SW_graph,
     &ctl::main::Tir_AN_SW,
     &ctl::main::NomeAnce,
     &ConsoleSlots::MemAN_GO},
    {&ConsoleSlots::MemPED,
     StopTable::kPedale,
     20,
     false,
     Manual::Pedal,
     {14, 15, 16, 30, 31, 32},
     nullptr,
     nullptr,
     nullptr,
     &ctl::main::Tir_PED_graph,
     nullptr,
     &ctl::main::NomePedale,
     nullptr},
};

bool inRange(int p, int rows) {
    return p >= 0 && p < rows;
}

} // namespace

ConsoleUpdate::ConsoleUpdate(Console& console) : console_(console) {}

void ConsoleUpdate::AGGIORNAMENTO_VORLO() {
    if (running_) {
        // Called from an event handled while this update waits between messages: the items
        // it changed are picked up by a fresh pass once the running one has finished.
        again_ = true;
        return;
    }
    running_ = true;
    struct Guard {
        bool& flag;
        ~Guard() { flag = false; }
    } guard{running_};
    do {
        again_ = false;
        run();
    } while (again_ && !console_.hasEnded());
}

void ConsoleUpdate::run() {
    for (int step = 0; step < 7; ++step)
        groupStep(step);
    couplerIndicators();
    cancels();

    ConsoleState& st = console_.state();
    console_.mainForm()(ctl::main::Subottava)
        .setBackColor(st.MemSubottava[SlotLive] == 1 ? color::Lit : color::Unlit);
    st.MemSubottava[SlotSent] = st.MemSubottava[SlotLive];

    try {
        if (st.MemThru[SlotLive] != st.MemThru[SlotSent]) {
            st.MemThru[SlotSent] = st.MemThru[SlotLive];
            console_.thru().refreshThruButton();
        }
        console_.memories().Marca_Led_giallo();
    } catch (const std::exception&) {
        console_.Gest_Errore_advanced();
    }
}

void ConsoleUpdate::groupStep(int index) {
    const GroupStep& g = kSteps[index];
    ConsoleState& st = console_.state();
    Form& main = console_.mainForm();
    Form& adv = console_.form(ctl::advanced::Window);
    SlotArray& pos = st.*g.position;
    const bool great = g.manual == Manual::Great;
    const int element = great ? 1 : 2;

    bool changed = false;
    if (pos[SlotLive] != pos[SlotSent]) {
        changed = true;
        // The position sent is the one read now: a click handled while this step waits is
        // left for the next pass.
        const int p = pos[SlotLive];
        const int old = pos[SlotSent];
        if (inRange(p, g.rows))
            console_.sysex().Sysex_Sending(g.entryBase + p);

        if (g.reinforced) {
            const int f = great ? st.MemFO_GO[SlotLive] : st.MemFO_SW[SlotLive];
            const int a = great ? st.MemAN_GO[SlotLive] : st.MemAN_SW[SlotLive];
            const bool reinforce = (inRange(f, 30) && st.ReinforceFondi[f] == "1") ||
                                   (inRange(a, 20) && st.ReinforceAncie[a] == "1");
            if (great)
                console_.sysex().Sysex_Sending(reinforce ? StopTable::kGreatReinforceOn
                                                         : StopTable::kGreatReinforceOff);
            else
                console_.sysex().Sysex_Sending(reinforce ? StopTable::kSwellReinforceOn
                                                         : StopTable::kSwellReinforceOff);
        }

        // Indicators: the old position goes dark, the new one lights.
        if (st.GraphicMode) {
            const ControlArrayId& knobs = *g.knobs;
            const QString& off = g.manual == Manual::Great   ? st.PicDrawOffGO
                                 : g.manual == Manual::Swell ? st.PicDrawOffSW
                                                             : st.PicDrawOff;
            const QString& on = g.manual == Manual::Great   ? st.PicDrawOnGO
                                : g.manual == Manual::Swell ? st.PicDrawOnSW
                                                            : st.PicDrawOn;
            if (inRange(old, g.rows))
                main(knobs, old).setPicture(off);
            if (inRange(p, g.rows))
                main(knobs, p).setPicture(on);
        } else {
            const ControlArrayId& names = *g.names;
            if (g.indicators) {
                const ControlArrayId& indicators = *g.indicators;
                if (inRange(old, g.rows)) {
                    main(indicators, old).setCaption(QStringLiteral(" "));
                    // A name stays lit while the other manual still has it drawn.
                    if ((st.*g.otherManual)[SlotSent] != old)
                        main(names, old).setBackColor(color::Unlit);
                }
                if (inRange(p, g.rows)) {
                    main(indicators, p).setCaption(great ? st.GreatTitle : st.SwellTitle);
                    main(names, p).setBackColor(color::Lit);
                }
            } else {
                if (inRange(old, g.rows))
                    main(names, old).setBackColor(color::Unlit);
                if (inRange(p, g.rows))
                    main(names, p).setBackColor(color::Lit);
            }
        }

        pos[SlotSent] = static_cast<int16_t>(p);
        for (int part : g.temperamentParts)
            console_.sysex().Sysex_Temp_sending(part);
    }

    // A new stop rewrites its parts: its manual's balance, level and tremolo follow.
    if (g.balance) {
        SlotArray& bal = st.*g.balance;
        if (bal[SlotLive] != bal[SlotSent] || changed) {
            (console_.levels().*g.sendBalance)();
            adv(*g.balanceSlider, element).setValue(bal[SlotLive]);
        }
    }

    SlotArray& level = g.manual == Manual::Great   ? st.MemExprGO
                       : g.manual == Manual::Swell ? st.MemExprSW
                                                   : st.MemExprPE;
    if (level[SlotLive] != level[SlotSent] || changed) {
        AdvancedControls& a = console_.advanced();
        switch (g.manual) {
        case Manual::Great:
            adv(ctl::advanced::SliderGO).setValue(level[SlotLive]);
            a.SliderGO_Scroll();
            break;
        case Manual::Swell:
            adv(ctl::advanced::SliderSW).setValue(level[SlotLive]);
            a.SliderSW_Scroll();
            break;
        case Manual::Pedal:
            adv(ctl::advanced::SliderPE).setValue(level[SlotLive]);
            a.SliderPE_Scroll();
            break;
        }
        level[SlotSent] = level[SlotLive];
    }

    if (g.manual != Manual::Pedal) {
        SlotArray& trem = great ? st.MemTremGO : st.MemTremSW;
        if (trem[SlotLive] != trem[SlotSent] || changed) {
            if (great)
                console_.levels().Send_Tremolo_GO(trem[SlotLive]);
            else
                console_.levels().Send_Tremolo_SW(trem[SlotLive]);
            trem[SlotSent] = trem[SlotLive];
        }
    }
}

void ConsoleUpdate::couplerIndicators() {
    ConsoleState& st = console_.state();
    Form& main = console_.mainForm();
    auto paint = [&](SlotArray& field, const ControlId& first, const ControlId& second) {
        if (field[SlotLive] == field[SlotSent])
            return;
        const int v = field[SlotLive];
        if (v >= 0 && v <= 2) {
            main(first).setBackColor(v == 1 ? color::Lit : color::Unlit);
            main(second).setBackColor(v == 2 ? color::Lit : color::Unlit);
        }
        field[SlotSent] = field[SlotLive];
    };
    paint(st.MemUnPedale, ctl::main::UNPI, ctl::main::UNPII);
    paint(st.MemUnManuali, ctl::main::UN_GOSW, ctl::main::UN_SWGO);
}

void ConsoleUpdate::cancels() {
    ConsoleState& st = console_.state();
    Form& main = console_.mainForm();
    // Mute and restore entries per family (0 Fondi, 1 Mutazioni, 2 Ancie/Archi).
    const int greatMute[3] = {StopTable::kGreatMuteFondi, StopTable::kGreatMuteMutazioni,
                              StopTable::kGreatMuteAncie};
    const int greatRestore[3] = {StopTable::kGreatRestoreFondi, StopTable::kGreatRestoreMutazioni,
                                 StopTable::kGreatRestoreAncie};
    const int swellMute[3] = {StopTable::kSwellMuteFondi, StopTable::kSwellMuteMutazioni,
                              StopTable::kSwellMuteAncie};
    const int swellRestore[3] = {StopTable::kSwellRestoreFondi, StopTable::kSwellRestoreMutazioni,
                                 StopTable::kSwellRestoreAncie};
    const SlotArray* greatPos[3] = {&st.MemFO_GO, &st.MemMU_GO, &st.MemAN_GO};
    const SlotArray* swellPos[3] = {&st.MemFO_SW, &st.MemMU_SW, &st.MemAN_SW};

    for (int g = 0; g < 3; ++g) {
        for (int m = 0; m < 2; ++m) {
            const bool great = m == 0;
            SlotArray& cancel = great ? st.MemAnnullGO[g] : st.MemAnnullSW[g];
            if (cancel[SlotLive] == cancel[SlotSent])
                continue;
            const int16_t state = cancel[SlotLive];
            const QString prefix = great ? QStringLiteral("Go") : QStringLiteral("Sw");
            Control& button = main(
                great ? ctl::main::Button_Annullatori_go : ctl::main::Button_Annullatori_sw, g);
            const bool drawn = (*(great ? greatPos : swellPos)[g])[SlotLive] != 0;
            if (state != 0) {
                button.setBackColor(color::Unlit);
                button.setCaption(prefix + QStringLiteral(" Mute"));
                if (drawn)
                    console_.sysex().Sysex_Sending(great ? greatRestore[g] : swellRestore[g]);
            } else {
                button.setBackColor(color::Lit);
                button.setCaption(prefix + QStringLiteral(" Restore"));
                if (drawn)
                    console_.sysex().Sysex_Sending(great ? greatMute[g] : swellMute[g]);
            }
            cancel[SlotSent] = state;
        }
    }
}

} // namespace vorlo
