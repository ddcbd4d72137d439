#pragma once

#include <RtMidi.h>

#include <QByteArray>
#include <QString>
#include <mutex>
#include <string>
#include <vector>

namespace vorlo::test {

// Stands for a sound module on the test JACK server: a plain RtMidi input port that others
// connect to, recording every message that arrives, system-exclusive included.
class JackProbeInput {
public:
    // Opens the port "<client>:<port>".
    JackProbeInput(const std::string& client, const std::string& port);
    ~JackProbeInput();

    // The full JACK name of the port, as the console's output lists it.
    QString portName() const { return portName_; }
    // Everything received so far, in order of arrival.
    std::vector<QByteArray> messages() const;
    size_t count() const;
    // Waits (running Qt's events) until at least n messages have arrived. The wait ends as soon
    // as they have; the limit is generous because a loaded machine can hold the JACK server's
    // cycle back for seconds.
    bool waitFor(size_t n, int timeoutMs = 10000) const;

private:
    static void onMidi(double, std::vector<unsigned char>* message, void* probe);

    mutable std::mutex mutex_;
    std::vector<QByteArray> messages_;
    QString portName_;
    RtMidiIn midi_;
};

} // namespace vorlo::test
