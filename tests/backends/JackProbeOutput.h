#pragma once

#include <RtMidi.h>

#include <QByteArray>
#include <QString>
#include <initializer_list>
#include <string>

namespace vorlo::test {

// Stands for a keyboard on the test JACK server: a plain RtMidi output port that others
// connect to.
class JackProbeOutput {
public:
    // Opens the port "<client>:<port>".
    JackProbeOutput(const std::string& client, const std::string& port);
    ~JackProbeOutput();
    JackProbeOutput(const JackProbeOutput&) = delete;
    JackProbeOutput& operator=(const JackProbeOutput&) = delete;

    // The full JACK name of the port, as the console's inputs list it.
    QString portName() const { return portName_; }
    void play(std::initializer_list<unsigned char> bytes);
    void play(const QByteArray& bytes);

private:
    QString portName_;
    RtMidiOut midi_;
};

} // namespace vorlo::test
