#pragma once

namespace vorlo {

class Console;

// Brings the sound module and the panel's indicators in line with the live console state: it
// compares the live slot with the sent slot item by item, sends what differs in a fixed
// order, records it in the sent slot and repaints what changed.
class ConsoleUpdate {
public:
    explicit ConsoleUpdate(Console& console);

    // A call made while an update is running (a click handled during a system-exclusive
    // delay) is deferred: it runs once the running update has finished, so no item is sent
    // twice.
    void AGGIORNAMENTO_VORLO();

private:
    void run();
    void groupStep(int step);
    void couplerIndicators();
    void cancels();

    Console& console_;
    bool running_ = false;
    bool again_ = false;
};

} // namespace vorlo
