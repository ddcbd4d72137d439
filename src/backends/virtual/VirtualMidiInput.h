#pragma once

#include "MidiInputPort.h"

#include <atomic>

namespace vorlo {

class VirtualMidiBackend;

// An input port of the virtual MIDI system.
class VirtualMidiInput : public MidiInputPort {
    Q_OBJECT
public:
    explicit VirtualMidiInput(VirtualMidiBackend& backend);
    ~VirtualMidiInput() override;

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override { return open_; }

    bool isOpenOn(const QString& device) const;
    void deviceVanished(const QString& device);
    void detach() { backend_ = nullptr; }

private:
    VirtualMidiBackend* backend_;
    QString selected_;
    QString openDevice_;
    std::atomic<bool> open_{false};
};

} // namespace vorlo
