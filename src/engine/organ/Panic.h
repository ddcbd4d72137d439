#pragma once

namespace vorlo {

class MidiOutputPort;

// All notes off, twice, on each division channel.
class Panic {
public:
    explicit Panic(MidiOutputPort& player);
    // Sends all notes off, twice on each division channel, ahead of any waiting registration.
    void allNotesOff();
    void Panic_Click() { allNotesOff(); }

private:
    MidiOutputPort& player_;
};

} // namespace vorlo
