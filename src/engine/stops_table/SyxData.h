#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace vorlo {

// The contents of a stop's .syx file: the limit on its size, whether it is something the module
// can be sent, and the Swell copy that moves a Great stop's set-up onto the Swell's parts.
class SyxData {
public:
    // The largest .syx file a stops-table entry takes.
    static constexpr qsizetype kMaxFileBytes = 32767;

    struct SwellConversion {
        QByteArray copy;         // the rebuilt messages back to back
        int shortMessages = 0;   // messages too short to hold an address, left out
        qsizetype tailBytes = 0; // bytes after the last F7 that form no message, left out
        bool complete() const { return shortMessages == 0 && tailBytes == 0; }
    };

    // Rebuilds every message of a Great entry for the Swell, in order, each with a fresh Roland
    // checksum:
    // - bulk-dump messages addressed to 48 xx xx go to 58 xx xx, and in those whose address
    //   lies in the part area (middle byte up to 17h) message byte 18, the part's receive
    //   channel, becomes channel 2;
    // - individual part parameters of port A (40 1x yy, 40 2x yy, 40 4x yy) go to the same
    //   part of port B (50 ...), and a receive channel set in them (parameter 02, a channel
    //   00..0F) becomes channel 2;
    // - every other message keeps its bytes.
    // Entries shorter than 10 bytes give an empty copy. The walk never reads past the end.
    static SwellConversion toSwell(QByteArrayView great);

    // True when the bytes are one or more complete F0 ... F7 messages back to back, with only
    // data bytes (below 80h) between each F0 and its F7.
    static bool isMessageSequence(QByteArrayView bytes);

    // True when the bytes hold at least one complete F0 ... F7 message with only data bytes
    // inside, whatever stands around it: a file without one has nothing the module can take.
    static bool holdsMessage(QByteArrayView bytes);
};

} // namespace vorlo
