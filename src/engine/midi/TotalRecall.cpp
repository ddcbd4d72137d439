#include "TotalRecall.h"

#include "Couplers.h"
#include "LevelSender.h"
#include "Panic.h"
#include "Thru.h"
#include "advanced/AdvancedControls.h"
#include "combination/Buffers.h"
#include "combination/Drawstops.h"
#include "combination/Memories.h"
#include "core/Console.h"
#include "panel/AdvancedWindowControls.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"
#include "panel/TotalRecallWindowControls.h"

namespace vorlo {
namespace {

struct Target {
    int code;
    SlotArray ConsoleSlots::*field;
    int rows;
    void (Drawstops::*draw)(int);
};

const Target kTargets[] = {
    {11, &ConsoleSlots::MemFO_GO, 30, &Drawstops::Tir_FO_GO_Click},
    {12, &ConsoleSlots::MemMU_GO, 20, &Drawstops::Tir_MU_GO_Click},
    {13, &ConsoleSlots::MemAN_GO, 20, &Drawstops::Tir_AN_GO_Click},
    {21, &ConsoleSlots::MemFO_SW, 30, &Drawstops::Tir_FO_SW_Click},
    {22, &ConsoleSlots::MemMU_SW, 20, &Drawstops::Tir_MU_SW_Click},
    {23, &ConsoleSlots::MemAN_SW, 20, &Drawstops::Tir_AN_SW_Click},
    {31, &ConsoleSlots::MemPED, 20, &Drawstops::NomePedale_Click},
};

} // namespace

TotalRecall::TotalRecall(Console& console) : console_(console) {
    console_.mainForm()(ctl::main::totRec).onClick = [this] { totRec_Click(); };
}

void TotalRecall::totRec_Click() {
    Form& f = console_.form(ctl::totalrecall::Window);
    if (!f.isLoaded())
        Form_Load();
    f.setVisible(true);
}

void TotalRecall::Form_Load() {
    const ConsoleState& st = console_.state();
    Form& f = console_.form(ctl::totalrecall::Window);
    f.setLoaded(true);
    f(ctl::totalrecall::Image1).setPicture(st.appFile(QStringLiteral("tastiera.bmp")));
    f.setPicture(st.appFile(QStringLiteral("pingu1.ico")));
    f(ctl::totalrecall::LabelNomeprog).setCaption(st.ProgramTitle);
}

void TotalRecall::Total_Recall(int key) {
    ConsoleState& st = console_.state();
    Drawstops& d = console_.drawstops();

    auto step = [&](int s) {
        st.RecallStep = static_cast<int16_t>(s);
        for (const Target& t : kTargets) {
            if (t.code != st.RecallTarget)
                continue;
            const int p = (st.*t.field)[SlotLive] + s;
            // No wrap-around and no clamping: a step past either end does nothing.
            if (p >= 0 && p < t.rows)
                (d.*t.draw)(p);
        }
    };
    // Moves one of the Advanced window's lists to a neighbour within the list, then runs its
    // handler (which sends the setting again even when the list stayed at its end).
    auto listStep = [&](const ControlId& id, int delta, void (AdvancedControls::*handler)()) {
        Control& list = console_.form(ctl::advanced::Window)(id);
        const int last = static_cast<int>(list.items().size()) - 1;
        if (last < 0)
            return;
        list.setListIndex(std::clamp(list.listIndex() + delta, 0, last));
        (console_.advanced().*handler)();
    };
    auto disarm = [&] { st.SwitchEventArmed = false; };

    switch (key) {
    case 36:
        step(-10);
        break;
    case 37:
        step(-1);
        break;
    case 39:
        step(1);
        break;
    case 40:
        step(10);
        break;
    case 38:
        for (const Target& t : kTargets) {
            if (t.code == st.RecallTarget)
                (d.*t.draw)(14);
        }
        step(0);
        break;
    case 41:
        st.RecallTarget = 11;
        break;
    case 42:
        st.RecallTarget = 21;
        break;
    case 43:
        st.RecallTarget = 12;
        break;
    case 44:
        st.RecallTarget = 22;
        break;
    case 45:
        st.RecallTarget = 13;
        break;
    case 46:
        st.RecallTarget = 23;
        break;
    case 47:
        st.RecallTarget = 31;
        break;
    case 48:
        console_.couplers().UN_GOSW_Click();
        disarm();
        break;
    case 49:
        console_.couplers().UNPI_Click();
        disarm();
        break;
    case 50:
        console_.couplers().UN_SWGO_Click();
        disarm();
        break;
    case 51:
        console_.couplers().UNPII_Click();
        disarm();
        break;
    case 52:
        console_.buffers().CLEAR_Click();
        disarm();
        break;
    case 53:
        console_.memories().Rec_button_Click();
        break;
    case 54:
        console_.thru().THRUBUTTON_Click();
        disarm();
        break;
    case 55:
        console_.RESET_Click();
        disarm();
        break;
    case 56:
        console_.levels().TIR_TREMOLOSW_Click();
        disarm();
        break;
    case 57:
        d.CancelALL_Click();
        disarm();
        break;
    case 58:
        console_.levels().Tir_TREMOLOGO_Click();
        disarm();
        break;
    case 84:
        d.Button_Annullatori_go_Click(1);
        break;
    case 85:
        d.Button_Annullatori_sw_Click(1);
        break;
    case 86:
        d.Button_Annullatori_go_Click(2);
        break;
    case 87:
        d.Button_Annullatori_sw_Click(2);
        break;
    case 89:
        listStep(ctl::advanced::Temperamenti, -1, &AdvancedControls::Temperamenti_Click);
        break;
    case 90:
        listStep(ctl::advanced::Temperamenti, 1, &AdvancedControls::Temperamenti_Click);
        break;
    case 91:
        listStep(ctl::advanced::NotaInizTemp, -1, &AdvancedControls::NotaInizTemp_Click);
        break;
    case 92:
        listStep(ctl::advanced::NotaInizTemp, 1, &AdvancedControls::NotaInizTemp_Click);
        break;
    case 93:
        listStep(ctl::advanced::Riverberi, -1, &AdvancedControls::Riverberi_Click);
        break;
    case 94:
        listStep(ctl::advanced::Riverberi, 1, &AdvancedControls::Riverberi_Click);
        break;
    default:
        // Key 59 and every key outside the map: all notes off, and the command ends.
        console_.panic().Panic_Click();
        disarm();
        break;
    }
}

} // namespace vorlo
