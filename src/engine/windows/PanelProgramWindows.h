#pragma once

#include "ProgramWindows.h"

namespace vorlo {

class AdvancedControls;
class ConsoleState;
class Form;
class MidiPortSetup;
class OnScreenKeyboard;
class SoundSetup;
class PanelLayout;
class PanelState;
class ProgramLifecycle;
class StopCaptions;

// The windows as the program's start and end use them, and the main window's Exit button and
// close box, which ask the program to end.
class PanelProgramWindows : public ProgramWindows {
public:
    PanelProgramWindows(ConsoleState& state, PanelState& panel, PanelLayout& layout,
                        StopCaptions& captions, AdvancedControls& advanced,
                        ProgramLifecycle& lifecycle, MidiPortSetup& portSetup,
                        OnScreenKeyboard& keyboard, SoundSetup& sound);

    void exit_Click();

    void loadMainWindow() override;
    void buildPanel() override;
    void loadAdvancedWindow() override;
    void showWindows() override;
    bool editorAgreesToEnd() override;
    void unloadAll() override;
    void openSetupPage(SetupPage page) override;

private:
    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    PanelLayout& layout_;
    StopCaptions& captions_;
    AdvancedControls& advanced_;
    ProgramLifecycle& lifecycle_;
    MidiPortSetup& portSetup_;
    OnScreenKeyboard& keyboard_;
    SoundSetup& sound_;
};

} // namespace vorlo
