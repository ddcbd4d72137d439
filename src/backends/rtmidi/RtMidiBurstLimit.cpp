#include "RtMidiBurstLimit.h"

#ifdef VORLO_HAVE_JACK
#include <jack/jack.h>
#endif

#include <algorithm>

namespace vorlo {
namespace {

// Per event, JACK's MIDI buffer keeps a 12-byte header; the buffer itself starts with one of
// about 32 bytes. Counted with room to spare.
constexpr size_t kJackEventOverhead = 16;
constexpr size_t kJackBufferHeader = 64;
// RtMidi's ring buffer towards its JACK thread: 16 KiB, with 4 bytes of length per message.
constexpr double kJackRingBytes = 16384;
constexpr size_t kJackRingLongest = 16384 - 1 - 4;

} // namespace

RtMidiBurstLimit RtMidiBurstLimit::forJackCycle(unsigned frames, unsigned sampleRate,
                                                size_t midiBufferBytes) {
    RtMidiBurstLimit limit;
    if (frames == 0 || sampleRate == 0 ||
        midiBufferBytes <= kJackBufferHeader + 2 * kJackEventOverhead)
        return forJackCycle(64, 48000, 256);
    const double usable = static_cast<double>(midiBufferBytes - kJackBufferHeader);
    const double periodMs = 1000.0 * frames / sampleRate;
    limit.burstBytes = std::min(usable / 4, kJackRingBytes / 4);
    limit.bytesPerMs = limit.burstBytes / periodMs;
    limit.overheadPerMessage = kJackEventOverhead;
    // A message the cycle's buffer cannot hold is dropped by JACK whatever the pace.
    limit.longestMessage =
        std::min(static_cast<size_t>(usable) - kJackEventOverhead, kJackRingLongest);
    return limit;
}

RtMidiBurstLimit RtMidiBurstLimit::forJack() {
#ifndef VORLO_HAVE_JACK
    return forJackCycle(0, 0, 0);
#else
    jack_status_t status{};
    jack_client_t* client = jack_client_open(
        "vorlo2000-probe", static_cast<jack_options_t>(JackNoStartServer), &status);
    if (!client)
        return forJackCycle(0, 0, 0);
    const unsigned frames = jack_get_buffer_size(client);
    const unsigned rate = jack_get_sample_rate(client);
    const size_t midiBuffer = jack_port_type_get_buffer_size(client, JACK_DEFAULT_MIDI_TYPE);
    jack_client_close(client);
    return forJackCycle(frames, rate, midiBuffer);
#endif
}

RtMidiBurstLimit RtMidiBurstLimit::forAlsa() {
    RtMidiBurstLimit limit;
    limit.burstBytes = 2048;
    limit.bytesPerMs = 32;
    limit.overheadPerMessage = 0;
    return limit;
}

} // namespace vorlo
