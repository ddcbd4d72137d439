#pragma once

#include "SoundFontKeyMap.h"

#include <QString>
#include <array>
#include <map>

#include <fluidsynth/types.h>

namespace vorlo {

// How far each preset of a SoundFont sounds from equal temperament, key by key: a sampled
// SoundFont is rarely in tune (a sample a few cents sharp plays its whole key range sharp), and
// an organ must be. The first time a preset is asked for, one key of each of its key ranges
// (the keys that play the same zones of the SoundFont) is played on a synthesizer of its own
// and its pitch measured to a small fraction of a cent; the figures are kept in a
// cache file (the SoundFont's path, size and date, then one line per preset), so a known
// SoundFont costs nothing at the next start. A SoundFont changed on disk is measured afresh.
class PresetTuning {
public:
    static constexpr int kKeys = 128;
    // Cents sharp (positive) or flat of each sounding key; 0 where no pitch could be measured.
    using Deviation = std::array<float, kKeys>;

    // soundFont empty: every preset is taken as in tune. cacheFile empty: measured every time.
    PresetTuning(const QString& soundFont, const QString& cacheFile, double sampleRate);
    ~PresetTuning();
    PresetTuning(const PresetTuning&) = delete;
    PresetTuning& operator=(const PresetTuning&) = delete;

    const Deviation& deviation(int bank, int program);

    // The period of a steady tone near an expected one (within ±50 cents), in samples, by
    // autocorrelation refined over ever more periods; 0 when no period stands out.
    static double periodOf(const float* x, int length, double expectedPeriod);
    // Cents sharp of the tone's fundamental against the expected period, from its phase
    // through the stretch; NaN when the tone has no fundamental to follow.
    static double fundamentalCents(const float* x, int length, double expectedPeriod);

private:
    Deviation measure(int bank, int program);
    // Cents sharp of a key of the selected preset: its fundamental's mean pitch once settled.
    double measureKey(int key);
    bool openSynth();
    void load();
    void save() const;
    QString stamp() const;

    QString soundFont_;
    QString cacheFile_;
    double sampleRate_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int font_ = -1;
    SoundFontKeyMap keyMap_;
    bool hasKeyMap_ = false;
    bool failed_ = false;
    std::map<int, Deviation> presets_; // by bank * 128 + program
};

} // namespace vorlo
