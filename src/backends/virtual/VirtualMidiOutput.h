#pragma once

#include "MidiOutputPort.h"

namespace vorlo {

class VirtualMidiBackend;

// The output port of the virtual MIDI system: records what it sends into its backend.
class VirtualMidiOutput : public MidiOutputPort {
    Q_OBJECT
public:
    explicit VirtualMidiOutput(VirtualMidiBackend& backend);
    ~VirtualMidiOutput() override;

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool selectedDeviceHasWire() const override;
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendSysex(const QByteArray& bytes) override;

    void deviceVanished(const QString& device);
    void detach() { backend_ = nullptr; }

private:
    VirtualMidiBackend* backend_;
    QString selected_;
    QString openDevice_;
    bool open_ = false;
};

} // namespace vorlo
