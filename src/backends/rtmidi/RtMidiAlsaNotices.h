#pragma once

namespace vorlo {

// The ALSA sequencer's announcements, heard through a port of the console's own that
// subscribes to the system's announce port: clients and ports that start, end or change.
// The port takes no subscription from others and is never listed as a device. Read on the
// watch's timer, never blocking. Without the ALSA library (VORLO_HAVE_ALSA undefined) it
// never opens.
class RtMidiAlsaNotices {
public:
    RtMidiAlsaNotices() = default;
    ~RtMidiAlsaNotices();
    RtMidiAlsaNotices(const RtMidiAlsaNotices&) = delete;
    RtMidiAlsaNotices& operator=(const RtMidiAlsaNotices&) = delete;

    // Opens the sequencer and subscribes to the announcements; false when it cannot.
    bool open();
    void close();
    bool isOpen() const { return seq_ != nullptr; }
    // Reads every announcement waiting; true when one told of a client or a port, or when
    // some were lost because too many waited.
    bool takePortsChanged();

private:
    void* seq_ = nullptr; // snd_seq_t*
};

} // namespace vorlo
