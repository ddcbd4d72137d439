#pragma once

namespace vorlo {

class Console;

// The only senders of system-exclusive data: stored stops-table entries and the temperament
// messages, with the configured delay for modules that lose data sent back to back.
class SysexSender {
public:
    explicit SysexSender(Console& console);

    // Sends stops-table entry n (0..430; other indexes send nothing). With no delay the entry
    // goes out whole as one transmission; with a delay it is split after each F7, waiting
    // after every message, and bytes after the last F7 are never sent.
    void Sysex_Sending(int n);
    // Sends temperament message n (0..32), after the delay when one is set.
    void Sysex_Temp_sending(int n);

private:
    Console& console_;
};

} // namespace vorlo
