#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>

namespace vorlo {

// The output port of the MIDI port component. Messages go out at once, in call order.
// Sending on a port that is not open does nothing (the console runs without a module).
class MidiOutputPort : public QObject {
    Q_OBJECT
public:
    explicit MidiOutputPort(QObject* parent = nullptr) : QObject(parent) {}

    virtual int deviceCount() = 0;
    virtual QString deviceName(int index) = 0; // throws MidiPortError for a bad index
    virtual void selectDevice(int index) = 0;  // throws MidiPortError for a bad index
    virtual void open() = 0;                   // throws MidiPortError
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void sendShort(uint8_t status, uint8_t data1, uint8_t data2) = 0;
    // The bytes go out as one transmission.
    virtual void sendSysex(const QByteArray& bytes) = 0;

    // False while the selected device takes its messages without a MIDI cable in between
    // (the built-in synthesizer): pacing at wire speed does not apply to it.
    virtual bool selectedDeviceHasWire() const { return true; }

    // The number of the device built into the program (the built-in synthesizer) among this
    // port's devices, or -1 when the port has none.
    virtual int builtInDeviceIndex() { return -1; }

    // The loudest sample the selected device played since the last call, 0..1 (full scale),
    // or -1 when the device has no level to show (a module behind a cable). Not on the path
    // of any message: read on a timer.
    virtual float takeOutputPeak() { return -1.0f; }

signals:
    void error(int code, const QString& text);
    // The open device went away and the port has closed; nothing is queued for it. Raised
    // just before the error() that tells the player.
    void deviceLost();
    // The device's MIDI system takes less than is sent and the port dropped a message (within
    // FloodPolicy); raised for each one.
    void messageDropped();
};

} // namespace vorlo
