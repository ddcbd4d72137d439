#pragma once

#include "ConsoleSettings.h"
#include "ConsoleSlots.h"
#include "StopTable.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace vorlo {

// The one console-state store of the program: the 29 slots, the settings, the stops table and
// the flags that several parts of the console share. Everything runs on the user-interface
// thread, so the store has no locking.
struct ConsoleState : ConsoleSlots, ConsoleSettings {
    // Combination action.
    bool RecArmed = false;            // the next memory click stores instead of recalling
    bool MemoryUnchanged = false;     // from a recall or store until the first change
    int16_t LastMemory = 1;           // 1..24, memory last recalled or stored
    bool FreeMemoriesUnsaved = false; // a free memory was stored and not saved to a file
    bool CopyFreeToFixed = false;     // next configuration write copies free onto fixed
    int16_t BankShown = 1;            // the bank whose memories are the free memories 1..12
    int16_t BankMemory = 0; // free memory of that bank last recalled or stored; 0 none yet

    // Stops table and what is derived from it.
    StopTable Table;
    std::array<QByteArray, 30> ReinforceFondi{}; // "1" = reinforceable Fondi position
    std::array<QByteArray, 20> ReinforceAncie{};
    std::array<QByteArray, 33> SysexTemp{}; // temperament messages 1..32

    // Remote control and incoming MIDI.
    bool SwitchEventArmed = false; // the next message is a command
    bool BendLatch = false;        // a pitch-bend switch fired; cleared in the centre band
    bool LearnActive = false;      // channel learning of the Thru window
    int16_t LearnIndex = 0;        // body being learned: 0 Great, 1 Swell, 2 Pedal
    int16_t RecallTarget = 11;     // group the step keys act on (11..13, 21..23, 31)
    int16_t RecallStep = 0;

    // MIDI set-up.
    bool DeviceListFresh = false; // the set-up lists still hold the start-up scan
    bool MidiPortsReady = false;

    // Stops table editor.
    bool SyxLoadEnabled = false;
    bool LoadSyxName = true; // a loaded .syx file names its stop

    // Program folder, files and texts.
    QString AppDir;
    QString CfgFilePath;
    QString ProgramTitle;
    QString GreatTitle = QStringLiteral("               Great");
    QString SwellTitle = QStringLiteral("               Swell");
    QString PicGreenOn, PicGreenOff, PicRedOn, PicRedOff, PicYellowOn;
    QString PicDrawOn, PicDrawOff, PicDrawOnGO, PicDrawOffGO, PicDrawOnSW, PicDrawOffSW;

    // A file of the program folder.
    QString appFile(const QString& name) const;

    // Copies the table's reinforcement flag entries into ReinforceFondi/ReinforceAncie.
    void copyReinforcementFlags();
};

} // namespace vorlo
