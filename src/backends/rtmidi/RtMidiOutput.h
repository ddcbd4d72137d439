#pragma once

#include "MidiOutputPort.h"
#include "OutputBacklog.h"
#include "RtMidiBurstLimit.h"
#include "RtMidiDeviceLink.h"
#include "RtMidiSystemPort.h"

#include <RtMidi.h>

#include <QByteArray>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <memory>

namespace vorlo {

// The output port on the computer's MIDI system. Sending never throws: whatever goes wrong
// becomes the error signal, raised from the event loop, and the console carries on.
//
// A MIDI system takes only so much at once: JACK drops what one cycle's buffer cannot carry,
// the ALSA sequencer refuses events when its pool is full. Messages are therefore handed over
// no faster than the system takes them (RtMidiBurstLimit); what must wait is kept in order and
// handed over from the event loop, so no call blocks. A message that may go at once goes at
// once, without allocating. What waits is bounded (OutputBacklog): beyond 16 KB a flood's new
// notes are dropped with their note-offs, and a message replaces a waiting one to the same
// target; a note-off of a sounding note always goes. Each drop raises messageDropped().
class RtMidiOutput : public MidiOutputPort, public RtMidiSystemPort {
    Q_OBJECT
public:
    // With api RtMidi::UNSPECIFIED there is no MIDI system, for the reason given.
    RtMidiOutput(RtMidi::Api api, const QString& portName, const QString& unavailableReason,
                 QObject* parent = nullptr);
    ~RtMidiOutput() override;

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override { return link_.isOpen(); }

    // Sends the status byte and as many data bytes as that kind of message carries.
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    // Sends one or more complete F0 ... F7 messages back to back; anything else is refused
    // whole.
    void sendSysex(const QByteArray& bytes) override;

    // The device the port is open on (empty when closed).
    QString openDevice() const { return link_.openDevice(); }
    // Messages waiting for the MIDI system to take them.
    size_t waiting() const { return backlog_.count(); }
    const RtMidiBurstLimit& burstLimit() const { return limit_; }

    void dropSystem(const QString& reason) override;
    void attachSystem(RtMidi::Api api) override;

private:
    // Makes the port's RtMidi object on this system; false, with the reason, when it cannot.
    bool makeMidi(RtMidi::Api api, QString& reason);
    using Clock = std::chrono::steady_clock;
    // Sends now when nothing waits and the limit allows, otherwise queues; false when the
    // device failed.
    bool pace(const unsigned char* bytes, size_t size, const QByteArray* whole);
    bool mayTake(size_t size);
    void drainWaiting();
    // Hands over everything waiting, sleeping as the limit needs (closing).
    void drainBlocking();
    void dropWaiting();
    // How long a JACK port stays open after the last message was handed over.
    std::chrono::milliseconds jackCloseGrace() const;
    bool transmit(const unsigned char* bytes, size_t size);
    // Raises error() from the event loop.
    void fail(int code, const QString& text);
    // The open device went away: closes without sending what waits, then raises deviceLost()
    // and the error from the event loop.
    void loseDevice();
    void watchDevice();

    RtMidiDeviceLink link_;
    std::unique_ptr<RtMidiOut> midi_;
    QTimer watch_;
    // Errors raised but not yet delivered.
    QStringList pendingErrors_;

    RtMidiBurstLimit limit_;
    double tokens_ = 0;
    Clock::time_point refilled_{};
    // Messages waiting, in a ring that grows to what waits, so queueing a short message does not
    // allocate.
    OutputBacklog backlog_;
    QTimer drain_;
    // A JACK port was opened at some time, so RtMidi's JACK thread may have read its buffer.
    bool openedOnJack_ = false;
};

} // namespace vorlo
