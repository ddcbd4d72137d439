#include "SequencerDisplay.h"

#include "ConsoleState.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PanelState.h"

namespace vorlo {

SequencerDisplay::SequencerDisplay(const ConsoleState& state, PanelState& panel)
    : state_(state), panel_(panel) {}

QString SequencerDisplay::caption(int bank, int memory) {
    if (memory < 1)
        return QStringLiteral("Bank %1").arg(bank);
    return QStringLiteral("Bank %1 \u00b7 %2").arg(bank).arg(memory);
}

void SequencerDisplay::show() {
    panel_.form(ctl::main::Window)(ctl::main::BankShown)
        .setCaption(caption(state_.BankShown, state_.BankMemory));
}

void SequencerDisplay::bankShown(int, int) {
    show();
}

void SequencerDisplay::freeMemoryShown(int, MemoryLight light) {
    if (light == MemoryLight::Lit || light == MemoryLight::Unlit)
        show();
}

void SequencerDisplay::resetShown(ResetStep) {
    show();
}

void SequencerDisplay::crescendoShown(int stage) {
    panel_.form(ctl::main::Window)(ctl::main::CrescendoShown)
        .setCaption(QStringLiteral("Cresc %1").arg(stage));
}

} // namespace vorlo
