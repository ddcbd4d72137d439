#pragma once

#include "FontStyle.h"

#include <QString>
#include <array>
#include <cstdint>

namespace vorlo {

// Settings of the console that outlive a run (most are kept in the configuration file).
struct ConsoleSettings {
    QString DatFilePath; // stops table in use

    // Device indexes; the index equal to the matching "No device" index leaves the port closed.
    int16_t MidiIn1Device = 0;
    int16_t MidiIn2Device = 0;
    int16_t MidiOutDevice = 0;
    // Index of each list's "No device" entry = number of devices found by the last scan.
    int16_t MidiIn1NoDevice = 0;
    int16_t MidiIn2NoDevice = 0;
    int16_t MidiOutNoDevice = 0;

    int16_t Temperament = 0; // list index into the temperaments
    int16_t TremoloRate = 0; // modulation amount of a tremolo that is on
    static constexpr int kTremoloRateMin = 0;
    static constexpr int kTremoloRateMax = 127;
    int16_t TremoloType = 0;             // 0 "Tremblant Doux", otherwise "Tremblant Fort"
    int16_t ReverbType = 0;              // list index into the reverbs
    int16_t TemperamentStart = 0;        // 0 C .. 11 H
    int16_t ThruMode = 0;                // 0 none, 1 normal, 2 fixed rechannelling
    std::array<int16_t, 4> ThruCustom{}; // learned input channel 0..15 per body 0..2
    int16_t NoteDelay = 0;               // 0..100
    int16_t SysexDelay = 0;              // milliseconds, 0..100
    int16_t MemoryLabelMode = 0;         // 0 numbers 0..11, 1 numbers 1..12, 2 note names
    int16_t LedsShownSaved = 0;          // MemoryLedsShown as written to the configuration file
    bool MemoryLedsShown = false;        // memory indicators as LED pictures instead of labels
    int16_t RecallGlobals = 0;           // a free-memory recall also restores the three levels
    int16_t RecallBalance = 0;           // ... and the six balances
    int16_t GlobalCoupling = 0;          // 0 none, 1 Great+Swell, 2 all three levels coupled
    int16_t SaveCfgOnExit = 0;           // 1 = write the configuration file at exit
    float AdvancedTop = 0;               // window positions, twips
    float AdvancedLeft = 0;
    float MainTop = 0;
    float MainLeft = 0;
    // Per status byte FE, F1, F6, F8, FA, FB, FD, FF: true = reject on both inputs.
    std::array<bool, 8> InputFilter{};
    FontStyle StopFont;
    bool GraphicMode = false;
    double PanelScale = 1.0; // standard panel size factor 0.8..1.6
};

} // namespace vorlo
