#pragma once

#include "FuzzDialogs.h"
#include "ScreenMetrics.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace vorlo {
class Console;
class VirtualMidiBackend;
} // namespace vorlo

namespace vorlo::fuzz {

// Once per process, from LLVMFuzzerInitialize: the Qt application the console needs, with
// Qt's own warnings silenced.
void initialise(int* argc, char*** argv);

// A real console in a fresh temporary program folder, on the virtual MIDI system (two
// keyboards and a sound module), answered by FuzzDialogs. Every target puts the fuzz input
// where the console reads it and drives it through the console's own entry points.
// Whatever the input, every short message the console sends must be well formed: a status
// byte, then the data bytes it carries, below 0x80; anything else aborts the run as a finding.
class FuzzConsole {
public:
    FuzzConsole();
    ~FuzzConsole();

    // Writes a file into the program folder.
    void putFile(const QString& name, const QByteArray& bytes);
    // The default stops table as vorlo2000.dat.
    void putDefaultTable();
    // A configuration that opens both keyboards and the module and names the folder's table.
    void putDefaultConfig();

    // Start-up as the program runs it.
    void start();
    // File > Open of a memory file holding these bytes.
    void loadMemoryFile(const QByteArray& bytes);
    // Incoming bytes on keyboard 1 or 2, in pieces of the given size as a MIDI library
    // may hand them over; the console reads them afterwards.
    void play(int keyboard, const uint8_t* bytes, size_t size, size_t piece);
    // Recalls every memory and combination step and plays a chord on each keyboard, so the
    // loaded values reach the module.
    void playRegistration();
    // Shut-down as the close box runs it.
    void stop();

private:
    void settle();

    QTemporaryDir dir_;
    std::unique_ptr<VirtualMidiBackend> midi_;
    FuzzDialogs dialogs_;
    std::unique_ptr<ScreenMetrics> screen_;
    std::unique_ptr<Console> console_;
};

} // namespace vorlo::fuzz
