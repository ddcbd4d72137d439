#include "PanelCommandBindings.h"

#include "AdvancedWindowControls.h"
#include "CommandExecutor.h"
#include "DivisionControls.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "MidiLearn.h"

namespace vorlo {
namespace {

struct DrawstopArray {
    const ControlArrayId& controls;
    StopGroupCode group;
};

// Both panels' drawstops: the standard panel's labels and the graphic panel's knobs.
const DrawstopArray kDrawstops[] = {
    {ctl::main::Tir_FO_GO, StopGroupCode::GreatFondi},
    {ctl::main::Tir_FO_SW, StopGroupCode::SwellFondi},
    {ctl::main::Tir_FO_GO_graph, StopGroupCode::GreatFondi},
    {ctl::main::Tir_FO_SW_graph, StopGroupCode::SwellFondi},
    {ctl::main::Tir_MU_GO, StopGroupCode::GreatMutazioni},
    {ctl::main::Tir_MU_SW, StopGroupCode::SwellMutazioni},
    {ctl::main::Tir_AN_GO, StopGroupCode::GreatAncie},
    {ctl::main::Tir_AN_SW, StopGroupCode::SwellAncie},
    {ctl::main::NomePedale, StopGroupCode::Pedale},
    {ctl::main::Tir_MU_GO_graph, StopGroupCode::GreatMutazioni},
    {ctl::main::Tir_MU_SW_graph, StopGroupCode::SwellMutazioni},
    {ctl::main::Tir_AN_GO_graph, StopGroupCode::GreatAncie},
    {ctl::main::Tir_AN_SW_graph, StopGroupCode::SwellAncie},
    {ctl::main::Tir_PED_graph, StopGroupCode::Pedale},
};

} // namespace

void bindPanelCommands(Form& main, CommandExecutor& commands, MidiLearn& learn) {
    auto bind = [&commands, &learn](Control& control, ConsoleCommand command) {
        control.onClick = [&commands, command] { commands.execute(command); };
        learn.offer(control, command);
    };
    using C = ConsoleCommand;

    for (const DrawstopArray& a : kDrawstops) {
        for (int i = a.controls.first; i <= a.controls.last; ++i)
            bind(main(a.controls, i), C::drawStop(a.group, i));
    }
    for (int g = 1; g <= 2; ++g) {
        bind(main(ctl::main::Button_Annullatori_go, g), C::cancel(Manual::Great, g));
        bind(main(ctl::main::Button_Annullatori_sw, g), C::cancel(Manual::Swell, g));
    }
    bind(main(ctl::main::CancelALL), C::cancelAll());

    // Free memories as labels or LEDs, fixed memories as the ladder or LEDs.
    for (int i = 1; i <= 12; ++i) {
        bind(main(ctl::main::C_memory, i), C::freeMemory(i));
        bind(main(ctl::main::LedFree, i), C::freeMemory(i));
        bind(main(ctl::main::Graduatore, i), C::fixedMemory(i));
        bind(main(ctl::main::LedFix, i), C::fixedMemory(i));
    }
    bind(main(ctl::main::Rec_button), C::toggleRec());
    for (int i = 0; i < 2; ++i) {
        bind(main(ctl::main::TempMemButton, i), C::storeBuffer(i));
        bind(main(ctl::main::LoadBuffer, i), C::loadBuffer(i));
    }
    bind(main(ctl::main::CLEAR), C::clearFreeMemories());

    bind(main(ctl::main::UNPI), C::coupler(Coupler::GreatToPedal));
    bind(main(ctl::main::UNPII), C::coupler(Coupler::SwellToPedal));
    bind(main(ctl::main::UN_GOSW), C::coupler(Coupler::GoToSwell));
    bind(main(ctl::main::UN_SWGO), C::coupler(Coupler::SwellToGo));
    bind(main(ctl::main::Subottava), C::subOctave());
    bind(main(ctl::main::Tir_TREMOLOGO), C::tremulant(Manual::Great));
    bind(main(ctl::main::TIR_TREMOLOSW), C::tremulant(Manual::Swell));
    bind(main(ctl::main::THRUBUTTON), C::nextThruBody());
    bind(main(ctl::main::Panic), C::panic());
    bind(main(ctl::main::RESET), C::reset());

    bind(main(ctl::main::BankDown), C::stepBank(-1));
    bind(main(ctl::main::BankUp), C::stepBank(1));
    bind(main(ctl::main::SequencePrevious), C::sequencePrevious());
    bind(main(ctl::main::SequenceNext), C::sequenceNext());
    bind(main(ctl::main::CrescendoDown), C::stepCrescendo(-1));
    bind(main(ctl::main::CrescendoUp), C::stepCrescendo(1));
    bind(main(ctl::main::CrescendoStore), C::storeCrescendo());
    bind(main(ctl::main::TransposeDown), C::transposeStep(-1));
    bind(main(ctl::main::TransposeUp), C::transposeStep(1));
    bind(main(ctl::main::UndoButton), C::undoRegistration());
    bind(main(ctl::main::RedoButton), C::redoRegistration());
    learn.offersComplete();
}

void bindAdvancedCommands(Form& advanced, CommandExecutor& commands) {
    using C = ConsoleCommand;
    Form& f = advanced;
    for (int i = 1; i <= 2; ++i) {
        const Manual manual = i == 1 ? Manual::Great : Manual::Swell;
        for (StopFamily family : {StopFamily::Fondi, StopFamily::Mutazioni, StopFamily::Ance}) {
            Control& slider = f(*balanceControlsOf(family).slider, i);
            slider.onScroll = [&commands, &slider, manual, family] {
                commands.execute(C::setBalance(manual, family, slider.value()));
            };
        }
    }
    for (DivisionId id : {DivisionId::Great, DivisionId::Swell, DivisionId::Pedal}) {
        Control& slider = f(*controlsOf(id).levelSlider);
        slider.onScroll = [&commands, &slider, id] {
            commands.execute(C::setLevel(id, slider.value()));
        };
    }
    for (int i = 0; i < 3; ++i)
        f(ctl::advanced::OptionGlobalCoupling, i).onClick = [&commands, i] {
            commands.execute(C::setGlobalCoupling(i));
        };
    for (RecallOption option : {RecallOption::Globals, RecallOption::Balance}) {
        Control& box = f(ctl::advanced::Memory_Recall, static_cast<int>(option));
        box.onClick = [&commands, &box, option] {
            commands.execute(C::setRecallOption(option, box.value()));
        };
    }
    const std::pair<const ControlId*, SettingList> lists[] = {
        {&ctl::advanced::Temperamenti, SettingList::Temperament},
        {&ctl::advanced::NotaInizTemp, SettingList::TemperamentStart},
        {&ctl::advanced::Riverberi, SettingList::Reverb},
        {&ctl::advanced::TremoloType, SettingList::TremoloType}};
    for (const auto& [id, list] : lists) {
        Control& control = f(*id);
        control.onClick = [&commands, &control, list = list] {
            commands.execute(C::chooseSetting(list, control.listIndex()));
        };
    }
    Control& rate = f(ctl::advanced::SliderTremoloRate);
    rate.onScroll = [&commands, &rate] { commands.execute(C::setTremoloRate(rate.value())); };
}

} // namespace vorlo
