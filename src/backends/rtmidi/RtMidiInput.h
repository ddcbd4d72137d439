#pragma once

#include "MidiInputPort.h"
#include "RtMidiDeviceLink.h"
#include "RtMidiSystemPort.h"

#include <RtMidi.h>

#include <QTimer>
#include <atomic>
#include <memory>
#include <vector>

namespace vorlo {

// An input port on the computer's MIDI system. Messages arrive on RtMidi's own thread and go
// straight into the port's queue; everything else happens on the thread that owns the port.
class RtMidiInput : public MidiInputPort, public RtMidiSystemPort {
    Q_OBJECT
public:
    // With api RtMidi::UNSPECIFIED there is no MIDI system, for the reason given.
    RtMidiInput(RtMidi::Api api, const QString& portName, const QString& unavailableReason,
                QObject* parent = nullptr);
    ~RtMidiInput() override;

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override { return link_.isOpen(); }

    // The device the port is open on (empty when closed).
    QString openDevice() const { return link_.openDevice(); }

    void dropSystem(const QString& reason) override;
    void attachSystem(RtMidi::Api api) override;

private:
    // Makes the port's RtMidi object on this system; false, with the reason, when it cannot.
    bool makeMidi(RtMidi::Api api, QString& reason);
    // Closes on a device that went away and says so.
    void loseDevice();
    // Runs on RtMidi's input thread.
    static void onMidi(double timeStamp, std::vector<unsigned char>* message, void* port);
    void watchDevice();
    void disconnectDevice();

    RtMidiDeviceLink link_;
    std::unique_ptr<RtMidiIn> midi_;
    // Set while the port is open; RtMidi's thread drops what comes at any other time.
    std::atomic<bool> accepting_{false};
    QTimer watch_;
};

} // namespace vorlo
