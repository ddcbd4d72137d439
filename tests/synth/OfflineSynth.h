#pragma once

#include "GsModule.h"
#include "SynthCore.h"

#include <QByteArray>
#include <QString>
#include <map>
#include <memory>
#include <vector>

// The GS layer on FluidSynth with the tests' sine SoundFont, rendered to memory: no audio
// device, every sample known. Also builds GS data-set messages and measures what it renders.
class OfflineSynth {
public:
    static constexpr int kSampleRate = 48000;

    // The tests' sine SoundFont, or another one.
    explicit OfflineSynth(const QString& soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT));

    vorlo::GsModule& gs() { return *module_; }
    vorlo::SynthCore& core() { return *core_; }

    // F0 41 10 42 12 a1 a2 a3 data... checksum F7.
    static QByteArray dataSet(std::initializer_list<uint8_t> addressAndData);
    // A part parameter of part n (1..32) at its port's address.
    static QByteArray partParameter(int part, uint8_t parameter, std::vector<uint8_t> values);
    static QByteArray destination(int part, uint8_t parameter, uint8_t value);
    void send(const QByteArray& sysex) { module_->sysex(sysex); }
    void note(int channel, int key, int velocity = 100);
    void release(int channel, int key);
    void cc(int channel, int controller, int value);

    // Renders the next seconds of sound; returns the left channel plus the right.
    std::vector<float> render(double seconds);
    // Voices sounding per FluidSynth channel (= part - 1).
    std::map<int, int> voicesPerChannel();

    static double rms(const std::vector<float>& x);
    // Frequency from the upward zero crossings of a steady stretch (linear interpolation
    // between samples), exact to far better than a cent for a pure tone.
    static double frequency(const std::vector<float>& x);
    static double cents(double f, double reference);

    // Sets part n to a plain organ part on a channel: tone, not a rhythm part, full level, fixed
    // velocity 100, no reverb, volume reception off, centred.
    void plainPart(int part, int channel, int variation = 0, int program = 19);

private:
    std::unique_ptr<vorlo::SynthCore> core_;
    std::unique_ptr<vorlo::GsModule> module_;
};
