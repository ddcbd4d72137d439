#pragma once

namespace vorlo {

class Form;
class MidiOutputPort;
class PanelState;

// All notes off, twice, on each division channel.
class Panic {
public:
    Panic(PanelState& panel, MidiOutputPort& player);
    void Panic_Click();

private:
    Form& main_;
    MidiOutputPort& player_;
};

} // namespace vorlo
