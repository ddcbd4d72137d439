#pragma once

#include "RtMidiDeviceLink.h"
#include "midi/MidiOutputPort.h"

#include <RtMidi.h>

#include <QStringList>
#include <QTimer>
#include <memory>

namespace vorlo {

// The output port on the computer's MIDI system. Sending never throws: whatever goes wrong
// becomes the error signal, raised from the event loop, and the console carries on.
class RtMidiOutput : public MidiOutputPort {
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

private:
    bool transmit(const unsigned char* bytes, size_t size);
    // Raises error() from the event loop.
    void fail(int code, const QString& text);
    void deviceLost();
    void watchDevice();

    RtMidiDeviceLink link_;
    std::unique_ptr<RtMidiOut> midi_;
    QTimer watch_;
    // Errors raised but not yet delivered.
    QStringList pendingErrors_;
};

} // namespace vorlo
