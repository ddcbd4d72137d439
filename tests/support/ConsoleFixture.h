#pragma once

#include "AdvancedControls.h"
#include "Buffers.h"
#include "Console.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Couplers.h"
#include "Drawstops.h"
#include "FixedScreen.h"
#include "Hotkeys.h"
#include "InputDispatcher.h"
#include "LevelSender.h"
#include "Memories.h"
#include "MemoryFile.h"
#include "NoticeLog.h"
#include "PanelState.h"
#include "Panic.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "SoundSystem.h"
#include "SysexSender.h"
#include "Thru.h"
#include "TotalRecall.h"
#include "virtual/VirtualMidiBackend.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace vorlo::test {

// A console in a temporary program folder, on a virtual MIDI system with two keyboards and a
// sound module, answered by scripted dialogs.
class ConsoleFixture : public ::testing::Test {
public:
    // A stops table where every data entry n is one small GS message carrying n, so the log
    // shows which entry went out: "F0 41 10 42 12 40 hi lo cs F7" with hi/lo = n.
    static StopTable markerTable();
    static QString marker(int entry);
    // The temperament message a test table stores at entry 10 + t.
    static QByteArray temperamentMessage(const QByteArray& offsets);

protected:
    ConsoleFixture();
    ~ConsoleFixture() override;

    static constexpr const char* kKeyboard1 = "Keyboard 1";
    static constexpr const char* kKeyboard2 = "Keyboard 2";
    static constexpr const char* kModule = "Sound Module";

    QString appFile(const QString& name) const;
    void writeTable(const StopTable& t, const QString& name = QStringLiteral("vorlo2000.dat"));
    // A configuration that opens both keyboards and the module.
    void writeConfig(const std::function<void(ConsoleState&)>& tweak = {});
    // Makes the console and runs its start-up; the log starts empty afterwards.
    void start();
    // Starts a console on the marker table and a configuration that opens every port.
    void startOnMarkerTable(const std::function<void(ConsoleState&)>& tweak = {});
    void makeConsole();

    ConsoleState& st() { return console->state(); }
    Form& main() { return console->mainForm(); }
    Form& form(const char* name) { return console->form(QString::fromLatin1(name)); }
    QStringList log() { return midi->takeLog(); }
    void play(const char* device, std::initializer_list<uint8_t> bytes);
    // Plays messages on keyboard 1 (input 1) or 2, lets them through, and returns what went out.
    using Messages = std::initializer_list<std::initializer_list<uint8_t>>;
    QStringList keys1(Messages messages) { return keysOn(kKeyboard1, messages); }
    QStringList keys2(Messages messages) { return keysOn(kKeyboard2, messages); }
    QStringList keysOn(const char* device, Messages messages);
    // Runs queued events (incoming MIDI) until none is left.
    void settle();
    // Hex of temperament message p as the console holds it now.
    QString temp(int p) { return VirtualMidiBackend::hex(st().SysexTemp[p]); }
    // What a console update sends when every item differs, with the live state at the values a
    // reset leaves (all positions 0, levels and balances 127, tremolos off).
    QStringList fullUpdateAfterReset();

    QTemporaryDir dir;
    std::unique_ptr<VirtualMidiBackend> midi;
    ScriptedDialogs dialogs;
    FixedScreen screen;
    NoticeLog notices;
    // The built-in synthesizer's sound the console is given (none unless a test sets one).
    SoundSystem* sound = nullptr;
    std::unique_ptr<Console> console;
};

} // namespace vorlo::test
