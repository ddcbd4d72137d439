#pragma once

#include <QByteArrayView>
#include <vector>

namespace vorlo {

// A buffer of system-exclusive messages back to back, as a stops-table entry or a .syx file
// holds them: checked whole, or cut into its messages.
class SysexSequence {
public:
    // What may stand between a message's F0 and its F7.
    enum class Inside {
        AnyBytes,      // everything up to the first F7 belongs to the message
        DataBytesOnly, // only data bytes (below 80h): a status byte inside spoils the buffer
    };

    // True when the bytes are one or more complete F0 ... F7 messages back to back, with nothing
    // before, between or after them. An empty buffer is not a sequence.
    static bool isComplete(QByteArrayView bytes, Inside inside);

    // The buffer cut after every F7: each piece ends with its F7 and starts after the previous
    // one (whatever it starts with); the bytes after the last F7 are the tail.
    struct Pieces {
        std::vector<QByteArrayView> pieces;
        QByteArrayView tail;
    };
    static Pieces split(QByteArrayView bytes);

    // The message a piece carries, from its last F0 to its end; empty when it holds no F0.
    static QByteArrayView lastMessageIn(QByteArrayView piece);
};

} // namespace vorlo
