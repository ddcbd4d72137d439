#pragma once

#include "MidiOutputPort.h"

namespace vorlo {

class PacedOutputPort;

// The player's stream of the paced output: what the player plays (notes passed through, their
// coupler and sub-octave copies, the panic) goes to the device at once, ahead of the console's
// waiting messages. Device selection, opening and closing belong to the paced output.
class PlayerOutputStream : public MidiOutputPort {
public:
    explicit PlayerOutputStream(PacedOutputPort& paced) : paced_(paced) {}

    int deviceCount() override;
    QString deviceName(int index) override;
    void selectDevice(int index) override;
    void open() override;
    void close() override;
    bool isOpen() const override;
    bool selectedDeviceHasWire() const override;
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendSysex(const QByteArray& bytes) override;

private:
    PacedOutputPort& paced_;
};

} // namespace vorlo
