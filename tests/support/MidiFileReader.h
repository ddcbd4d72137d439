#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace vorlo::test {

// Reads back a Standard MIDI File of one track as the tests need it: the header's fields and
// each event with its time in ticks. Anything malformed makes ok false and says where.
struct MidiFileReader {
    struct Event {
        uint32_t tick = 0;
        // The message as it would go on the wire (F0 events with their F0), or the meta event
        // as FF type data.
        QByteArray bytes;
        bool meta = false;
    };

    explicit MidiFileReader(const QByteArray& file);

    bool ok = false;
    QString error;
    uint16_t format = 0;
    uint16_t tracks = 0;
    uint16_t division = 0;
    std::vector<Event> events;

    // Every message (no meta events) laid end to end.
    QByteArray messageBytes() const;
    // The events whose bytes begin with this status byte.
    std::vector<Event> withStatus(uint8_t status) const;
};

} // namespace vorlo::test
