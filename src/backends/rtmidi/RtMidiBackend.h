#pragma once

#include "MidiBackend.h"

#include <RtMidi.h>

#include <QString>
#include <memory>

namespace vorlo {

class RtMidiPortRegistry;
class RtMidiSystemWatch;

// The computer's MIDI system, through RtMidi: on Linux the ALSA sequencer, or a JACK server
// when there is no sequencer; WinMM on Windows, CoreMIDI on macOS. When no MIDI system works
// the ports list no devices, refuse to open, and say so once through their error signal.
// The backend keeps the ports it made, so that its watch can move them onto a MIDI system
// that comes (back) after a JACK server stopped, or after none worked at start-up.
class RtMidiBackend : public MidiBackend {
public:
    // The name the console's ports carry in the MIDI system.
    static constexpr const char* kClientName = "Vorlo2000";

    // Codes of MidiPortError and of the ports' error signals. The console does not show input
    // errors 0 and 8, so the notice that no MIDI system works reaches the player only once,
    // from the output port.
    enum ErrorCode : int {
        InvalidDevice = 1, // a device number outside the list
        NoDeviceSelected = 2,
        CannotOpen = 3,
        DeviceGone = 4, // the open device disappeared; the port has closed
        SendFailed = 5,
        BadMessage = 6,  // bytes that are not MIDI messages; nothing was sent
        SystemError = 7, // reported by the MIDI system while the port is open
        NoMidiSystem = 8,
    };

    // With RtMidi::UNSPECIFIED the platform's MIDI system is chosen as above; any other value
    // insists on that one system.
    explicit RtMidiBackend(RtMidi::Api api = RtMidi::UNSPECIFIED);
    ~RtMidiBackend() override;
    RtMidiBackend(const RtMidiBackend&) = delete;
    RtMidiBackend& operator=(const RtMidiBackend&) = delete;

    std::unique_ptr<MidiInputPort> createInput() override;
    std::unique_ptr<MidiOutputPort> createOutput() override;
    // Made on first use, on the calling thread (the user-interface thread), whose event loop
    // runs it.
    MidiSystemWatch* watch() override;

    // The MIDI system in use; RtMidi::UNSPECIFIED when none works.
    RtMidi::Api api() const { return api_; }
    bool available() const { return api_ != RtMidi::UNSPECIFIED; }
    // Why no MIDI system works (empty when one does).
    const QString& unavailableReason() const { return reason_; }

    // For the watch. Looks again for a MIDI system among those the backend was made for, as
    // the constructor does; the first that works becomes the backend's (the ports are not
    // moved onto it). False, with unavailableReason() telling why, when none works.
    bool findSystem();
    // The MIDI system has gone, for this reason: new ports have none until findSystem().
    void loseSystem(const QString& reason);
    const std::shared_ptr<RtMidiPortRegistry>& ports() const { return ports_; }

private:
    // Whether RtMidi can work with this system now; if not, why.
    static bool works(RtMidi::Api api, QString& why);

    RtMidi::Api requested_ = RtMidi::UNSPECIFIED;
    RtMidi::Api api_ = RtMidi::UNSPECIFIED;
    QString reason_;
    int inputCount_ = 0;
    std::shared_ptr<RtMidiPortRegistry> ports_;
    std::unique_ptr<RtMidiSystemWatch> watch_;
};

} // namespace vorlo
