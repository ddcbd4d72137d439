#pragma once

#include <QString>
#include <stdexcept>

namespace vorlo {

// Raised by port operations that fail (a device that does not exist, a port that cannot
// open); carries the component's message for the player.
class MidiPortError : public std::runtime_error {
public:
    MidiPortError(int code, const QString& text)
        : std::runtime_error(text.toStdString()), code_(code), text_(text) {}
    int code() const { return code_; }
    const QString& text() const { return text_; }

private:
    int code_;
    QString text_;
};

} // namespace vorlo
