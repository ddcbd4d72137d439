#pragma once

#include <RtMidi.h>

#include <QString>
#include <atomic>
#include <mutex>
#include <string>

namespace vorlo {

// Catches what RtMidi reports through its error callback, so that no RtMidi error is printed
// or thrown: the port looks at the trap after each call into RtMidi and turns what it caught
// into a MidiPortError or its error signal. RtMidi may call the callback from any thread.
class RtMidiErrorTrap {
public:
    // Install with setErrorCallback(&RtMidiErrorTrap::callback, &trap).
    static void callback(RtMidiError::Type type, const std::string& text, void* trap);

    void clear();
    // Something (an error or a warning) was caught since the last clear(). Lock-free, so it
    // can be asked after every message sent.
    bool caught() const { return caught_.load(std::memory_order_acquire); }
    // An error, not only a warning, was caught since the last clear().
    bool caughtError() const;
    // The most serious report caught since the last clear() (the first one of that kind);
    // the trap is cleared.
    QString take();

private:
    void record(RtMidiError::Type type, const std::string& text);

    mutable std::mutex mutex_;
    std::atomic<bool> caught_{false};
    bool error_ = false;
    std::string text_;
};

} // namespace vorlo
