#pragma once

#include "PeakLimiter.h"
#include "RenderTap.h"

#include <QString>
#include <atomic>

#include <fluidsynth/types.h>

namespace vorlo {

// FluidSynth with the console's SoundFonts: a synthesizer with one MIDI channel per GS part,
// the player's General MIDI SoundFont, and the program's own sine SoundFont that guarantees
// the reinforcement's GS Sine Wave. Owns the synthesizer; renders only when asked (offline) or
// through an audio driver that someone else attaches.
class SynthCore {
public:
    struct Options {
        QString soundFont;     // the player's SoundFont; empty or unreadable: sine only
        QString sineSoundFont; // "vorlo2000-sine.sf2" of the program folder
        double sampleRate = 48000.0;
        int channels = 32;
        int polyphony = 1024;
    };

    // GS tone of the Sine Wave, always taken from the sine SoundFont.
    static constexpr int kSineBank = 8;
    static constexpr int kSineProgram = 80;
    static constexpr int kDrumBank = 128;
    // FluidSynth's master gain (its own default is 0.2), before the GS layer gives back the
    // 3 dB its voices sustain below their peaks. With Debian's FluidR3 one stop's note of the
    // default organ sounds around -25 dBFS RMS, ten fingers on that stop stay 2 dB below the
    // limiter's ceiling, and only a full organ goes beyond it (held by about 19 dB).
    static constexpr double kGain = 0.37;

    explicit SynthCore(const Options& options);
    ~SynthCore();
    SynthCore(const SynthCore&) = delete;
    SynthCore& operator=(const SynthCore&) = delete;

    fluid_synth_t* synth() const { return synth_; }
    fluid_settings_t* settings() const { return settings_; }
    double sampleRate() const { return sampleRate_; }

    // True when the player's SoundFont loaded; soundFontError() says why it did not.
    bool hasSoundFont() const { return mainFont_ >= 0; }
    QString soundFontError() const { return soundFontError_; }
    QString soundFontPath() const { return soundFontPath_; }

    // Where a GS tone of a melodic part comes from in a SoundFont: its own preset (bank =
    // variation), else the capital tone of the variation (bank 0, same program), else nowhere.
    enum class ToneSource { Own, Capital, Missing };
    static ToneSource toneSource(fluid_sfont_t* font, int variation, int program);

    // Puts a GS tone (variation = bank MSB, program) on a channel, as a GS module does: the
    // SoundFont's own preset, else the capital tone of the variation (bank 0); the Sine Wave
    // from the program's sine SoundFont. A rhythm part takes the drum set of the program.
    // Returns false, leaving the channel silent, when no preset fits.
    bool selectTone(int channel, int variation, int program, bool rhythm);

    // The next frames of stereo sound, limited: no sample beyond PeakLimiter::kCeilingDb. One
    // thread at a time (the audio driver's or the recorder's); allocates nothing.
    void render(float* left, float* right, int frames);
    // The loudest sample rendered since the last call, 0..1 (full scale); callable from any
    // thread. The rendering keeps it with one comparison per sample and no lock.
    float takePeak() { return peak_.exchange(0.0f, std::memory_order_relaxed); }
    PeakLimiter& limiter() { return limiter_; }
    // The master volume: a factor on everything rendered, before the limiter (1 = the standard
    // level, which renders exactly as without it). Callable from any thread; the next period
    // takes it.
    void setVolume(double factor) { volume_.store(static_cast<float>(factor)); }
    double volume() const { return volume_.load(); }
    // Hears every block rendered from now on (nullptr: nothing); it must outlive its use.
    void setTap(RenderTap* tap) { tap_.store(tap, std::memory_order_release); }

private:
    bool hasPreset(int fontId, int bank, int program) const;

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int mainFont_ = -1;
    int sineFont_ = -1;
    double sampleRate_ = 0;
    PeakLimiter limiter_;
    std::atomic<float> peak_{0.0f};
    std::atomic<float> volume_{1.0f};
    std::atomic<RenderTap*> tap_{nullptr};
    QString soundFontPath_;
    QString soundFontError_;
};

} // namespace vorlo
