#include "ConsoleReset.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "ProgramLifecycle.h"
#include "SysexSender.h"
#include "WaitTimer.h"

namespace vorlo {

ConsoleReset::ConsoleReset(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                           WaitTimer& waiter, SysexSender& sysex, Memories& memories,
                           PanelLayout& layout, ConsoleUpdate& update, ProgramLifecycle& lifecycle)
    : state_(state), main_(panel.form(ctl::main::Window)),
      advanced_(panel.form(ctl::advanced::Window)), dialogs_(dialogs), waiter_(waiter),
      sysex_(sysex), memories_(memories), layout_(layout), update_(update), lifecycle_(lifecycle) {}

void ConsoleReset::RESET_Click() {
    RESET_vorlo2000();
}

void ConsoleReset::RESET_vorlo2000() {
    ConsoleState& st = state_;
    Form& main = main_;
    Form& adv = advanced_;
    Control& reset = main(ctl::main::RESET);

    reset.setBackColor(color::Lit);
    sysex_.Sysex_Sending(0);
    waiter_.Waiting_Timer(100);
    sysex_.Sysex_Sending(1);
    waiter_.Waiting_Timer(2);
    sysex_.Sysex_Sending(2);
    waiter_.Waiting_Timer(2);
    sysex_.Sysex_Sending(3);
    sysex_.Sysex_Sending(st.ReverbType + StopTable::kReverbFirst);

    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();

    // The knobs drawn before the reset go back to "off", whichever panel is shown.
    showKnobsOff(SlotLive);

    st.ResetConsoleSlots();

    adv(ctl::advanced::SliderGO).setValue(st.live().MemExprGO);
    adv(ctl::advanced::SliderSW).setValue(st.live().MemExprSW);
    adv(ctl::advanced::SliderPE).setValue(st.live().MemExprPE);
    adv(ctl::advanced::EXPGO).setCaption(QString::number(st.live().MemExprGO));
    adv(ctl::advanced::EXPSW).setCaption(QString::number(st.live().MemExprSW));
    adv(ctl::advanced::EXPPE).setCaption(QString::number(st.live().MemExprPE));
    adv(ctl::advanced::EXPfondi, 1).setCaption(QString::number(st.live().MemBalFO_GO));
    adv(ctl::advanced::EXPmutazioni, 1).setCaption(QString::number(st.live().MemBalMU_GO));
    adv(ctl::advanced::EXPancie, 1).setCaption(QString::number(st.live().MemBalAN_GO));
    adv(ctl::advanced::EXPfondi, 2).setCaption(QString::number(st.live().MemBalFO_SW));
    adv(ctl::advanced::EXPmutazioni, 2).setCaption(QString::number(st.live().MemBalMU_SW));
    adv(ctl::advanced::EXPancie, 2).setCaption(QString::number(st.live().MemBalAN_SW));
    adv(ctl::advanced::SliderTremoloRate).setValue(st.TremoloRate);

    layout_.VISUALIZZA_LED_O_PANNELLINI();

    st.RecArmed = false;
    main(ctl::main::Rec_button).setBackColor(color::ButtonFace);
    st.LastMemory = 1;
    st.MemoryUnchanged = false;
    for (const ControlId& id :
         {ctl::main::Tir_TREMOLOGO, ctl::main::TIR_TREMOLOSW, ctl::main::UNPI, ctl::main::UNPII})
        main(id).setBackColor(color::ButtonFace);
    main(ctl::main::THRUBUTTON).setVisible(st.ThruMode == 1);

    try {
        selectStoredLists();
        memories_.Scrivi_Label_memorie();
        main(ctl::main::EnableCFG).setChecked(st.SaveCfgOnExit == 1);
        main(ctl::main::DisplayLeds).setChecked(st.MemoryLedsShown);
        st.MemoryLedsShown = main(ctl::main::DisplayLeds).isChecked();
        update_.AGGIORNAMENTO_VORLO();
    } catch (const std::exception&) {
        lifecycle_.Gest_Errore_advanced();
        return;
    }
    reset.setBackColor(color::ButtonFace);
}

void ConsoleReset::showKnobsOff(int slot) {
    ConsoleState& st = state_;
    Form& main = main_;
    const struct {
        const ControlArrayId& knobs;
        int16_t Registration::*field;
        const QString& off;
        int rows;
    } knobs[] = {
        {ctl::main::Tir_FO_GO_graph, &Registration::MemFO_GO, st.PicDrawOffGO, 30},
        {ctl::main::Tir_MU_GO_graph, &Registration::MemMU_GO, st.PicDrawOffGO, 20},
        {ctl::main::Tir_AN_GO_graph, &Registration::MemAN_GO, st.PicDrawOffGO, 20},
        {ctl::main::Tir_FO_SW_graph, &Registration::MemFO_SW, st.PicDrawOffSW, 30},
        {ctl::main::Tir_MU_SW_graph, &Registration::MemMU_SW, st.PicDrawOffSW, 20},
        {ctl::main::Tir_AN_SW_graph, &Registration::MemAN_SW, st.PicDrawOffSW, 20},
        {ctl::main::Tir_PED_graph, &Registration::MemPED, st.PicDrawOff, 20},
    };
    for (const auto& k : knobs) {
        const int p = st.slot(slot).*k.field;
        if (p >= 0 && p < k.rows)
            main(k.knobs, p).setPicture(k.off);
    }
}

void ConsoleReset::selectStoredLists() {
    ConsoleState& st = state_;
    selectStoredListEntry(ctl::advanced::Temperamenti, st.Temperament,
                          QStringLiteral("temperament"));
    selectStoredListEntry(ctl::advanced::Riverberi, st.ReverbType, QStringLiteral("reverb"));
    selectStoredListEntry(ctl::advanced::NotaInizTemp, st.TemperamentStart,
                          QStringLiteral("tuning start note"));
    selectStoredListEntry(ctl::advanced::TremoloType, st.TremoloType,
                          QStringLiteral("tremolo type"));
}

void ConsoleReset::selectStoredListEntry(const ControlId& list, int16_t& setting,
                                         const QString& what) {
    Control& l = advanced_(list);
    const int count = static_cast<int>(l.items().size());
    if (count == 0)
        return; // the stops table names no entries for this list
    if (setting < 0 || setting >= count) {
        dialogs_.message(QStringLiteral("The stored %1 number %2 is not in the list of this "
                                        "stops table: the first %1 is used.")
                             .arg(what)
                             .arg(setting),
                         state_.ProgramTitle, Dialogs::Icon::Exclamation);
        setting = 0;
    }
    l.setListIndex(setting);
}

void ConsoleReset::Fine_Setup() {
    selectStoredLists();
    memories_.Scrivi_Label_memorie();
    RESET_Click();
}

} // namespace vorlo
