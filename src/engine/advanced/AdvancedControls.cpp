#include "AdvancedControls.h"

#include "TemperamentBuilder.h"
#include "combination/Memories.h"
#include "core/Console.h"
#include "core/ScreenMetrics.h"
#include "midi/LevelSender.h"
#include "midi/SysexSender.h"
#include "panel/AdvancedWindowControls.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

namespace vorlo {
namespace {

Form& advancedForm(Console& c) {
    return c.form(ctl::advanced::Window);
}

} // namespace

AdvancedControls::AdvancedControls(Console& console) : console_(console) {
    Form& f = advancedForm(console_);
    for (int i = 1; i <= 2; ++i) {
        f(ctl::advanced::SliderFondi, i).onScroll = [this, i] { SliderFondi_Scroll(i); };
        f(ctl::advanced::SliderMutazioni, i).onScroll = [this, i] { SliderMutazioni_Scroll(i); };
        f(ctl::advanced::SliderAncie, i).onScroll = [this, i] { SliderAncie_Scroll(i); };
    }
    f(ctl::advanced::SliderGO).onScroll = [this] { SliderGO_Scroll(); };
    f(ctl::advanced::SliderSW).onScroll = [this] { SliderSW_Scroll(); };
    f(ctl::advanced::SliderPE).onScroll = [this] { SliderPE_Scroll(); };
    for (int i = 0; i < 3; ++i)
        f(ctl::advanced::OptionGlobalCoupling, i).onClick = [this, i] {
            OptionGlobalCoupling_Click(i);
        };
    for (int i = 0; i < 2; ++i)
        f(ctl::advanced::Memory_Recall, i).onClick = [this, i] { Memory_Recall_Click(i); };
    f(ctl::advanced::Temperamenti).onClick = [this] { Temperamenti_Click(); };
    f(ctl::advanced::NotaInizTemp).onClick = [this] { NotaInizTemp_Click(); };
    f(ctl::advanced::Riverberi).onClick = [this] { Riverberi_Click(); };
    f(ctl::advanced::TremoloType).onClick = [this] { TremoloType_Click(); };
    f(ctl::advanced::SliderTremoloRate).onScroll = [this] { SliderTremoloRate_Scroll(); };
    // The window stays open as long as the console runs.
    f.onQueryUnload = [] { return true; };
    console_.mainForm()(ctl::main::advanced_s).onClick = [this] { advanced_s_Click(); };
}

void AdvancedControls::advanced_s_Click() {
    Form& f = advancedForm(console_);
    if (!f.isLoaded())
        Form_Load();
    f.setVisible(true);
}

void AdvancedControls::Form_Load() {
    const ConsoleState& st = console_.state();
    Form& f = advancedForm(console_);
    f.setLoaded(true);
    f.setWidth(9600);
    const double sw = console_.screen().screenWidthTwips();
    const double sh = console_.screen().screenHeightTwips();
    // Centred unless the whole window (as far as its size is known) lies on the screen.
    const double h = std::isnan(f.height()) ? 0 : f.height();
    const bool onScreen = st.AdvancedLeft >= 0 && st.AdvancedLeft + f.width() <= sw &&
                          st.AdvancedTop >= 0 && st.AdvancedTop + h <= sh;
    if (!onScreen) {
        f.setLeft(std::max(0.0, (sw - f.width()) / 2));
        f.setTop(std::max(0.0, (sh - h) / 2));
    } else {
        f.setLeft(st.AdvancedLeft);
        f.setTop(st.AdvancedTop);
    }
    f.setPicture(st.appFile(QStringLiteral("panda1.ico")));
}

// --- Balances: never coupled ---

void AdvancedControls::SliderFondi_Scroll(int index) {
    ConsoleState& st = console_.state();
    const int v = advancedForm(console_)(ctl::advanced::SliderFondi, index).value();
    if (index == 1) {
        st.MemBalFO_GO[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_FONDI_GO();
    } else {
        st.MemBalFO_SW[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_FONDI_SW();
    }
    console_.memories().Marca_Led_giallo();
}

void AdvancedControls::SliderMutazioni_Scroll(int index) {
    ConsoleState& st = console_.state();
    const int v = advancedForm(console_)(ctl::advanced::SliderMutazioni, index).value();
    if (index == 1) {
        st.MemBalMU_GO[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_MUTAZ_GO();
    } else {
        st.MemBalMU_SW[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_MUTAZ_SW();
    }
    console_.memories().Marca_Led_giallo();
}

void AdvancedControls::SliderAncie_Scroll(int index) {
    ConsoleState& st = console_.state();
    const int v = advancedForm(console_)(ctl::advanced::SliderAncie, index).value();
    if (index == 1) {
        st.MemBalAN_GO[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_ANCIE_GO();
    } else {
        st.MemBalAN_SW[SlotLive] = static_cast<int16_t>(v);
        console_.levels().BILANCIA_ANCIE_SW();
    }
    console_.memories().Marca_Led_giallo();
}

// --- Division levels, with the coupling of the global sliders ---
// Followers are moved and sent directly; their own handlers do not run.

void AdvancedControls::SliderGO_Scroll() {
    ConsoleState& st = console_.state();
    Form& f = advancedForm(console_);
    const auto v = static_cast<int16_t>(f(ctl::advanced::SliderGO).value());
    st.MemExprGO[SlotLive] = v;
    if (st.GlobalCoupling == 1) {
        f(ctl::advanced::SliderSW).setValue(v);
        st.MemExprSW[SlotLive] = v;
        console_.levels().EXPRESSION_SW();
    }
    if (st.GlobalCoupling == 2) {
        f(ctl::advanced::SliderSW).setValue(v);
        f(ctl::advanced::SliderPE).setValue(v);
        st.MemExprSW[SlotLive] = v;
        st.MemExprPE[SlotLive] = v;
        console_.levels().EXPRESSION_SW();
        console_.levels().EXPRESSION_PE();
    }
    console_.levels().EXPRESSION_GO();
    console_.memories().Marca_Led_giallo();
}

void AdvancedControls::SliderSW_Scroll() {
    ConsoleState& st = console_.state();
    Form& f = advancedForm(console_);
    const auto v = static_cast<int16_t>(f(ctl::advanced::SliderSW).value());
    st.MemExprSW[SlotLive] = v;
    if (st.GlobalCoupling == 1) {
        f(ctl::advanced::SliderGO).setValue(v);
        st.MemExprGO[SlotLive] = v;
        console_.levels().EXPRESSION_GO();
    }
    if (st.GlobalCoupling == 2) {
        f(ctl::advanced::SliderGO).setValue(v);
        f(ctl::advanced::SliderPE).setValue(v);
        st.MemExprGO[SlotLive] = v;
        st.MemExprPE[SlotLive] = v;
        console_.levels().EXPRESSION_GO();
        console_.levels().EXPRESSION_PE();
    }
    console_.levels().EXPRESSION_SW();
    console_.memories().Marca_Led_giallo();
}

void AdvancedControls::SliderPE_Scroll() {
    ConsoleState& st = console_.state();
    Form& f = advancedForm(console_);
    const auto v = static_cast<int16_t>(f(ctl::advanced::SliderPE).value());
    st.MemExprPE[SlotLive] = v;
    if (st.GlobalCoupling == 2) {
        f(ctl::advanced::SliderSW).setValue(v);
        f(ctl::advanced::SliderGO).setValue(v);
        st.MemExprSW[SlotLive] = v;
        st.MemExprGO[SlotLive] = v;
        console_.levels().EXPRESSION_SW();
        console_.levels().EXPRESSION_GO();
    }
    console_.levels().EXPRESSION_PE();
    console_.memories().Marca_Led_giallo();
}

void AdvancedControls::OptionGlobalCoupling_Click(int index) {
    console_.state().GlobalCoupling = static_cast<int16_t>(index);
}

void AdvancedControls::Memory_Recall_Click(int index) {
    ConsoleState& st = console_.state();
    const auto v =
        static_cast<int16_t>(advancedForm(console_)(ctl::advanced::Memory_Recall, index).value());
    if (index == 0)
        st.RecallGlobals = v;
    else
        st.RecallBalance = v;
}

// --- Temperament, reverb, tremolo ---

void AdvancedControls::Calcola_Sysex_Temp() {
    ConsoleState& st = console_.state();
    TemperamentBuilder::build(st.Table[st.Temperament + StopTable::kTemperamentFirst],
                              st.TemperamentStart, st.SysexTemp);
}

void AdvancedControls::sendTemperament() {
    Calcola_Sysex_Temp();
    for (int p = 1; p <= 32; ++p)
        console_.sysex().Sysex_Temp_sending(p);
}

void AdvancedControls::Temperamenti_Click() {
    const int i = advancedForm(console_)(ctl::advanced::Temperamenti).listIndex();
    if (i < 0)
        return;
    console_.state().Temperament = static_cast<int16_t>(i);
    sendTemperament();
}

void AdvancedControls::NotaInizTemp_Click() {
    const int i = advancedForm(console_)(ctl::advanced::NotaInizTemp).listIndex();
    console_.state().TemperamentStart = static_cast<int16_t>(i);
    sendTemperament();
}

void AdvancedControls::Riverberi_Click() {
    const int i = advancedForm(console_)(ctl::advanced::Riverberi).listIndex();
    if (i < 0)
        return;
    console_.state().ReverbType = static_cast<int16_t>(i);
    console_.sysex().Sysex_Sending(i + StopTable::kReverbFirst);
}

void AdvancedControls::TremoloType_Click() {
    const int i = advancedForm(console_)(ctl::advanced::TremoloType).listIndex();
    if (i < 0)
        return;
    console_.state().TremoloType = static_cast<int16_t>(i);
    const int first = i == 0 ? StopTable::kTremoloDouxFirst : StopTable::kTremoloFortFirst;
    console_.sysex().Sysex_Sending(first);
    console_.sysex().Sysex_Sending(first + 1);
}

void AdvancedControls::SliderTremoloRate_Scroll() {
    ConsoleState& st = console_.state();
    Form& f = advancedForm(console_);
    st.TremoloRate = static_cast<int16_t>(f(ctl::advanced::SliderTremoloRate).value());
    f(ctl::advanced::Valore).setCaption(QString::number(st.TremoloRate));
    console_.levels().Send_Tremolo_GO(st.MemTremGO[SlotLive]);
    console_.levels().Send_Tremolo_SW(st.MemTremSW[SlotLive]);
}

} // namespace vorlo
