#pragma once

#include "MidiSystemWatch.h"
#include "RtMidiAlsaNotices.h"
#include "RtMidiDeviceLink.h"
#include "RtMidiJackNotices.h"

#include <RtMidi.h>

#include <QStringList>
#include <QTimer>
#include <memory>

namespace vorlo {

class RtMidiBackend;

// The watch over the MIDI system of an RtMidiBackend, on the thread that made it.
//
// On a JACK server (with libjack) it hears the server's notices through a portless client of
// its own: ports that come, go or are renamed, and the server's end. JACK tells them on its
// own thread; the watch's timer turns them into signals, one devicesChanged() per tick for a
// burst of them, and only when the devices offered have changed. When the server goes, every
// port the backend made closes (an open one says so through its deviceLost()) and lets go of
// the server, then systemLost(); a server is looked for every second, and when one answers
// the ports work with it, closed, and systemBack() and devicesChanged() follow.
//
// On the ALSA sequencer it subscribes to the sequencer's announcements of clients and ports;
// when one came, the lists are read and devicesChanged() raised if they differ. Elsewhere
// (CoreMIDI, WinMM, JACK without libjack, ALSA when the announcements cannot be had) the
// device lists are read every second and devicesChanged() raised when they differ. When no MIDI
// system worked at start-up, one is looked for every two seconds, and found as a server that comes
// back is.
class RtMidiSystemWatch : public MidiSystemWatch {
    Q_OBJECT
public:
    // How often JACK's notices are turned into signals.
    static constexpr int kNoticeIntervalMs = 200;
    // How often the device lists are read where the system tells nothing.
    static constexpr int kLookIntervalMs = 1000;
    // How often a JACK server that went is looked for again.
    static constexpr int kServerRetryMs = 1000;
    // How often a MIDI system is looked for when none worked at start-up.
    static constexpr int kSystemRetryMs = 2000;

    // How changes are learnt where the system could tell them.
    enum class Hearing {
        NoticesWhereTold, // the system's notices where it sends them, a look elsewhere
        LookOnly,         // a look at the lists everywhere (the way of systems that tell nothing)
    };

    explicit RtMidiSystemWatch(RtMidiBackend& backend, Hearing hearing = Hearing::NoticesWhereTold,
                               QObject* parent = nullptr);
    ~RtMidiSystemWatch() override;

    bool systemAvailable() const override;
    QString unavailableReason() const override;
    QString howChangesAreSeen() const override;

private:
    enum class Way {
        JackNotices, // a server is there and tells what changes
        AlsaNotices, // the sequencer announces its clients and ports
        Looking,     // a system is there; its lists are read on the timer
        Searching,   // no system: one is looked for on the timer
    };

    // Starts watching the backend's system, or looking for one when it has none.
    void begin(int retryMs);
    void onNoticeTick();
    void onLookTick();
    void lose(const QString& reason);
    void search();
    // The lists of what the inputs and the output can connect to, the console's own left out.
    void readLists(QStringList& inputs, QStringList& outputs);
    // Reads the lists and remembers them; true when they differ from the ones remembered.
    bool listsChanged();
    void dropScanners();

    RtMidiBackend& backend_;
    Hearing hearing_;
    Way way_ = Way::Searching;
    RtMidiJackNotices jack_;
    RtMidiAlsaNotices alsa_;
    // Where the system tells nothing: RtMidi objects that only read the lists, through links
    // whose traps outlive them.
    std::unique_ptr<RtMidiDeviceLink> scanInLink_;
    std::unique_ptr<RtMidiDeviceLink> scanOutLink_;
    std::unique_ptr<RtMidiIn> scanIn_;
    std::unique_ptr<RtMidiOut> scanOut_;
    QStringList inputs_;
    QStringList outputs_;
    QTimer noticeTimer_;
    QTimer lookTimer_;
};

} // namespace vorlo
