#pragma once

#include "MidiByteParser.h"
#include "MidiInputQueue.h"
#include "ShortMessage.h"
#include "ThreadWaker.h"

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>

namespace vorlo {

// An input port of the MIDI port component. Backends deliver incoming messages with
// receive() on whatever thread their library uses; the port queues them and raises message()
// on the thread that owns the port (the user-interface thread). The handler then reads the
// queue: queuedCount(), oldest(), dropOldest().
class MidiInputPort : public QObject {
    Q_OBJECT
public:
    explicit MidiInputPort(QObject* parent = nullptr);
    ~MidiInputPort() override;

    virtual int deviceCount() = 0;
    // Throws MidiPortError for an index outside 0..deviceCount()-1.
    virtual QString deviceName(int index) = 0;
    // Chooses the device the next open() uses; throws MidiPortError for a bad index.
    virtual void selectDevice(int index) = 0;
    // Throws MidiPortError when the device cannot be opened.
    virtual void open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Filters for the system status bytes FE, F1, F6, F8, FA, FB, FD, FF: true = messages with
    // that status byte are not delivered.
    void setFilter(uint8_t status, bool reject);
    bool filter(uint8_t status) const;

    // How many times the backend delivered bytes since the port was made; read from any thread
    // to show that the device is sending.
    uint32_t receivedCount() const { return received_.load(std::memory_order_relaxed); }

    int queuedCount() const;
    // The oldest queued message (all zero when the queue is empty).
    ShortMessage oldest() const;
    void dropOldest();

    // Called by the backend with incoming bytes, from any thread but one call at a time: one
    // message or several, or pieces of one. The bytes are read as one continuous stream (see
    // MidiByteParser); filtered status bytes and system-exclusive messages are not queued,
    // and neither is what a flood brings beyond the queue's bounds (MidiInputQueue).
    void receive(const uint8_t* bytes, size_t size);

signals:
    // At least one message is queued.
    void message();
    // The open device went away and the port has closed; what it delivered before stays
    // queued. Raised just before the error() that tells the player.
    void deviceLost();
    // The console is closing the open port (the set-up, the program's end): raised on the
    // port's thread before it closes and its queue is emptied.
    void closing();
    void error(int code, const QString& text);

protected:
    // Raises error() on the port's thread; callable from any thread.
    void reportError(int code, const QString& text);
    // Raises deviceLost(), then error(), on the port's thread; callable from any thread.
    void reportDeviceLost(int code, const QString& text);
    // Empties the queue and has the next receive() start a fresh byte stream.
    void clearQueue();

private:
    void deliver();

    MidiInputQueue queue_;
    MidiByteParser parser_; // used by receive() only
    std::atomic<bool> resetParser_{false};
    std::atomic<uint32_t> filterBits_{0};
    std::atomic<uint32_t> received_{0};
    ThreadWaker waker_;
};

} // namespace vorlo
