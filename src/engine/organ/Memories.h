#pragma once

namespace vorlo {

class ConfigurationStore;
class ConsoleListener;
class ConsoleState;
class ConsoleUpdate;
class LevelSender;
class RecoveryCopy;

// Twelve free and twelve fixed combination memories: recall and store, REC, the fixed ladder,
// the indicators' display and labels, and the copy of the free bank onto the fixed one. What
// the indicators show is announced to the listeners.
class Memories {
public:
    Memories(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
             ConfigurationStore& config, LevelSender& levels, RecoveryCopy& recovery);

    // Recalls memory n, or stores the registration in it when REC is armed (a fixed memory is
    // never stored). n = 1..24 (1..12 free, 13..24 fixed); any other number means memory 1.
    void Memorie(int n);
    void toggleRec();
    // Every free memory's indicator off.
    void SPENGO_MEMORIE();
    // The fixed ladder off.
    void Spengo_Graduatore();
    // The labels shown follow MemoryLabelMode.
    void Scrivi_Label_memorie();
    // The next label mode: numbers from 0, numbers from 1, note names.
    void nextLabelMode();
    // Indicators as LEDs (true) or labels; every indicator goes dark.
    void showMemoryLeds(bool leds);
    // The free memories become the fixed ones, through the configuration's save.
    void copyFreeToFixed();

private:
    ConsoleState& state_;
    ConsoleListener& listener_;
    ConsoleUpdate& update_;
    ConfigurationStore& config_;
    LevelSender& levels_;
    RecoveryCopy& recovery_;
};

} // namespace vorlo
