#include "PanelProgramWindows.h"

#include "AdvancedControls.h"
#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "EditorForm.h"
#include "MainWindowControls.h"
#include "MidiPortSetup.h"
#include "OnScreenKeyboard.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "ProgramLifecycle.h"
#include "SoundSetup.h"
#include "StopCaptions.h"

namespace vorlo {

PanelProgramWindows::PanelProgramWindows(ConsoleState& state, PanelState& panel,
                                         PanelLayout& layout, StopCaptions& captions,
                                         AdvancedControls& advanced, ProgramLifecycle& lifecycle,
                                         MidiPortSetup& portSetup, OnScreenKeyboard& keyboard,
                                         SoundSetup& sound)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), layout_(layout),
      captions_(captions), advanced_(advanced), lifecycle_(lifecycle), portSetup_(portSetup),
      keyboard_(keyboard), sound_(sound) {
    main_(ctl::main::Exit).onClick = [this] { exit_Click(); };
    main_.onQueryUnload = [this] { return !lifecycle_.Form_Unload(); };
}

void PanelProgramWindows::exit_Click() {
    lifecycle_.Form_Unload();
}

void PanelProgramWindows::loadMainWindow() {
    main_.setPicture(state_.appFile(QStringLiteral("bach.ico")));
    main_.setLoaded(true);
}

void PanelProgramWindows::buildPanel() {
    layout_.ATTIVA_DISATTIVA_GRAPHIC_Interface();
    if (state_.GraphicMode)
        layout_.LOAD_GRAPHIC_INTERFACE();
    else
        layout_.LOAD_NORMAL_INTERFACE();
}

void PanelProgramWindows::loadAdvancedWindow() {
    captions_.CARICAMENTO_LIST_BOXES();
    advanced_.Form_Load();
}

void PanelProgramWindows::showWindows() {
    Form& main = main_;
    main.setLeft(state_.MainLeft);
    main.setTop(state_.MainTop);
    panel_.form(ctl::advanced::Window).setVisible(true);
    main.setVisible(true);
}

bool PanelProgramWindows::editorAgreesToEnd() {
    Form& editor = panel_.form(ctl::editor::Window);
    return !editor.isLoaded() || editor.requestClose();
}

void PanelProgramWindows::unloadAll() {
    for (Form* f : panel_.forms()) {
        f->setVisible(false);
        f->setLoaded(false);
    }
}

void PanelProgramWindows::openSetupPage(SetupPage page) {
    switch (page) {
    case SetupPage::None:
        return;
    case SetupPage::OnScreenKeyboard:
        keyboard_.OnScreenKbd_Click();
        return;
    case SetupPage::Sound:
        sound_.SetSound_Click();
        return;
    case SetupPage::MidiDevices:
        break;
    }
    portSetup_.SetMidi_Click();
}

} // namespace vorlo
