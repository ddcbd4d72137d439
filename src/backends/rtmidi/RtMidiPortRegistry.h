#pragma once

#include <RtMidi.h>

#include <memory>
#include <thread>
#include <vector>

namespace vorlo {

class RtMidiSystemPort;

// The ports a backend has made and that still exist, in the order they were made. Shared by
// the backend and its watch; a port leaves it when it is destroyed, so a port that outlives
// its backend leaves nothing behind.
//
// It also lets go of the RtMidi objects of a MIDI system that went away, on a thread of its
// own: RtMidi's JACK output waits up to a second for a server cycle that will never come
// before it closes, and the user-interface thread must not wait with it.
class RtMidiPortRegistry {
public:
    RtMidiPortRegistry() = default;
    ~RtMidiPortRegistry();
    RtMidiPortRegistry(const RtMidiPortRegistry&) = delete;
    RtMidiPortRegistry& operator=(const RtMidiPortRegistry&) = delete;

    void add(RtMidiSystemPort* port);
    void remove(RtMidiSystemPort* port);
    // A copy, so that a port may come or go while the list is walked.
    std::vector<RtMidiSystemPort*> ports() const { return ports_; }
    bool contains(const RtMidiSystemPort* port) const;

    // Takes an RtMidi object of a system that went; its callbacks must call nothing that may
    // go before it. Destroyed by letGoOfRetired().
    void retire(std::unique_ptr<RtMidiIn> midi);
    void retire(std::unique_ptr<RtMidiOut> midi);
    // Destroys the retired objects on a thread of its own.
    void letGoOfRetired();
    // Returns once every retired object is destroyed. Called before the MIDI system is used
    // again: libjack frees the clients of a server that went when the next client opens, so
    // none may still be closing then.
    void waitForRetired();

private:
    std::vector<RtMidiSystemPort*> ports_;
    // What a retiring thread destroys.
    struct Retired {
        std::vector<std::unique_ptr<RtMidiIn>> inputs;
        std::vector<std::unique_ptr<RtMidiOut>> outputs;
        bool empty() const { return inputs.empty() && outputs.empty(); }
    };
    Retired retired_;
    std::thread retiring_;
};

} // namespace vorlo
