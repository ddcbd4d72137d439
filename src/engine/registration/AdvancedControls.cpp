#include "AdvancedControls.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Division.h"
#include "DivisionControls.h"
#include "LevelSender.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "RegistrationChange.h"
#include "ScreenMetrics.h"
#include "SysexSender.h"
#include "TemperamentBuilder.h"

namespace vorlo {

AdvancedControls::AdvancedControls(ConsoleState& state, PanelState& panel, ScreenMetrics& screen,
                                   ConsoleListener& indicators, LevelSender& levels,
                                   SysexSender& sysex)
    : state_(state), adv_(panel.form(ctl::advanced::Window)), main_(panel.form(ctl::main::Window)),
      screen_(screen), indicators_(indicators), levels_(levels), sysex_(sysex) {
    Form& f = adv_;
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
    main_(ctl::main::advanced_s).onClick = [this] { advanced_s_Click(); };
}

void AdvancedControls::advanced_s_Click() {
    Form& f = adv_;
    if (!f.isLoaded())
        Form_Load();
    f.bringToFront();
}

void AdvancedControls::Form_Load() {
    const ConsoleState& st = state_;
    Form& f = adv_;
    f.setLoaded(true);
    f.setWidth(9600);
    const double sw = screen_.screenWidthTwips();
    const double sh = screen_.screenHeightTwips();
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

void AdvancedControls::balanceScrolled(StopFamily family, int index) {
    const Division& d = division(index == 1 ? DivisionId::Great : DivisionId::Swell);
    const int v = adv_(*balanceControlsOf(family).slider, index).value();
    state_.live().*d.balance[static_cast<size_t>(family)] = static_cast<int16_t>(v);
    levels_.sendBalance(d, family);
    registrationChanged(state_, indicators_);
}

void AdvancedControls::SliderFondi_Scroll(int index) {
    balanceScrolled(StopFamily::Fondi, index);
}

void AdvancedControls::SliderMutazioni_Scroll(int index) {
    balanceScrolled(StopFamily::Mutazioni, index);
}

void AdvancedControls::SliderAncie_Scroll(int index) {
    balanceScrolled(StopFamily::Ance, index);
}

// --- Division levels, with the coupling of the global sliders ---
// Followers are moved and sent directly; their own handlers do not run.

void AdvancedControls::levelScrolled(const Division& d) {
    applyLevel(d, static_cast<int16_t>(adv_(*controlsOf(d.id).levelSlider).value()));
}

void AdvancedControls::applyLevel(const Division& d, int16_t value) {
    ConsoleState& st = state_;
    // The slider keeps the value within its range: what it shows is what is sent.
    Control& slider = adv_(*controlsOf(d.id).levelSlider);
    slider.setValue(value);
    const auto v = static_cast<int16_t>(slider.value());
    st.live().*d.level = v;
    const std::initializer_list<DivisionId> none;
    const std::initializer_list<DivisionId>& followers = st.GlobalCoupling == 1   ? d.followManuals
                                                         : st.GlobalCoupling == 2 ? d.followAll
                                                                                  : none;
    for (DivisionId id : followers) {
        const Division& f = division(id);
        adv_(*controlsOf(f.id).levelSlider).setValue(v);
        st.live().*f.level = v;
    }
    for (DivisionId id : followers)
        levels_.sendLevel(division(id));
    levels_.sendLevel(d);
    registrationChanged(state_, indicators_);
}

void AdvancedControls::SliderGO_Scroll() {
    levelScrolled(division(DivisionId::Great));
}

void AdvancedControls::SliderSW_Scroll() {
    levelScrolled(division(DivisionId::Swell));
}

void AdvancedControls::SliderPE_Scroll() {
    levelScrolled(division(DivisionId::Pedal));
}

void AdvancedControls::OptionGlobalCoupling_Click(int index) {
    state_.GlobalCoupling = static_cast<int16_t>(index);
}

void AdvancedControls::Memory_Recall_Click(int index) {
    ConsoleState& st = state_;
    const auto v = static_cast<int16_t>(adv_(ctl::advanced::Memory_Recall, index).value());
    if (index == 0)
        st.RecallGlobals = v;
    else
        st.RecallBalance = v;
}

// --- Temperament, reverb, tremolo ---

void AdvancedControls::Calcola_Sysex_Temp() {
    ConsoleState& st = state_;
    TemperamentBuilder::build(st.Table[st.Temperament + StopTable::kTemperamentFirst],
                              st.TemperamentStart, st.SysexTemp);
}

void AdvancedControls::sendTemperament() {
    Calcola_Sysex_Temp();
    for (int p = 1; p <= 32; ++p)
        sysex_.Sysex_Temp_sending(p);
}

void AdvancedControls::Temperamenti_Click() {
    const int i = adv_(ctl::advanced::Temperamenti).listIndex();
    if (i < 0)
        return;
    state_.Temperament = static_cast<int16_t>(i);
    sendTemperament();
}

void AdvancedControls::NotaInizTemp_Click() {
    const int i = adv_(ctl::advanced::NotaInizTemp).listIndex();
    state_.TemperamentStart = static_cast<int16_t>(i);
    sendTemperament();
}

void AdvancedControls::Riverberi_Click() {
    const int i = adv_(ctl::advanced::Riverberi).listIndex();
    if (i < 0)
        return;
    state_.ReverbType = static_cast<int16_t>(i);
    sysex_.Sysex_Sending(i + StopTable::kReverbFirst);
}

void AdvancedControls::TremoloType_Click() {
    const int i = adv_(ctl::advanced::TremoloType).listIndex();
    if (i < 0)
        return;
    state_.TremoloType = static_cast<int16_t>(i);
    const int first = i == 0 ? StopTable::kTremoloDouxFirst : StopTable::kTremoloFortFirst;
    sysex_.Sysex_Sending(first);
    sysex_.Sysex_Sending(first + 1);
}

void AdvancedControls::SliderTremoloRate_Scroll() {
    ConsoleState& st = state_;
    Form& f = adv_;
    st.TremoloRate = static_cast<int16_t>(f(ctl::advanced::SliderTremoloRate).value());
    f(ctl::advanced::Valore).setCaption(QString::number(st.TremoloRate));
    levels_.Send_Tremolo_GO(st.live().MemTremGO);
    levels_.Send_Tremolo_SW(st.live().MemTremSW);
}

} // namespace vorlo
