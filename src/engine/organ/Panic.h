#pragma once

namespace vorlo {

class MidiOutputPort;

// All notes off, twice, on each division channel.
class Panic {
public:
    explicit Panic(MidiOutputPort& player);
    void Panic_Click();

private:
    MidiOutputPort& player_;
};

} // namespace vorlo
