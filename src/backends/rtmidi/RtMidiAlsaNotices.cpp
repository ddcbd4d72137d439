#include "RtMidiAlsaNotices.h"

#include "RtMidiBackend.h"

#ifdef VORLO_HAVE_ALSA
#include <alsa/asoundlib.h>

#include <cerrno>
#endif

namespace vorlo {

#ifdef VORLO_HAVE_ALSA
namespace {

constexpr const char* kSequencerName = "default";
constexpr const char* kPortName = "Announcements";
// Most announcements read in one look; the rest wait for the next.
constexpr int kMostPerLook = 1024;

snd_seq_t* asSeq(void* seq) {
    return static_cast<snd_seq_t*>(seq);
}

bool isAnnouncement(const snd_seq_event_t& event) {
    switch (event.type) {
    case SND_SEQ_EVENT_CLIENT_START:
    case SND_SEQ_EVENT_CLIENT_EXIT:
    case SND_SEQ_EVENT_CLIENT_CHANGE:
    case SND_SEQ_EVENT_PORT_START:
    case SND_SEQ_EVENT_PORT_EXIT:
    case SND_SEQ_EVENT_PORT_CHANGE:
        return true;
    default:
        return false;
    }
}

} // namespace

bool RtMidiAlsaNotices::open() {
    close();
    snd_seq_t* seq = nullptr;
    if (snd_seq_open(&seq, kSequencerName, SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0)
        return false;
    snd_seq_set_client_name(seq, RtMidiBackend::kClientName);
    // Written to by its own subscription only: without the subscription capabilities no
    // other client connects to it, and RtMidi does not list it.
    const int port = snd_seq_create_simple_port(seq, kPortName,
                                                SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0 ||
        snd_seq_connect_from(seq, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0) {
        snd_seq_close(seq);
        return false;
    }
    seq_ = seq;
    return true;
}

void RtMidiAlsaNotices::close() {
    if (seq_ == nullptr)
        return;
    snd_seq_close(asSeq(seq_));
    seq_ = nullptr;
}

bool RtMidiAlsaNotices::takePortsChanged() {
    if (seq_ == nullptr)
        return false;
    bool changed = false;
    for (int read = 0; read < kMostPerLook; ++read) {
        snd_seq_event_t* event = nullptr;
        const int result = snd_seq_event_input(asSeq(seq_), &event);
        if (result == -ENOSPC) {
            // Announcements were lost while too many waited: the lists are read again.
            changed = true;
            continue;
        }
        if (result < 0 || event == nullptr)
            break; // -EAGAIN: nothing more waits
        if (isAnnouncement(*event))
            changed = true;
    }
    return changed;
}

#else

bool RtMidiAlsaNotices::open() {
    return false;
}

void RtMidiAlsaNotices::close() {}

bool RtMidiAlsaNotices::takePortsChanged() {
    return false;
}

#endif

RtMidiAlsaNotices::~RtMidiAlsaNotices() {
    close();
}

} // namespace vorlo
