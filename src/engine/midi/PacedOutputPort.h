#pragma once

#include "FloodPolicy.h"
#include "MidiOutputPort.h"
#include "MidiOutputTap.h"
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
// both streams go to the device at once, unchanged; a device whose MIDI system takes less drops
// by the same rules (FloodPolicy) and says so (messageDropped), which counts here as a drop of
// the cable's: the output is then behind (isBehindCable()).
//
// Bounds, for a player (or a flood) that sends more than the cable carries:
// - The player stream may book the cable at most kPlayerBurst ahead; while console messages
//   wait it may use a burst of kPlayerBurst and then half the cable, so a registration reaches
//   the module within twice its own cable time plus 4 x kPlayerBurst, however much is played.
//   What the player sends beyond that is dropped: new notes, pressure, bends, controllers,
//   clock. Never a release (midi::isRelease) of something sounding: a note-off goes out
//   whenever its note-on did. The output is then behind the cable (isBehindCable()).
// - Up to kCoalesceFrom bytes the console's waiting messages keep their order exactly; beyond
//   that a new message replaces a waiting one for the same controller or the same module
//   address (a GS data set of the same address and size, or the same bytes), so what waits
//   never exceeds one message per address however often a flood of commands resends them.
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
    // How far ahead the player's messages may book the cable (about 100 three-byte messages
    // at 31,250 baud: a two-handed chord with every coupler on).
    static constexpr std::chrono::milliseconds kPlayerBurst{100};
    // Console bytes waiting beyond which a new message replaces a waiting one to the same
    // address (more than the start-up reset of the tables the program builds).
    static constexpr size_t kCoalesceFrom = FloodPolicy::kOrderedBytes;
    // How long the output stays marked behind the cable after the last message dropped.
    static constexpr std::chrono::milliseconds kBehindHold{1000};

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
    float takeOutputPeak() override { return device_.takeOutputPeak(); }

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

    // Console messages waiting for the cable, and their bytes.
    size_t queued() const { return queue_.size(); }
    size_t queuedBytes() const { return queuedBytes_; }
    // Hands everything waiting to the device now.
    void flush();
    // Hands over what the cable is ready for (run by the timer when the cable frees).
    void pump();

    // True while the player sends more than the cable carries and messages are dropped.
    bool isBehindCable() const { return behind_; }
    // The player's messages dropped since the start.
    size_t droppedPlayerMessages() const { return dropped_; }

    // The clock the cable's time line follows (tests drive their own).
    using ClockFunction = Clock::time_point (*)();
    void setClock(ClockFunction clock) { clock_ = clock; }

    // Hears everything handed to the device from now on (nullptr: nothing). The tap must stay
    // alive until it is taken away again.
    void setTap(MidiOutputTap* tap) { tap_ = tap; }
    MidiOutputTap* tap() const { return tap_; }

    // Reads a stored wire speed: a number of baud, 0 for off; anything unreadable gives the
    // default, out-of-range speeds are clamped.
    static int parseWireSpeed(const QVariant& stored, int defaultBaud);

signals:
    // The output falls behind the cable (true) or has caught up again (false).
    void behindCableChanged(bool behind);

private:
    struct Item {
        QByteArray sysex;
        uint8_t bytes[3] = {0, 0, 0};
        bool isSysex = false;
    };

    void enqueueSysex(const QByteArray& message);
    // Queues a console message behind the waiting ones (replacing a waiting one to the same
    // address once kCoalesceFrom bytes wait).
    void enqueue(Item&& item);
    static size_t sizeOf(const Item& item);
    static bool sameTarget(const Item& a, const Item& b);
    void deliver(const Item& item);
    // The one way out to the device: the tap hears each message as it leaves.
    void toDevice(uint8_t status, uint8_t data1, uint8_t data2) {
        if (tap_) [[unlikely]]
            tap_->shortSent(status, data1, data2);
        device_.sendShort(status, data1, data2);
    }
    void toDevice(const QByteArray& sysex) {
        if (tap_) [[unlikely]]
            tap_->sysexSent(sysex);
        device_.sendSysex(sysex);
    }
    // Whether a player's message may go now; false when it is dropped.
    bool admitPlayer(uint8_t status, uint8_t data1, uint8_t data2, Clock::duration onWire,
                     Clock::time_point now);
    void dropped(Clock::time_point now);
    void checkBehind();
    Clock::duration cableTime(size_t bytes) const;
    // Counts bytes handed to the device onto the cable's time line.
    void occupyWire(size_t bytes);
    void occupyWire(Clock::duration onWire, Clock::time_point now);
    // The earliest moment the next console system-exclusive message may be handed over.
    Clock::time_point sysexReadyAt() const;

    MidiOutputPort& device_;
    PlayerOutputStream player_;
    std::deque<Item> queue_;
    size_t queuedBytes_ = 0;
    QTimer timer_;
    ClockFunction clock_ = &Clock::now;
    int baud_ = 0;
    double bytesPerSecond_ = 0;
    // When the cable will have carried everything handed over so far.
    Clock::time_point wireFree_{};
    // When the wait after the last console system-exclusive message ends.
    Clock::time_point gapEnd_{};
    // Whether the device opened last sits behind a cable.
    bool wired_ = false;
    bool pumping_ = false;

    // The player's share of the cable while console messages wait: refilled at half the
    // cable's speed, at most kPlayerBurst.
    Clock::duration credit_ = kPlayerBurst;
    Clock::time_point refilled_{};
    // What may be dropped; follows the notes the player stream has sounding on the device,
    // whose note-offs are never dropped.
    FloodPolicy policy_;
    size_t dropped_ = 0;
    bool behind_ = false;
    Clock::time_point lastDrop_{};
    QTimer behindTimer_;
    MidiOutputTap* tap_ = nullptr;
};

} // namespace vorlo
