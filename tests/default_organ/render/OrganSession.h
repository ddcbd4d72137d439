#pragma once

#include "StopTable.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// Plays the stops table through a software GS renderer (the Debian packages timidity and freepats)
// the way the console drives a two-port GS module: the table's messages on input A, every channel
// message on both inputs, then single notes; returns the steady middle of each note.
class OrganSession {
public:
    explicit OrganSession(const vorlo::StopTable& table) : table_(table) {}

    // False, with the reason, when timidity or the freepats set is missing.
    static bool rendererAvailable(QString* why);

    void send(int entry);
    // The console's 32 scale-tuning messages made from a temperament entry (start note C).
    void temperament(int entry);
    // A note of 0.75 s after a 0.25 s rest; returns its index among the played notes.
    int play(int channel, int key);

    std::optional<std::vector<std::vector<int16_t>>> render(QString* error);
    int sampleRate() const { return sampleRate_; }

private:
    const vorlo::StopTable& table_;
    std::vector<QByteArray> setUp_;
    std::vector<std::pair<int, int>> notes_; // channel, key
    int sampleRate_ = 0;
};
