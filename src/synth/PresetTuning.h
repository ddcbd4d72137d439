#pragma once

#include "SoundFontKeyMap.h"

#include <QString>
#include <array>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include <fluidsynth/types.h>

namespace vorlo {

// How far each preset of a SoundFont sounds from equal temperament, key by key: a sampled
// SoundFont is rarely in tune (a sample a few cents sharp plays its whole key range sharp), and
// an organ must be. The first time a preset is asked for, one key of each of its key ranges
// (the keys that play the same zones of the SoundFont) is played on a synthesizer of its own
// and its pitch measured to a small fraction of a cent; the figures are kept in a
// cache file (the SoundFont's path, size and date, then one line per preset), so a known
// SoundFont costs nothing at the next start. A SoundFont changed on disk is measured afresh.
//
// The measuring runs on a thread of its own, so whoever asks never waits: a preset not yet
// known reads as unknown until its measurement is taken in (collect()). Everything but the
// measuring itself belongs to the thread that made the object.
class PresetTuning {
public:
    static constexpr int kKeys = 128;
    // Cents sharp (positive) or flat of each sounding key; 0 where no pitch could be measured.
    using Deviation = std::array<float, kKeys>;

    // soundFont empty: every preset is taken as in tune. cacheFile empty: measured every time.
    // measured: called on the measuring thread each time a measurement is ready to collect().
    PresetTuning(const QString& soundFont, const QString& cacheFile, double sampleRate,
                 std::function<void()> measured = {});
    // A measurement under way is abandoned after one step of rendering (a few milliseconds).
    ~PresetTuning();
    PresetTuning(const PresetTuning&) = delete;
    PresetTuning& operator=(const PresetTuning&) = delete;

    // The preset's figures once known; null while they are not, and then they are measured.
    const Deviation* deviation(int bank, int program);
    // Takes in the measurements finished since the last call; true when there were any.
    bool collect();
    // Waits until every preset asked for is measured (tests, benchmarks).
    void waitUntilMeasured();

    // The period of a steady tone near an expected one (within ±50 cents), in samples, by
    // autocorrelation refined over ever more periods; 0 when no period stands out.
    static double periodOf(const float* x, int length, double expectedPeriod);
    // Cents sharp of the tone's fundamental against the expected period, from its phase
    // through the stretch; NaN when the tone has no fundamental to follow. steadiness: the
    // fundamental's weakest moment as a share of its mean strength.
    static double fundamentalCents(const float* x, int length, double expectedPeriod,
                                   double* steadiness = nullptr);

private:
    // The measuring thread: takes the presets asked for one by one.
    void run();
    Deviation measure(int bank, int program);
    // Cents sharp of a key of the selected preset: its fundamental's mean pitch once settled.
    // NaN when its pitch does not hold still, or the measuring was stopped.
    double measureKey(int key);
    // Renders frames of the measuring synthesizer; false when the measuring is to stop.
    bool render(float* left, float* right, int frames);
    bool openSynth();
    void load();
    void save() const;
    QString stamp() const;

    QString soundFont_;
    QString cacheFile_;
    double sampleRate_;
    std::function<void()> measured_;
    // The owner's: every preset taken in (by bank * 128 + program), and those asked for since.
    std::map<int, Deviation> presets_;
    std::set<int> asked_;
    // Shared with the measuring thread, under mutex_.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<int> queue_;
    std::map<int, Deviation> finished_;
    bool measuring_ = false;
    std::atomic<bool> stop_{false};
    std::thread worker_; // started by the first preset to measure
    // The measuring thread's: its synthesizer and every preset known, for the cache file.
    std::map<int, Deviation> known_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    int font_ = -1;
    SoundFontKeyMap keyMap_;
    bool hasKeyMap_ = false;
    bool failed_ = false;
};

} // namespace vorlo
