#pragma once

#include "MidiOutputPort.h"

#include <memory>

namespace vorlo {

// The console's output port: the MIDI system's devices, then the built-in synthesizer as one
// more device after them. Real devices keep their numbers, so a configuration that stored one
// still finds it; the built-in device takes the number that used to mean "No device", and the
// set-up keeps the settings file's word on which of the two a stored number means.
class OutputWithBuiltInSynth : public MidiOutputPort {
    Q_OBJECT
public:
    OutputWithBuiltInSynth(std::unique_ptr<MidiOutputPort> real,
                           std::unique_ptr<MidiOutputPort> builtIn, QObject* parent = nullptr);
    ~OutputWithBuiltInSynth() override;

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override;
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendSysex(const QByteArray& bytes) override;
    bool selectedDeviceHasWire() const override { return selected_->selectedDeviceHasWire(); }
    float takeOutputPeak() override { return selected_->takeOutputPeak(); }
    int builtInDeviceIndex() override;

    MidiOutputPort& builtIn() { return *builtIn_; }
    MidiOutputPort& real() { return *real_; }

private:
    std::unique_ptr<MidiOutputPort> real_;
    std::unique_ptr<MidiOutputPort> builtIn_;
    MidiOutputPort* selected_;
    MidiOutputPort* open_ = nullptr; // the port that open() opened, until close()
    int realCount_ = -1;             // the real devices at the last scan
};

} // namespace vorlo
