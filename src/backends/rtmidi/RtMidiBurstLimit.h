#pragma once

#include <cstddef>

namespace vorlo {

// How much a MIDI system takes at once without losing any of it, and how fast it takes more:
// the output hands messages over no faster than this (a token bucket of burstBytes refilled at
// bytesPerMs), each message counted with the system's own overhead per message.
struct RtMidiBurstLimit {
    double burstBytes = 0;
    double bytesPerMs = 0;
    size_t overheadPerMessage = 0;
    // The longest message the system can carry at all (0: no limit known).
    size_t longestMessage = 0;

    bool limits() const { return bytesPerMs > 0; }

    // JACK: RtMidi writes every message into a ring buffer that its process callback empties
    // once a cycle into the port's MIDI buffer, dropping whatever that buffer cannot take.
    // The cycle's MIDI buffer size and period are asked of the running server; a quarter of
    // the buffer is let through per period, so that even a cycle that comes two periods late
    // finds no more than its buffer holds. Without an answer from the server, the smallest
    // buffer JACK commonly runs with (64 frames at 48 kHz) is assumed.
    static RtMidiBurstLimit forJack();
    // Worked out from a JACK cycle's frames, sample rate and MIDI buffer size in bytes.
    static RtMidiBurstLimit forJackCycle(unsigned frames, unsigned sampleRate,
                                         size_t midiBufferBytes);
    // The ALSA sequencer: RtMidi's client does not wait when the kernel's output pool of the
    // client is full (about 500 cells of 28 bytes by default); the event is refused and lost.
    // Bursts are kept to 2 KiB and refilled at 32 bytes per millisecond, ten times a MIDI
    // cable and far faster than a registration needs, which the pool never runs out at. A
    // module behind a cable is paced at the cable's speed before it comes here.
    static RtMidiBurstLimit forAlsa();
};

} // namespace vorlo
