#include "ConsoleIndicators.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Division.h"
#include "DivisionControls.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "StopGroup.h"

#include <algorithm>
#include <functional>

namespace vorlo {

ConsoleIndicators::ConsoleIndicators(ConsoleState& state, PanelState& panel)
    : state_(state), main_(panel.form(ctl::main::Window)),
      advanced_(panel.form(ctl::advanced::Window)) {}

void ConsoleIndicators::drawstopMoved(DivisionId division, int group, int from, int to) {
    const ConsoleState& st = state_;
    const StopGroup& g = kStopGroups[static_cast<size_t>(group)];
    const bool great = division == DivisionId::Great;
    if (st.GraphicMode) {
        const Knobs k = knobsOf(division, group);
        if (from >= 0)
            main_(k.knobs, from).setPicture(k.off);
        if (to >= 0)
            main_(k.knobs, to).setPicture(k.on);
        return;
    }
    const ControlArrayId& names = *g.names;
    if (!g.isManual()) {
        if (from >= 0)
            main_(names, from).setBackColor(color::Unlit);
        if (to >= 0)
            main_(names, to).setBackColor(color::Lit);
        return;
    }
    const ControlArrayId& overlays = *(great ? g.overlayGo : g.overlaySw);
    // The same family on the other manual.
    const Division& other = vorlo::division(great ? DivisionId::Swell : DivisionId::Great);
    const int otherPosition = st.sent().*other.stops[static_cast<size_t>(group)];
    if (from >= 0) {
        main_(overlays, from).setCaption(QStringLiteral(" "));
        // A name stays lit while the other manual still has it drawn.
        if (otherPosition != from)
            main_(names, from).setBackColor(color::Unlit);
    }
    if (to >= 0) {
        main_(overlays, to).setCaption(great ? st.GreatTitle : st.SwellTitle);
        main_(names, to).setBackColor(color::Lit);
    }
}

void ConsoleIndicators::balanceShown(DivisionId division, StopFamily family, int value) {
    advanced_(*balanceControlsOf(family).slider, vorlo::division(division).balanceElement)
        .setValue(value);
}

void ConsoleIndicators::levelSent(DivisionId division, int value) {
    advanced_(*controlsOf(division).levelValue).setCaption(QString::number(value));
}

void ConsoleIndicators::balanceSent(DivisionId division, StopFamily family, int value) {
    advanced_(*balanceControlsOf(family).value, vorlo::division(division).balanceElement)
        .setCaption(QString::number(value));
}

void ConsoleIndicators::tremulantShown(DivisionId division, bool on) {
    main_(*controlsOf(division).tremulantButton).setBackColor(on ? color::Lit : color::Unlit);
}

void ConsoleIndicators::couplerShown(const ControlId& first, const ControlId& second, int value) {
    main_(first).setBackColor(value == 1 ? color::Lit : color::Unlit);
    main_(second).setBackColor(value == 2 ? color::Lit : color::Unlit);
}

void ConsoleIndicators::pedalCouplerShown(int value) {
    couplerShown(ctl::main::UNPI, ctl::main::UNPII, value);
}

void ConsoleIndicators::manualCouplerShown(int value) {
    couplerShown(ctl::main::UN_GOSW, ctl::main::UN_SWGO, value);
}

void ConsoleIndicators::cancelShown(DivisionId division, StopFamily family, bool sounding) {
    const QString prefix =
        division == DivisionId::Great ? QStringLiteral("Go") : QStringLiteral("Sw");
    Control& button = main_(*controlsOf(division).cancelButtons, static_cast<int>(family));
    button.setBackColor(sounding ? color::Unlit : color::Lit);
    button.setCaption(prefix + (sounding ? QStringLiteral(" Mute") : QStringLiteral(" Restore")));
}

void ConsoleIndicators::subOctaveShown(bool on) {
    main_(ctl::main::Subottava).setBackColor(on ? color::Lit : color::Unlit);
}

void ConsoleIndicators::settingsShown() {
    const ConsoleState& st = state_;
    const Registration& live = st.live();
    for (DivisionId id : {DivisionId::Great, DivisionId::Swell, DivisionId::Pedal}) {
        const Division& d = vorlo::division(id);
        levelShown(id, live.*d.level);
        levelSent(id, live.*d.level);
        if (!d.isManual())
            continue;
        for (StopFamily family : {StopFamily::Fondi, StopFamily::Mutazioni, StopFamily::Ance})
            balanceSent(id, family, live.*d.balance[static_cast<size_t>(family)]);
    }
    tremoloRateShown(st.TremoloRate);
    globalCouplingShown(std::clamp<int>(st.GlobalCoupling, 0, 2));
    recallOptionShown(0, st.RecallGlobals);
    recallOptionShown(1, st.RecallBalance);
    // A list without entries (no stops table names them) selects nothing.
    const struct {
        SettingList list;
        int16_t setting;
    } lists[] = {{SettingList::Temperament, st.Temperament},
                 {SettingList::Reverb, st.ReverbType},
                 {SettingList::TemperamentStart, st.TemperamentStart},
                 {SettingList::TremoloType, st.TremoloType}};
    for (const auto& l : lists)
        settingChosen(l.list, l.setting);
}

void ConsoleIndicators::knobsReleased(int slot) {
    const Registration& r = state_.slot(slot);
    for (size_t group = 0; group < kStopGroups.size(); ++group) {
        const StopGroup& g = kStopGroups[group];
        const std::initializer_list<DivisionId> manuals = {DivisionId::Great, DivisionId::Swell};
        const std::initializer_list<DivisionId> pedal = {DivisionId::Pedal};
        for (DivisionId id : g.isManual() ? manuals : pedal) {
            const Division& d = vorlo::division(id);
            const int p = r.*d.stops[g.isManual() ? group : 0];
            if (p >= 0 && p < g.count) {
                const Knobs k = knobsOf(id, static_cast<int>(group));
                main_(k.knobs, p).setPicture(k.off);
            }
        }
    }
}

ConsoleIndicators::Knobs ConsoleIndicators::knobsOf(DivisionId division, int group) const {
    const ConsoleState& st = state_;
    const StopGroup& g = kStopGroups[static_cast<size_t>(group)];
    if (!g.isManual())
        return {*g.knobsGo, st.PicDrawOff, st.PicDrawOn};
    if (division == DivisionId::Great)
        return {*g.knobsGo, st.PicDrawOffGO, st.PicDrawOnGO};
    return {*g.knobsSw, st.PicDrawOffSW, st.PicDrawOnSW};
}

// Setting a slider from the program runs no handler.
void ConsoleIndicators::levelShown(DivisionId division, int value) {
    advanced_(*controlsOf(division).levelSlider).setValue(value);
}

void ConsoleIndicators::tremoloRateShown(int rate) {
    advanced_(ctl::advanced::SliderTremoloRate).setValue(rate);
    advanced_(ctl::advanced::Valore).setCaption(QString::number(rate));
}

// The list shows the entry without running its handler: the choice is already in force and
// sent.
void ConsoleIndicators::settingChosen(SettingList list, int index) {
    static const ControlId* const kLists[] = {
        &ctl::advanced::Temperamenti, &ctl::advanced::NotaInizTemp, &ctl::advanced::Riverberi,
        &ctl::advanced::TremoloType};
    Control& control = advanced_(*kLists[static_cast<size_t>(list)]);
    if (!control.items().isEmpty())
        showSilently(control, [index](Control& c) { c.setListIndex(index); });
}

void ConsoleIndicators::globalCouplingShown(int coupling) {
    if (coupling >= 0 && coupling <= 2)
        showSilently(advanced_(ctl::advanced::OptionGlobalCoupling, coupling),
                     [](Control& c) { c.selectOption(); });
}

void ConsoleIndicators::recallOptionShown(int option, int value) {
    if (option == 0 || option == 1)
        showSilently(advanced_(ctl::advanced::Memory_Recall, option),
                     [value](Control& c) { c.setCheckValue(value); });
}

void ConsoleIndicators::showSilently(Control& control, const std::function<void(Control&)>& set) {
    std::function<void()> handler = std::move(control.onClick);
    control.onClick = nullptr;
    set(control);
    control.onClick = std::move(handler);
}

} // namespace vorlo
