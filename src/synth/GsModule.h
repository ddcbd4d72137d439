#pragma once

#include "AttenuationRamp.h"
#include "GsAddress.h"
#include "GsConstants.h"
#include "GsPart.h"
#include "PresetTuning.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

typedef struct _fluid_voice_t fluid_voice_t;

namespace vorlo {

class SynthCore;

// The GS layer in front of FluidSynth: a two-port, 32-part GS module on one MIDI input. It
// takes the console's channel messages and GS data-set (DT1) messages, keeps every part's
// parameters as the module would, and plays each part on its own FluidSynth channel (part n on
// channel n - 1). Both ports' parts listen to the same input, as on a module of the SC88 class
// fed by one cable. Messages it cannot use are ignored.
//
// A part whose tone changes under held notes lets them sound with the old tone until their
// keys are released (FluidSynth keeps a voice's preset); level, pan, tuning and tremulant
// changes reach sounding notes at once; a level change (mute and restore included) fades over
// AttenuationRamp::kRampMs.
//
// The tremulant owns the modulation LFO of the part's voices while it is on: rate, delay and
// depths are set on each voice as absolute values, whatever the preset's own LFO. Its amplitude
// swings symmetrically, ±depth dB around a mean lowered by the depth, so its peaks reach the
// part's level (every voice keeps kTremulantHeadroomCb of sustain attenuation for the swing,
// given back by the synthesizer's gain).
class GsModule {
public:
    static constexpr int kParts = gs::PartCount;
    static constexpr int kPartsPerPort = gs::PartsPerPort;

    // tuningCache: the file that keeps the SoundFont's measured tuning between starts (empty:
    // measured each time). tuningMeasured: called on the measuring thread when a preset's
    // tuning is ready; its owner then calls takeMeasuredTuning() on the module's own thread.
    explicit GsModule(SynthCore& core, const QString& tuningCache = {},
                      std::function<void()> tuningMeasured = {});
    ~GsModule();

    // GS reset: every part back to its power-on state, all sound stopped.
    void reset();
    // One or more complete F0 ... F7 messages.
    void sysex(const QByteArray& bytes);
    void shortMessage(uint8_t status, uint8_t data1, uint8_t data2);
    // Panic: every voice stops at once and no note stays held.
    void allSoundOff();

    const GsPart& part(int n) const { return parts_.at(static_cast<size_t>(n - 1)); }

    // A preset plays with the SoundFont's own tuning until its measurement is ready; this
    // corrects the parts whose presets were measured since (sounding notes follow).
    void takeMeasuredTuning();
    // Waits for every measurement asked for and takes them (tests, benchmarks).
    void waitForTuning();

private:
    enum Dirty : uint8_t {
        DirtyTone = 1,
        DirtyGain = 2,
        DirtyPan = 4,
        DirtyTuning = 8,
        DirtyLfo = 16,
        DirtyVibrato = 32,
        DirtyReverbSend = 64,
        DirtyAll = 127,
    };

    void dataSet(QByteArrayView message);
    void write(const GsAddress& address, uint8_t value);
    void writePart(int n, uint8_t address, uint8_t value);
    void writeDestination(int n, uint8_t address, uint8_t value);
    void applyDirty();
    void apply(int n, uint8_t what);
    void applyReverb();

    void noteOn(int channel, int key, int velocity);
    void noteOff(int channel, int key);
    void releaseFrom(int channel);
    void controlChange(int channel, int controller, int value);
    void forEachPartOn(int channel, auto&& f);
    double gainOf(int n) const;
    // The part's tremulant as FluidSynth's modulation LFO: frequency in absolute cents, pitch
    // depth in cents, amplitude depth in centibels (half the peak-to-peak swing).
    struct Tremulant {
        float frequency = 0.0f;
        float pitch = 0.0f;
        float volume = 0.0f;
        bool operator==(const Tremulant&) const = default;
        bool on() const { return pitch > 0.0f || volume > 0.0f; }
    };
    Tremulant tremulantOf(int n) const;
    // Writes the part's tremulant onto its sounding voices (key -1: all of them).
    void tremulantOnVoices(int n, int key);
    int velocityOf(int n, int struck) const;
    // How far the part's preset sounds from equal temperament, key by key; null for the
    // rhythm part, a silent part and the program's own exact sine.
    const PresetTuning::Deviation* deviationOf(int n);

    SynthCore& core_;
    std::array<GsPart, kParts> parts_;
    std::array<uint8_t, kParts> dirty_{};
    // The last value of every controller on each input channel.
    std::array<std::array<uint8_t, 128>, 16> controllers_{};
    // Per part and played key: the key the part sounds (-1: none) and the channel it came on,
    // so that the note-off finds the note whatever changed since.
    std::array<std::array<int8_t, 128>, kParts> held_{};
    std::array<std::array<uint8_t, 128>, kParts> heldFrom_{};
    // What each part's FluidSynth channel was last given, so that an unchanged value is not
    // sent again (each send updates every sounding voice of the channel).
    struct Sent {
        float attenuation = -1.0f;
        Tremulant tremulant;
    };
    std::array<Sent, kParts> sent_{};
    // False while the part's tone is missing from the SoundFonts: it plays nothing.
    std::array<bool, kParts> hasTone_{};
    // The measured tuning of the player's SoundFont, and each part's preset's share of it,
    // taken out through the part's key tuning so that every rank plays in tune.
    std::unique_ptr<PresetTuning> presetTuning_;
    // Level changes fade over a few milliseconds instead of clicking.
    AttenuationRamp ramp_;
    std::array<const PresetTuning::Deviation*, kParts> deviation_{};
    // The preset (bank * 128 + program) each part waits to have measured; -1: none.
    std::array<int, kParts> awaited_{};
    uint8_t reverbMacro_ = 4;
    uint8_t reverbLevel_ = 64;
    uint8_t masterVolume_ = 127;
    double baseGain_ = 0.2;
    // Room for the voice list FluidSynth fills (its polyphony).
    std::vector<fluid_voice_t*> voices_;
};

} // namespace vorlo
