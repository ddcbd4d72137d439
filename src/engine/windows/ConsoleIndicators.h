#pragma once

#include "ConsoleListener.h"

#include <QString>
#include <functional>

namespace vorlo {

class ConsoleState;
class Control;
struct ControlArrayId;
struct ControlId;
class Form;
class PanelState;

// The panel's answer to a change of the registration in force: drawstops on whichever panel is
// shown, coupler, cancel and sub-octave buttons, and the Advanced window's values.
class ConsoleIndicators : public ConsoleListener {
public:
    ConsoleIndicators(ConsoleState& state, PanelState& panel);

    void drawstopMoved(DivisionId division, int group, int from, int to) override;
    void balanceShown(DivisionId division, StopFamily family, int value) override;
    void levelSent(DivisionId division, int value) override;
    void balanceSent(DivisionId division, StopFamily family, int value) override;
    void tremulantShown(DivisionId division, bool on) override;
    void pedalCouplerShown(int value) override;
    void manualCouplerShown(int value) override;
    void cancelShown(DivisionId division, StopFamily family, bool sounding) override;
    void subOctaveShown(bool on) override;
    // Sliders and captions without running their handlers; a list or an option whose
    // selection changes runs its handler, as a player's choice does.
    void settingsShown() override;
    void knobsReleased(int slot) override;
    void levelShown(DivisionId division, int value) override;
    void tremoloRateShown(int rate) override;
    void settingChosen(SettingList list, int index) override;
    void globalCouplingShown(int coupling) override;
    void recallOptionShown(int option, int value) override;

private:
    // A stop group's knobs on the graphic panel for a division, with their pictures.
    struct Knobs {
        const ControlArrayId& knobs;
        const QString& off;
        const QString& on;
    };
    Knobs knobsOf(DivisionId division, int group) const;
    // Sets a control as the program does, without running its click handler: what it shows is
    // already in force.
    static void showSilently(Control& control, const std::function<void(Control&)>& set);
    void couplerShown(const ControlId& first, const ControlId& second, int value);

    ConsoleState& state_;
    Form& main_;
    Form& advanced_;
};

} // namespace vorlo
