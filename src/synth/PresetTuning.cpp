#include "PresetTuning.h"

#include "SafeFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <fluidsynth.h>
#include <map>
#include <set>
#include <utility>
#include <vector>

namespace vorlo {
namespace {

constexpr char kHeader[] = "Vorlo2000 preset tuning 1";
// The keys an organ sounds: the 16' pedal's sub-octave to the 1' of the top manual key. Keys
// outside share their range's figure, if one of its keys is inside.
constexpr int kLowKey = 12;
constexpr int kHighKey = 120;
constexpr int kVelocity = 100;
// A note is measured once its pitch has settled after the attack (sampled tones start sharp or
// flat), for a second and at least twenty of its periods.
constexpr double kSettleSeconds = 0.3;
constexpr double kAnalysisSeconds = 2.4;
constexpr int kLeastPeriods = 30;
// The fundamental is followed when its amplitude is at least this share of the tone's.
constexpr double kLeastFundamental = 0.05;
constexpr double kAgreement = 1.0;
// The fundamental's weakest moment, as a share of its mean strength, for a steady pitch.
constexpr double kSteadyFundamental = 0.3;
// The key that stands for a range: the one nearest the middle of the keyboard, where a tone's
// fundamental is strongest.
constexpr int kMiddleKey = 66;
// The expected period is searched within ±3 % (±50 cents); the refinement goes on while the
// lag stays within 60 % of the analysed stretch.
constexpr double kSearchSpan = 0.03;
constexpr double kLongestLag = 0.6;
constexpr int kRefineFactor = 4;
// Below this correlation a lag is no period of the tone.
constexpr double kPeriodic = 0.3;
constexpr double kLargestDeviation = 50.0;

double correlation(const float* x, int length, int lag) {
    double xy = 0, xx = 0, yy = 0;
    for (int i = 0; i + lag < length; ++i) {
        xy += double(x[i]) * x[i + lag];
        xx += double(x[i]) * x[i];
        yy += double(x[i + lag]) * x[i + lag];
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// The best lag in [lo, hi], refined between samples by a parabola through its neighbours;
// 0 when the best is at the edge of the span or not periodic.
double peakLag(const float* x, int length, int lo, int hi) {
    lo = std::max(lo, 1);
    hi = std::min(hi, length - 2);
    if (hi - lo < 2)
        return 0.0;
    std::vector<double> r(static_cast<size_t>(hi - lo + 1));
    for (int lag = lo; lag <= hi; ++lag)
        r[static_cast<size_t>(lag - lo)] = correlation(x, length, lag);
    const auto best = std::max_element(r.begin(), r.end());
    const size_t i = static_cast<size_t>(best - r.begin());
    if (i == 0 || i + 1 == r.size() || *best < kPeriodic)
        return 0.0;
    const double a = r[i - 1], b = r[i], c = r[i + 1];
    const double bend = a - 2.0 * b + c;
    return double(lo) + double(i) + (bend < 0 ? 0.5 * (a - c) / bend : 0.0);
}

} // namespace

PresetTuning::PresetTuning(const QString& soundFont, const QString& cacheFile, double sampleRate,
                           std::function<void()> measured)
    : soundFont_(soundFont), cacheFile_(cacheFile), sampleRate_(sampleRate),
      measured_(std::move(measured)) {
    load();
    known_ = presets_;
}

PresetTuning::~PresetTuning() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (worker_.joinable())
        worker_.join();
    if (synth_)
        delete_fluid_synth(synth_);
    if (settings_)
        delete_fluid_settings(settings_);
}

double PresetTuning::periodOf(const float* x, int length, double expected) {
    const int span = std::max(2, static_cast<int>(std::ceil(expected * kSearchSpan)));
    double period = peakLag(x, length, static_cast<int>(expected) - span,
                            static_cast<int>(expected) + span + 1);
    if (period <= 0)
        return 0.0;
    // Many periods further on, a sample's error divides by their number. Each step's window
    // (a third of a period either side) holds one peak as long as the period so far is good
    // to a twelfth of a period over the step.
    for (int m = kRefineFactor; m * period + period < kLongestLag * length; m *= kRefineFactor) {
        const double centre = m * period;
        const int reach = std::max(2, static_cast<int>(period / 3));
        const double lag = peakLag(x, length, static_cast<int>(centre) - reach,
                                   static_cast<int>(centre) + reach + 1);
        if (lag <= 0)
            break;
        period = lag / m;
    }
    return period;
}

double PresetTuning::fundamentalCents(const float* x, int length, double expected,
                                      double* steadiness) {
    // The fundamental brought down to 0 Hz and averaged over two expected periods, which
    // cancels every multiple of half the fundamental (its harmonics and an octave below): what
    // is left turns at the fundamental's distance from the expected pitch. Its phase, followed
    // through the stretch, gives the mean frequency, vibrato and beating included.
    const double w = 2.0 * M_PI / expected;
    const int span = static_cast<int>(std::lround(2.0 * expected));
    if (length < 4 * span)
        return std::nan("");
    std::vector<double> re(static_cast<size_t>(length) + 1), im(re.size());
    for (int i = 0; i < length; ++i) {
        re[static_cast<size_t>(i) + 1] = re[static_cast<size_t>(i)] + x[i] * std::cos(w * i);
        im[static_cast<size_t>(i) + 1] = im[static_cast<size_t>(i)] - x[i] * std::sin(w * i);
    }
    double level = 0, sum = 0, weakest = HUGE_VAL;
    for (int i = 0; i < length; ++i)
        level += double(x[i]) * x[i];
    // Least-squares slope of the unwrapped phase against time, one point per span.
    double phase = 0, last = 0, st = 0, sp = 0, stt = 0, stp = 0;
    int points = 0;
    for (int end = span; end <= length; end += span / 2) {
        const double a = re[static_cast<size_t>(end)] - re[static_cast<size_t>(end - span)];
        const double b = im[static_cast<size_t>(end)] - im[static_cast<size_t>(end - span)];
        sum += std::hypot(a, b);
        weakest = std::min(weakest, std::hypot(a, b));
        // Unwrapped: the nearest turn to the last point's phase.
        phase = std::atan2(b, a);
        if (points > 0)
            phase += std::round((last - phase) / (2.0 * M_PI)) * 2.0 * M_PI;
        last = phase;
        const double t = end;
        st += t;
        sp += phase;
        stt += t * t;
        stp += t * phase;
        ++points;
    }
    // A fundamental far below the tone's level is not there to follow.
    const double rms = std::sqrt(level / length);
    if (points < 3 || sum / points / span < kLeastFundamental * rms)
        return std::nan("");
    if (steadiness)
        *steadiness = weakest / (sum / points);
    const double slope = (points * stp - st * sp) / (points * stt - st * st);
    return 1200.0 * std::log2((w + slope) / w);
}

bool PresetTuning::openSynth() {
    if (synth_ || failed_)
        return synth_ != nullptr;
    failed_ = true;
    if (soundFont_.isEmpty() || !QFileInfo(soundFont_).isReadable())
        return false;
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate_);
    fluid_settings_setint(settings_, "synth.midi-channels", 16);
    fluid_settings_setint(settings_, "synth.polyphony", 64);
    fluid_settings_setint(settings_, "synth.chorus.active", 0);
    fluid_settings_setint(settings_, "synth.reverb.active", 0);
    // Only the samples of the presets measured are read.
    fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
    synth_ = new_fluid_synth(settings_);
    if (!synth_)
        return false;
    font_ = fluid_synth_sfload(synth_, QFile::encodeName(soundFont_).constData(), 0);
    failed_ = font_ < 0;
    hasKeyMap_ = !failed_ && keyMap_.read(soundFont_);
    return !failed_;
}

double PresetTuning::measureKey(int key) {
    const double expected = sampleRate_ / (440.0 * std::pow(2.0, (key - 69) / 12.0));
    const int settle = static_cast<int>(kSettleSeconds * sampleRate_);
    const int length = std::max(static_cast<int>(kAnalysisSeconds * sampleRate_),
                                static_cast<int>(kLeastPeriods * expected));
    std::vector<float> left(static_cast<size_t>(std::max(settle, length))), right(left.size());
    fluid_synth_noteon(synth_, 0, key, kVelocity);
    const bool whole =
        render(left.data(), right.data(), settle) && render(left.data(), right.data(), length);
    fluid_synth_all_sounds_off(synth_, 0);
    if (!whole)
        return std::nan("");
    for (int i = 0; i < length; ++i)
        left[static_cast<size_t>(i)] += right[static_cast<size_t>(i)];
    // Trusted when the thirds of the stretch agree: a tone whose pitch wanders (vibrato in the
    // sample, ranks beating slowly) has no pitch to correct and is left as it is.
    const int third = length / 3;
    double lo = kLargestDeviation, hi = -kLargestDeviation;
    for (int k = 0; k < 3; ++k) {
        double steadiness = 0;
        const double c = fundamentalCents(left.data() + k * third, third, expected, &steadiness);
        // A fundamental that fades in and out (ranks beating against each other, the two
        // sides of a stereo sample drifting apart) loses its phase at each dip: no pitch to
        // trust.
        if (std::isnan(c) || steadiness < kSteadyFundamental)
            return std::nan("");
        lo = std::min(lo, c);
        hi = std::max(hi, c);
    }
    if (hi - lo > kAgreement)
        return std::nan("");
    const double cents = fundamentalCents(left.data(), length, expected);
    return std::abs(cents) < kLargestDeviation ? cents : std::nan("");
}

bool PresetTuning::render(float* left, float* right, int frames) {
    // In steps of 4096 frames (a few milliseconds of work): a stop request never waits long.
    constexpr int kStep = 4096;
    for (int done = 0; done < frames; done += kStep) {
        if (stop_)
            return false;
        const int n = std::min(kStep, frames - done);
        fluid_synth_write_float(synth_, n, left + done, 0, 1, right + done, 0, 1);
    }
    return !stop_;
}

PresetTuning::Deviation PresetTuning::measure(int bank, int program) {
    Deviation d{};
    if (!openSynth() || fluid_synth_program_select(synth_, 0, font_, bank, program) != FLUID_OK)
        return d;
    // One key stands for each range of keys that play the same zones; without the zone
    // tables every key is its own range.
    std::vector<int> ranges =
        hasKeyMap_ ? keyMap_.rangesOf(bank, program, kVelocity) : std::vector<int>();
    if (ranges.empty()) {
        ranges.resize(kKeys);
        for (int key = 0; key < kKeys; ++key)
            ranges[static_cast<size_t>(key)] = key;
    }
    std::map<int, std::vector<int>> keysOf;
    for (int key = kLowKey; key <= kHighKey; ++key) {
        if (ranges[static_cast<size_t>(key)] >= 0)
            keysOf[ranges[static_cast<size_t>(key)]].push_back(key);
    }
    for (const auto& [range, keys] : keysOf) {
        const int key = *std::min_element(keys.begin(), keys.end(), [](int a, int b) {
            return std::abs(a - kMiddleKey) < std::abs(b - kMiddleKey);
        });
        // Both ends of the range, and the key halfway to the farther one, must agree with it:
        // a range whose pitch is not the same across its keys (a zone with a scale tuning of
        // its own, a vibrato that averages out differently at each speed of the sample) is
        // left alone. The range takes their mean.
        const int far =
            std::abs(keys.front() - key) > std::abs(keys.back() - key) ? keys.front() : keys.back();
        std::set<int> probes = {key, keys.front(), keys.back(), (key + far) / 2};
        double lo = kLargestDeviation, hi = -kLargestDeviation, sum = 0;
        for (int probe : probes) {
            const double c = measureKey(probe);
            if (std::isnan(c)) {
                hi = kLargestDeviation;
                break;
            }
            lo = std::min(lo, c);
            hi = std::max(hi, c);
            sum += c;
        }
        const double cents = hi - lo <= kAgreement ? sum / double(probes.size()) : 0.0;
        for (int key = 0; key < kKeys; ++key) {
            if (ranges[static_cast<size_t>(key)] == range)
                d[static_cast<size_t>(key)] = static_cast<float>(cents);
        }
    }
    return d;
}

const PresetTuning::Deviation* PresetTuning::deviation(int bank, int program) {
    const int id = bank * 128 + program;
    const auto it = presets_.find(id);
    if (it != presets_.end())
        return &it->second;
    if (asked_.insert(id).second) {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            queue_.push_back(id);
        }
        wake_.notify_one();
        if (!worker_.joinable())
            worker_ = std::thread([this] { run(); });
    }
    return nullptr;
}

bool PresetTuning::collect() {
    std::map<int, Deviation> finished;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        finished.swap(finished_);
    }
    for (const auto& [id, d] : finished) {
        presets_[id] = d;
        asked_.erase(id);
    }
    return !finished.empty();
}

void PresetTuning::waitUntilMeasured() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return (queue_.empty() && !measuring_) || stop_; });
}

void PresetTuning::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !queue_.empty(); });
        if (stop_)
            break;
        const int id = queue_.front();
        queue_.pop_front();
        measuring_ = true;
        lock.unlock();
        const Deviation d = measure(id / 128, id % 128);
        if (!stop_) {
            known_[id] = d;
            if (!failed_)
                save();
        }
        lock.lock();
        measuring_ = false;
        if (stop_)
            break;
        finished_[id] = d;
        if (measured_)
            measured_();
        idle_.notify_all();
    }
    measuring_ = false;
    idle_.notify_all();
}

QString PresetTuning::stamp() const {
    const QFileInfo f(soundFont_);
    return QStringLiteral("%1\t%2\t%3")
        .arg(f.size())
        .arg(f.lastModified().toMSecsSinceEpoch())
        .arg(f.absoluteFilePath());
}

void PresetTuning::load() {
    if (cacheFile_.isEmpty() || soundFont_.isEmpty())
        return;
    QFile f(cacheFile_);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    // Figures of another SoundFont, or of this one before it changed, are measured again.
    if (lines.size() < 2 || lines[0] != QLatin1String(kHeader) || lines[1] != stamp())
        return;
    for (int i = 2; i < lines.size(); ++i) {
        const QStringList v = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (v.size() != 2 + kKeys)
            continue;
        bool ok = true;
        const int bank = v[0].toInt(&ok);
        const int program = ok ? v[1].toInt(&ok) : 0;
        if (!ok || bank < 0 || bank > 128 || program < 0 || program > 127)
            continue;
        Deviation d{};
        for (int k = 0; k < kKeys && ok; ++k) {
            const float c = v[2 + k].toFloat(&ok);
            ok = ok && std::abs(c) < kLargestDeviation;
            d[static_cast<size_t>(k)] = c;
        }
        if (ok)
            presets_[bank * 128 + program] = d;
    }
}

void PresetTuning::save() const {
    if (cacheFile_.isEmpty())
        return;
    QByteArray text = QByteArray(kHeader) + '\n' + stamp().toUtf8() + '\n';
    for (const auto& [id, d] : known_) {
        text += QByteArray::number(id / 128) + ' ' + QByteArray::number(id % 128);
        for (float c : d)
            text += ' ' + QByteArray::number(double(c), 'f', 3);
        text += '\n';
    }
    // A cache that cannot be written costs a measurement at the next start, nothing more.
    SafeFile::write(cacheFile_, text);
}

} // namespace vorlo
