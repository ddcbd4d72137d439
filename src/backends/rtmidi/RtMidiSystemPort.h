#pragma once

#include "RtMidiBackend.h"
#include "RtMidiDeviceLink.h"

#include <RtMidi.h>

#include <QString>
#include <memory>

namespace vorlo {

class RtMidiPortRegistry;

// What the MIDI system's watch asks of every port a backend made: to let go of a MIDI system
// that went away, and to work with one that came (back). Both run on the ports' thread.
class RtMidiSystemPort {
public:
    RtMidiSystemPort() = default;
    virtual ~RtMidiSystemPort();
    RtMidiSystemPort(const RtMidiSystemPort&) = delete;
    RtMidiSystemPort& operator=(const RtMidiSystemPort&) = delete;

    // The MIDI system is gone, for this reason: an open port closes and says so as for a
    // vanished device; the port then lists nothing and refuses to open until attachSystem().
    virtual void dropSystem(const QString& reason) = 0;
    // Works with this MIDI system from now on, closed (a port already working with one keeps
    // it).
    virtual void attachSystem(RtMidi::Api api) = 0;

    // Listed in the registry until the port goes.
    void joinRegistry(const std::shared_ptr<RtMidiPortRegistry>& registry);

protected:
    // Lets go of the RtMidi object of a MIDI system that went: its callbacks are disarmed and
    // the registry destroys it off this thread (here, when there is no registry).
    void retire(std::unique_ptr<RtMidiIn> midi);
    void retire(std::unique_ptr<RtMidiOut> midi);

    // Makes the port's RtMidi object on this MIDI system and attaches the link to it; when it
    // cannot (no system, or RtMidi refused), the link has no system and reason says why.
    template <class Midi>
    static bool makeMidi(std::unique_ptr<Midi>& midi, RtMidiDeviceLink& link, RtMidi::Api api,
                         QString& reason) {
        if (api == RtMidi::UNSPECIFIED)
            return false;
        try {
            midi = std::make_unique<Midi>(api, RtMidiBackend::kClientName);
            link.attach(midi.get(), midi->getCurrentApi());
            return true;
        } catch (const RtMidiError& e) {
            reason = QString::fromStdString(e.getMessage()).trimmed();
        }
        link.setUnavailable(reason);
        midi.reset();
        return false;
    }
    // Lets go of a MIDI system that went: nothing more is asked of it (RtMidi's JACK output
    // would wait a second for a cycle that never comes); an open port says it lost its device.
    template <class Midi, class LoseDevice>
    void letGoOfSystem(std::unique_ptr<Midi>& midi, RtMidiDeviceLink& link, const QString& reason,
                       LoseDevice loseDevice) {
        link.setUnavailable(reason);
        if (link.isOpen())
            loseDevice();
        // Ends the RtMidi object's use of the MIDI system that went (its JACK client).
        retire(std::move(midi));
    }

private:
    std::weak_ptr<RtMidiPortRegistry> registry_;
};

} // namespace vorlo
