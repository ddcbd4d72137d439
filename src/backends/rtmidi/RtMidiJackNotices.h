#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>

namespace vorlo {

// A JACK client of the console's own, without ports, that hears what the JACK server tells
// its clients: ports registered, unregistered or renamed, and the server's end. JACK calls
// it on its own thread; it only notes what happened, and the watch reads the notes from its
// timer. Without libjack (VORLO_HAVE_JACK undefined) it never opens.
class RtMidiJackNotices {
public:
    RtMidiJackNotices() = default;
    ~RtMidiJackNotices();
    RtMidiJackNotices(const RtMidiJackNotices&) = delete;
    RtMidiJackNotices& operator=(const RtMidiJackNotices&) = delete;

    // Whether this build can hear JACK's notices.
    static bool available();
    // A JACK server answers now (a client opened and closed again, never starting a server);
    // JACK's own complaints when none does are not printed.
    static bool serverAnswers();

    // Opens the client on the running server; false when there is none. Quiet as above.
    bool open();
    // Closes the client (also after the server went).
    void close();
    bool isOpen() const { return client_ != nullptr; }

    // Ports came, went or were renamed since the last call.
    bool takePortsChanged();
    // The server has gone; the client is dead and only close() is left to do.
    bool serverGone() const { return gone_.load(std::memory_order_acquire); }
    // What the server said as it went.
    QString goneReason() const;

    // The names of the MIDI ports others offer: sources (what an input can connect to) or
    // sinks (what an output can connect to), the console's own left out.
    QStringList midiPorts(bool sources) const;

private:
    static void onPortRegistration(unsigned port, int registered, void* self);
    static void onPortRename(unsigned port, const char* oldName, const char* newName, void* self);
    static void onShutdown(int code, const char* reason, void* self);

    static constexpr size_t kReasonSize = 256;

    void* client_ = nullptr; // jack_client_t*
    std::atomic<bool> changed_{false};
    std::atomic<bool> gone_{false};
    // Written by the shutdown notice before gone_ is set, read only after.
    std::array<char, kReasonSize> reason_{};
};

} // namespace vorlo
