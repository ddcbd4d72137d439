#pragma once

#include <QString>
#include <QStringList>

namespace vorlo {

// Finds a device again in a list the MIDI system gave, by the name it had when the player chose
// it: the exact name first, then the name without the parts the system changes from one run to
// the next (the ALSA client and port numbers "20:0", the bracketed client ids "[24]" of JACK's
// ALSA bridge, the "-01" a JACK client gets when its name was taken).
class DeviceNameMatch {
public:
    enum class How { Exact, Loose, NotFound };
    struct Found {
        int index = -1;
        How how = How::NotFound;
    };

    // The name without its changing parts, with runs of blanks made one.
    static QString withoutChangingParts(const QString& name);
    // Looks for wanted among the first count names. Among several loose matches the one at
    // preferred (where the device was last time) wins, otherwise the first.
    static Found find(const QStringList& names, int count, const QString& wanted, int preferred);
};

} // namespace vorlo
