#include "LevelSender.h"

#include "MidiConstants.h"
#include "combination/Memories.h"
#include "core/Console.h"
#include "panel/AdvancedWindowControls.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

#include <algorithm>

namespace vorlo {
namespace {

// Values outside 0..127 (a damaged memory) must not reach the wire as status bytes.
uint8_t dataByte(int v) {
    return static_cast<uint8_t>(std::clamp(v, 0, 127));
}

} // namespace

LevelSender::LevelSender(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    main(ctl::main::Tir_TREMOLOGO).onClick = [this] { Tir_TREMOLOGO_Click(); };
    main(ctl::main::TIR_TREMOLOSW).onClick = [this] { TIR_TREMOLOSW_Click(); };
}

// Sends the division level and shows it under its slider.
static void sendLevel(Console& c, int channel, SlotArray& level, const ControlId& label) {
    c.MIDIOutput1().sendShort(midi::status(midi::ControlChange, channel), midi::CcExpression,
                              dataByte(level[SlotLive]));
    c.form(ctl::advanced::Window)(label).setCaption(QString::number(level[SlotLive]));
    level[SlotSent] = level[SlotLive];
}

// Sends a stop group's balance as its complement (127 = full level sends 0).
static void sendBalance(Console& c, int channel, uint8_t controller, SlotArray& balance,
                        const ControlArrayId& label, int element) {
    c.MIDIOutput1().sendShort(midi::status(midi::ControlChange, channel), controller,
                              dataByte(127 - balance[SlotLive]));
    c.form(ctl::advanced::Window)(label, element).setCaption(QString::number(balance[SlotLive]));
    balance[SlotSent] = balance[SlotLive];
}

void LevelSender::EXPRESSION_GO() {
    sendLevel(console_, midi::GreatChannel, console_.state().MemExprGO, ctl::advanced::EXPGO);
}

void LevelSender::EXPRESSION_SW() {
    sendLevel(console_, midi::SwellChannel, console_.state().MemExprSW, ctl::advanced::EXPSW);
}

void LevelSender::EXPRESSION_PE() {
    sendLevel(console_, midi::PedalChannel, console_.state().MemExprPE, ctl::advanced::EXPPE);
}

void LevelSender::BILANCIA_FONDI_GO() {
    sendBalance(console_, midi::GreatChannel, midi::CcVolume, console_.state().MemBalFO_GO,
                ctl::advanced::EXPfondi, 1);
}

void LevelSender::BILANCIA_FONDI_SW() {
    sendBalance(console_, midi::SwellChannel, midi::CcVolume, console_.state().MemBalFO_SW,
                ctl::advanced::EXPfondi, 2);
}

void LevelSender::BILANCIA_MUTAZ_GO() {
    sendBalance(console_, midi::GreatChannel, midi::CcBalance, console_.state().MemBalMU_GO,
                ctl::advanced::EXPmutazioni, 1);
}

void LevelSender::BILANCIA_MUTAZ_SW() {
    sendBalance(console_, midi::SwellChannel, midi::CcBalance, console_.state().MemBalMU_SW,
                ctl::advanced::EXPmutazioni, 2);
}

void LevelSender::BILANCIA_ANCIE_GO() {
    sendBalance(console_, midi::GreatChannel, midi::CcController9, console_.state().MemBalAN_GO,
                ctl::advanced::EXPancie, 1);
}

void LevelSender::BILANCIA_ANCIE_SW() {
    sendBalance(console_, midi::SwellChannel, midi::CcController9, console_.state().MemBalAN_SW,
                ctl::advanced::EXPancie, 2);
}

void LevelSender::Send_Tremolo_GO(int v) {
    const bool on = v == 1;
    console_.mainForm()(ctl::main::Tir_TREMOLOGO).setBackColor(on ? color::Lit : color::Unlit);
    console_.MIDIOutput1().sendShort(midi::status(midi::ControlChange, midi::GreatChannel),
                                     midi::CcModulation,
                                     on ? dataByte(console_.state().TremoloRate) : 0);
}

void LevelSender::Send_Tremolo_SW(int v) {
    const bool on = v == 1;
    console_.mainForm()(ctl::main::TIR_TREMOLOSW).setBackColor(on ? color::Lit : color::Unlit);
    console_.MIDIOutput1().sendShort(midi::status(midi::ControlChange, midi::SwellChannel),
                                     midi::CcModulation,
                                     on ? dataByte(console_.state().TremoloRate) : 0);
}

void LevelSender::Tir_TREMOLOGO_Click() {
    ConsoleState& st = console_.state();
    // The toggle starts from the state in force.
    st.MemTremGO[SlotLive] = st.MemTremGO[SlotSent] != 0 ? 0 : 1;
    Send_Tremolo_GO(st.MemTremGO[SlotLive]);
    st.MemTremGO[SlotSent] = st.MemTremGO[SlotLive];
    console_.memories().Marca_Led_giallo();
}

void LevelSender::TIR_TREMOLOSW_Click() {
    ConsoleState& st = console_.state();
    st.MemTremSW[SlotLive] = st.MemTremSW[SlotSent] != 0 ? 0 : 1;
    Send_Tremolo_SW(st.MemTremSW[SlotLive]);
    st.MemTremSW[SlotSent] = st.MemTremSW[SlotLive];
    console_.memories().Marca_Led_giallo();
}

} // namespace vorlo
