#pragma once

namespace vorlo {

class ConsoleState;
class MidiOutputPort;
class WaitTimer;

// The only senders of system-exclusive data: stored stops-table entries and the temperament
// messages, with the configured delay for modules that lose data sent back to back.
class SysexSender {
public:
    SysexSender(ConsoleState& state, MidiOutputPort& output, WaitTimer& waiter);

    // Sends stops-table entry n (0..430; other indexes send nothing). With no delay the entry
    // goes out whole as one transmission; with a delay it is split after each F7, waiting
    // after every message, and bytes after the last F7 are never sent.
    void Sysex_Sending(int n);
    // Sends temperament message n (0..32), after the delay when one is set.
    void Sysex_Temp_sending(int n);

private:
    ConsoleState& state_;
    MidiOutputPort& output_;
    WaitTimer& waiter_;
};

} // namespace vorlo
