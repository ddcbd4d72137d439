#pragma once

#include "MidiOutputPort.h"
#include "PlayerOutputStream.h"

#include <QByteArray>
#include <QTimer>
#include <chrono>
#include <deque>
#include <functional>

namespace vorlo {

// The output as the console uses it: the device's port with the console's own messages paced
// at the speed of the MIDI cable behind the device, so that the player's notes never wait
// behind a whole registration.
//
// Two streams reach the device. The console stream (sendShort and sendSysex of this port:
// stops-table entries, the controllers that follow them, temperaments, levels) keeps its order
// exactly. The player stream (player(): notes passed through from the keyboards, their coupler
// and sub-octave copies, the panic) goes to the device at once, ahead of whatever console
// messages are still waiting. System-exclusive messages of the console stream are handed to the
// device one at a time, each when the cable has carried the previous one, so a note played
// meanwhile goes out between two of them; a message is never split.
//
// With pacing off (wire speed 0, or a device without a cable such as the built-in synthesizer)
// both streams go to the device at once, unchanged.
class PacedOutputPort : public MidiOutputPort {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    // The speed of a standard MIDI cable: 31,250 baud, ten bits per byte.
    static constexpr int kDinBaud = 31250;
    static constexpr int kBitsPerByte = 10;
    // The slowest and fastest custom speeds taken.
    static constexpr int kMinBaud = 1200;
    static constexpr int kMaxBaud = 10'000'000;
    // How long before the cable is free the next system-exclusive message is handed over, so
    // that the cable does not idle while the timer wakes up.
    static constexpr std::chrono::microseconds kLead{1000};

    explicit PacedOutputPort(MidiOutputPort& device, QObject* parent = nullptr);
    ~PacedOutputPort() override;

    int deviceCount() override { return device_.deviceCount(); }
    QString deviceName(int index) override { return device_.deviceName(index); }
    void selectDevice(int index) override;
    void open() override;
    // Whatever is still waiting is handed to the device before it closes.
    void close() override;
    bool isOpen() const override { return device_.isOpen(); }
    bool selectedDeviceHasWire() const override { return device_.selectedDeviceHasWire(); }
    int builtInDeviceIndex() override { return device_.builtInDeviceIndex(); }

    // The console stream.
    void sendShort(uint8_t status, uint8_t data1, uint8_t data2) override;
    void sendSysex(const QByteArray& bytes) override;

    // The player stream.
    MidiOutputPort& player() { return player_; }
    void sendPlayerShort(uint8_t status, uint8_t data1, uint8_t data2);
    void sendPlayerSysex(const QByteArray& bytes);

    // The cable's speed in baud; 0 turns pacing off. Out-of-range speeds are clamped.
    void setWireSpeed(int baud);
    int wireSpeed() const { return baud_; }
    // True while console messages are paced: a speed is set and the device has a cable.
    bool isPacing() const;
    // The wait after each system-exclusive message on the cable, in milliseconds (the sysex
    // delay); read for every message.
    std::function<int()> sysexGapMs;

    // Console messages waiting for the cable.
    size_t queued() const { return queue_.size(); }
    // Hands everything waiting to the device now.
    void flush();

    // Reads a stored wire speed: a number of baud, 0 for off; anything unreadable gives the
    // default, out-of-range speeds are clamped.
    static int parseWireSpeed(const QVariant& stored, int defaultBaud);

private:
    struct Item {
        QByteArray sysex;
        uint8_t bytes[3] = {0, 0, 0};
        bool isSysex = false;
    };

    void enqueueSysex(const QByteArray& message);
    void deliver(const Item& item);
    // Counts bytes handed to the device onto the cable's time line.
    void occupyWire(size_t bytes);
    // The earliest moment the next console system-exclusive message may be handed over.
    Clock::time_point sysexReadyAt() const;
    void pump();

    MidiOutputPort& device_;
    PlayerOutputStream player_;
    std::deque<Item> queue_;
    QTimer timer_;
    int baud_ = 0;
    double bytesPerSecond_ = 0;
    // When the cable will have carried everything handed over so far.
    Clock::time_point wireFree_{};
    // When the wait after the last console system-exclusive message ends.
    Clock::time_point gapEnd_{};
    // Whether the device opened last sits behind a cable.
    bool wired_ = false;
    bool pumping_ = false;
};

} // namespace vorlo
