// The built-in synthesizer under a full organ: CPU time per second of audio rendered offline at
// 48 kHz with every group drawn (the stop opening most parts), the reinforcement on, the
// couplers and the sub-octave copying ten fingers and two feet; the same voices through plain
// FluidSynth without the GS layer; what the output stage (gain and limiter) costs; the levels
// of one stop and of the full organ; and the time from a key's message to the first audio
// frame that carries it. Both synthesizers render through their output stage.
#include "BuiltInSynthConfig.h"
#include "DatFile.h"
#include "GsModule.h"
#include "PresetTuning.h"
#include "RolandChecksum.h"
#include "SynthCore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fluidsynth.h>
#include <functional>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr double kSampleRate = 48000.0;
constexpr int kBlock = vorlo::BuiltInSynthConfig::kDefaultBufferFrames;
constexpr int kGreat = 0, kSwell = 1, kPedal = 2;

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

const char* const kUsage = "Usage: vorlo-synth-bench [SOUNDFONT] [--quick | --tuning]\n"
                           "  SOUNDFONT  an .sf2/.sf3 (default: Debian's FluidR3_GM when\n"
                           "             installed, else the tests' sine SoundFont)\n"
                           "  --quick    half a second of audio per figure instead of ten\n"
                           "  --tuning   each rank's worst cents over keys 36..96, as the\n"
                           "             SoundFont plays it and as the console corrects it\n"
                           "  --help     this text\n";

// CPU seconds per second of audio, rendering in audio-driver-sized blocks through the output
// stage.
double renderLoad(vorlo::SynthCore& core, double seconds) {
    std::vector<float> l(kBlock), r(kBlock);
    const int blocks = static_cast<int>(seconds * kSampleRate / kBlock);
    const double start = cpuSeconds();
    for (int b = 0; b < blocks; ++b)
        core.render(l.data(), r.data(), kBlock);
    return (cpuSeconds() - start) / seconds;
}

// Peak and loudness of what the output stage gives out, and the samples at full scale.
struct Level {
    double peak = 0, sumSquares = 0;
    long samples = 0, clipped = 0;
    void add(const float* x, int n) {
        for (int i = 0; i < n; ++i) {
            const double v = std::fabs(double(x[i]));
            peak = std::max(peak, v);
            sumSquares += v * v;
            clipped += v >= 1.0;
        }
        samples += n;
    }
    static double db(double v) { return v > 0 ? 20.0 * std::log10(v) : -999.0; }
    void print(const char* what, float smallestGain) const {
        std::printf("  %-34s RMS %6.1f dBFS, peak %6.1f dBFS, %ld samples at full scale, "
                    "limiter %5.1f dB\n",
                    what, db(std::sqrt(sumSquares / double(std::max(1L, samples)))), db(peak),
                    clipped, db(smallestGain));
    }
};

Level measureLevel(vorlo::SynthCore& core, double seconds) {
    std::vector<float> l(kBlock), r(kBlock);
    Level level;
    for (int b = 0; b < static_cast<int>(seconds * kSampleRate / kBlock); ++b) {
        core.render(l.data(), r.data(), kBlock);
        level.add(l.data(), kBlock);
        level.add(r.data(), kBlock);
    }
    return level;
}

struct Voice {
    int channel, key, velocity;
};

std::vector<Voice> soundingVoices(fluid_synth_t* synth) {
    std::vector<fluid_voice_t*> list(4096, nullptr);
    fluid_synth_get_voicelist(synth, list.data(), static_cast<int>(list.size()), -1);
    std::vector<Voice> out;
    std::set<std::pair<int, int>> seen;
    for (fluid_voice_t* v : list) {
        if (!v)
            break;
        if (!fluid_voice_is_on(v))
            continue;
        const int ch = fluid_voice_get_channel(v), key = fluid_voice_get_key(v);
        if (seen.insert({ch, key}).second)
            out.push_back({ch, key, fluid_voice_get_actual_velocity(v)});
    }
    return out;
}

// The position of a group whose stop opens the most parts.
int fullestPosition(const vorlo::StopTable& t, int first, int positions,
                    vorlo::SynthCore& scratchCore) {
    int best = 1, bestParts = -1;
    for (int p = 1; p < positions; ++p) {
        vorlo::GsModule m(scratchCore);
        for (int e = 0; e <= 3; ++e)
            m.sysex(t[e]);
        m.sysex(t[first + p]);
        int open = 0;
        for (int n = 1; n <= vorlo::GsModule::kParts; ++n)
            open += m.part(n).rxChannel() < 16 && m.part(n).parameter[vorlo::GsPart::Level] > 0 &&
                    m.part(n).parameter[vorlo::GsPart::KeyLow] <
                        m.part(n).parameter[vorlo::GsPart::KeyHigh]; // a closed part: 127..127
        if (open > bestParts) {
            bestParts = open;
            best = p;
        }
    }
    return best;
}

// The presets the default organ plays (bank, program, name).
struct Rank {
    int bank, program;
    const char* name;
};
const Rank kRanks[] = {{0, 19, "Church Organ"}, {8, 19, "Church Organ 2"}, {0, 20, "Reed Organ"},
                       {0, 73, "Flute"},        {0, 74, "Recorder"},       {0, 75, "Pan Flute"},
                       {0, 72, "Piccolo"},      {0, 79, "Ocarina"},        {0, 56, "Trumpet"},
                       {0, 57, "Trombone"},     {0, 58, "Tuba"},           {0, 60, "French Horn"},
                       {0, 68, "Oboe"},         {0, 69, "English Horn"},   {0, 70, "Bassoon"},
                       {0, 71, "Clarinet"},     {0, 40, "Violin"},         {0, 41, "Viola"},
                       {0, 42, "Cello"},        {0, 43, "Contrabass"},     {0, 48, "Strings"},
                       {0, 49, "Slow Strings"}, {0, 53, "Voice Oohs"}};

// Cents sharp of a key on channel 0: its fundamental's mean pitch over 4.8 s once settled
// (longer than the tuning's own stretch, so that a vibrato's cycles average out); NaN where
// the fundamental is too weak or too unsteady to follow.
double keyCents(vorlo::SynthCore& core, const std::function<void(int, bool)>& key, int k) {
    const double expected = kSampleRate / (440.0 * std::pow(2.0, (k - 69) / 12.0));
    const int settle = static_cast<int>(0.5 * kSampleRate);
    const int length = static_cast<int>(4.8 * kSampleRate);
    std::vector<float> l(static_cast<size_t>(length)), r(l.size());
    key(k, true);
    core.render(l.data(), r.data(), settle);
    core.render(l.data(), r.data(), length);
    for (size_t i = 0; i < l.size(); ++i)
        l[i] += r[i];
    key(k, false);
    std::vector<float> tail(static_cast<size_t>(settle)), tailRight(tail.size());
    core.render(tail.data(), tailRight.data(), settle); // past the release
    // A fundamental that fades in and out (beating, a stereo sample's sides drifting apart)
    // has no pitch to compare.
    double steadiness = 0;
    const double cents =
        vorlo::PresetTuning::fundamentalCents(l.data(), length, expected, &steadiness);
    return steadiness < 0.3 ? std::nan("") : cents;
}

int tuningReport(const vorlo::SynthCore::Options& o) {
    std::printf("Worst cents over keys 36..96 with a steady fundamental, as the SoundFont plays "
                "them -> through the GS layer; over all those keys, and over the keys the tuning "
                "corrects:\n");
    for (const Rank& rank : kRanks) {
        vorlo::SynthCore plain(o);
        fluid_synth_t* p = plain.synth();
        if (!plain.selectTone(0, rank.bank, rank.program, false))
            continue;
        fluid_synth_cc(p, 0, 91, 0);
        fluid_synth_cc(p, 0, 93, 0);
        vorlo::SynthCore core(o);
        vorlo::GsModule gs(core);
        const auto part = [&](uint8_t parameter, std::initializer_list<uint8_t> values) {
            QByteArray b;
            b.append(char(0x40)).append(char(0x11)).append(char(parameter));
            for (uint8_t v : values)
                b.append(char(v));
            gs.sysex(vorlo::RolandChecksum::dataSet(0x10, b));
        };
        part(vorlo::GsPart::ToneVariation, {uint8_t(rank.bank), uint8_t(rank.program)});
        part(vorlo::GsPart::RxChannel, {0});
        part(vorlo::GsPart::RxVolume, {0});
        part(vorlo::GsPart::Level, {127});
        part(vorlo::GsPart::VelocityDepth, {0, 64 + 50}); // fixed velocity 100
        part(vorlo::GsPart::ReverbSend, {0});
        gs.waitForTuning();
        vorlo::PresetTuning pt(o.soundFont, QString(), kSampleRate);
        pt.deviation(rank.bank, rank.program);
        pt.waitUntilMeasured();
        pt.collect();
        const auto& dev = *pt.deviation(rank.bank, rank.program);
        // Worst over all keys measured, and over the keys the tuning corrects.
        struct Worst {
            double before = 0, after = 0;
            int keys = 0;
            void add(double b, double a) {
                before = std::abs(b) > std::abs(before) ? b : before;
                after = std::abs(a) > std::abs(after) ? a : after;
                ++keys;
            }
        } all, corrected;
        for (int k = 36; k <= 96; ++k) {
            const double before = keyCents(
                plain,
                [&](int key, bool on) {
                    if (on)
                        fluid_synth_noteon(p, 0, key, 100);
                    else
                        fluid_synth_all_sounds_off(p, 0);
                },
                k);
            const double after = keyCents(
                core,
                [&](int key, bool on) {
                    if (on)
                        gs.shortMessage(0x90, uint8_t(key), 100);
                    else
                        gs.shortMessage(0xB0, 120, 0);
                },
                k);
            if (std::isnan(before) || std::isnan(after))
                continue;
            all.add(before, after);
            if (dev[size_t(k)] != 0.0f)
                corrected.add(before, after);
        }
        std::printf("  %-15s all %2d keys %+6.1f -> %+6.1f   corrected %2d keys %+6.1f -> %+6.1f\n",
                    rank.name, all.keys, all.before, all.after, corrected.keys, corrected.before,
                    corrected.after);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    bool quick = false, tuning = false;
    QString soundFont;
    for (const QString& a : app.arguments().mid(1)) {
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == QLatin1String("--quick")) {
            quick = true;
        } else if (a == QLatin1String("--tuning")) {
            tuning = true;
        } else if (a.startsWith(QLatin1Char('-')) || !soundFont.isEmpty()) {
            std::fprintf(stderr, "vorlo-synth-bench: unexpected argument \"%s\"\n%s", qPrintable(a),
                         kUsage);
            return 2;
        } else {
            soundFont = a;
        }
    }
    if (soundFont.isEmpty()) {
        soundFont = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
        if (!QFileInfo::exists(soundFont))
            soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
    }
    vorlo::StopTable table;
    if (!vorlo::DatFile::read(QStringLiteral(VORLO_ORGAN_TABLE), table).ok) {
        std::fprintf(stderr, "cannot read the default table %s\n", VORLO_ORGAN_TABLE);
        return 1;
    }
    const double seconds = quick ? 0.5 : 10.0;

    vorlo::SynthCore::Options o;
    o.soundFont = soundFont;
    o.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    o.sampleRate = kSampleRate;
    vorlo::SynthCore core(o);
    if (!core.hasSoundFont()) {
        std::fprintf(stderr, "%s\n", qPrintable(core.soundFontError()));
        return 1;
    }
    std::printf("SoundFont: %s\n", qPrintable(soundFont));
    if (tuning)
        return tuningReport(o);

    // A first start: nothing of the SoundFont's tuning measured yet. After the console's reset
    // and set-up, wall time from the first stop drawn to the first frame of a note on it
    // (rendered as fast as it goes), and to the measured tuning of every preset asked for.
    {
        using Clock = std::chrono::steady_clock;
        vorlo::SynthCore fc(o);
        vorlo::GsModule fg(fc);
        for (int e = 0; e <= 3; ++e)
            fg.sysex(table[e]);
        const Clock::time_point start = Clock::now();
        fg.sysex(table[vorlo::StopTable::kFondiGreat + 1]);
        fg.shortMessage(0x90 | kGreat, 60, 100);
        std::vector<float> l(kBlock), r(kBlock);
        bool sounds = false;
        for (int b = 0; b < 100 && !sounds; ++b) {
            fc.render(l.data(), r.data(), kBlock);
            for (int i = 0; i < kBlock; ++i)
                sounds = sounds || std::abs(l[size_t(i)]) + std::abs(r[size_t(i)]) > 1e-6f;
        }
        const Clock::time_point heard = Clock::now();
        fg.waitForTuning();
        const auto ms = [&](Clock::time_point t) {
            return std::chrono::duration<double, std::milli>(t - start).count();
        };
        std::printf("First start, no tuning measured yet: the first stop sounds after %.1f ms, "
                    "its presets' tuning is ready after %.0f ms\n",
                    ms(heard), ms(Clock::now()));
    }
    vorlo::GsModule gs(core);

    // One stop, one note and a chord: Principale 8' on the Great at the console's set-up.
    std::printf("Levels at the output (gain %.2f, limiter ceiling %.1f dBFS):\n",
                vorlo::SynthCore::kGain, vorlo::PeakLimiter::kCeilingDb);
    {
        vorlo::SynthCore oc(o);
        vorlo::GsModule og(oc);
        for (int e = 0; e <= 3; ++e)
            og.sysex(table[e]);
        og.sysex(table[vorlo::StopTable::kReverbFirst + 4]);
        og.sysex(table[vorlo::StopTable::kFondiGreat + 1]);
        og.shortMessage(0x90 | kGreat, 60, 100);
        measureLevel(oc, 0.3);
        oc.limiter().takeSmallestGain();
        Level one = measureLevel(oc, quick ? 0.5 : 2.0);
        one.print("Principale 8', C4", oc.limiter().takeSmallestGain());
        for (int k : {48, 52, 55, 64, 67, 72, 76, 79, 84})
            og.shortMessage(0x90 | kGreat, static_cast<uint8_t>(k), 100);
        measureLevel(oc, 0.3);
        oc.limiter().takeSmallestGain();
        Level chord = measureLevel(oc, quick ? 0.5 : 2.0);
        chord.print("Principale 8', ten fingers", oc.limiter().takeSmallestGain());
    }

    // The console's reset and set-up, then the full organ.
    for (int e = 0; e <= 3; ++e)
        gs.sysex(table[e]);
    gs.sysex(table[vorlo::StopTable::kReverbFirst + 4]);
    vorlo::SynthCore scratch(o);
    const struct {
        int first, positions;
    } groups[] = {{vorlo::StopTable::kFondiGreat, 30},     {vorlo::StopTable::kFondiSwell, 30},
                  {vorlo::StopTable::kMutazioniGreat, 20}, {vorlo::StopTable::kMutazioniSwell, 20},
                  {vorlo::StopTable::kAncieGreat, 20},     {vorlo::StopTable::kAncieSwell, 20},
                  {vorlo::StopTable::kPedale, 20}};
    for (const auto& g : groups)
        gs.sysex(table[g.first + fullestPosition(table, g.first, g.positions, scratch)]);
    gs.sysex(table[vorlo::StopTable::kGreatReinforceOn]);
    gs.sysex(table[vorlo::StopTable::kSwellReinforceOn]);
    for (int ch : {kGreat, kSwell}) {
        gs.shortMessage(static_cast<uint8_t>(0xB0 | ch), 11, 127);
        for (int cc : {7, 8, 9})
            gs.shortMessage(static_cast<uint8_t>(0xB0 | ch), static_cast<uint8_t>(cc), 0);
    }
    gs.shortMessage(0xB0 | kPedal, 11, 127);
    // Played in tune, and with nothing measured aside while the figures are taken.
    gs.waitForTuning();

    // Ten fingers on the Great, copied to the Swell; two feet on the Pedal, copied to the
    // Great and on to the Swell, and an octave down.
    auto play = [&](int ch, int key) {
        gs.shortMessage(static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key), 100);
    };
    const int fingers[] = {48, 52, 55, 60, 64, 67, 72, 76, 79, 84};
    for (int k : fingers) {
        play(kGreat, k);
        play(kSwell, k);
    }
    for (int k : {36, 43}) {
        play(kPedal, k);
        play(kGreat, k);
        play(kSwell, k);
        play(kPedal, k - 12);
    }
    renderLoad(core, 0.2); // past the attacks
    const int voices = fluid_synth_get_active_voice_count(core.synth());
    core.limiter().takeSmallestGain();
    {
        const Level full = measureLevel(core, quick ? 0.5 : 3.0);
        full.print("full organ", core.limiter().takeSmallestGain());
    }

    // The same voices through plain FluidSynth: each channel's preset, the same keys and
    // velocities, no GS parameters.
    vorlo::SynthCore plain(o);
    for (int ch = 0; ch < vorlo::GsModule::kParts; ++ch) {
        int font = 0, bank = 0, program = 0;
        // Both synthesizers load their SoundFonts in the same order: the same ids.
        if (fluid_synth_get_program(core.synth(), ch, &font, &bank, &program) == FLUID_OK &&
            fluid_synth_get_channel_preset(core.synth(), ch))
            fluid_synth_program_select(plain.synth(), ch, font, bank, program);
        // The same reverb send: mixing into the reverb is part of a voice's cost.
        fluid_synth_set_gen(plain.synth(), ch, GEN_REVERBSEND,
                            fluid_synth_get_gen(core.synth(), ch, GEN_REVERBSEND));
    }
    for (const Voice& v : soundingVoices(core.synth()))
        fluid_synth_noteon(plain.synth(), v.channel, v.key, v.velocity);
    renderLoad(plain, 0.2);
    const int plainVoices = fluid_synth_get_active_voice_count(plain.synth());
    // Half a second of each in turn, so that the machine's other work weighs on both alike.
    double gsLoad = 0, plainLoad = 0;
    const int turns = static_cast<int>(seconds / 0.5);
    for (int t = 0; t < turns; ++t) {
        gsLoad += renderLoad(core, 0.5) / turns;
        plainLoad += renderLoad(plain, 0.5) / turns;
    }
    // The output stage alone, on the full organ's sound.
    double limiterLoad = 0;
    {
        const int blocks = static_cast<int>(seconds * kSampleRate / kBlock);
        std::vector<float> l(size_t(blocks) * kBlock), r(size_t(blocks) * kBlock);
        fluid_synth_write_float(core.synth(), blocks * kBlock, l.data(), 0, 1, r.data(), 0, 1);
        vorlo::PeakLimiter limiter(kSampleRate);
        const double start = cpuSeconds();
        for (int b = 0; b < blocks; ++b)
            limiter.process(l.data() + b * kBlock, r.data() + b * kBlock, kBlock);
        limiterLoad = (cpuSeconds() - start) / seconds;
    }

    std::printf("Full organ, %d blocks of %d frames at %.0f Hz, %.1f s of audio:\n",
                static_cast<int>(seconds * kSampleRate / kBlock), kBlock, kSampleRate, seconds);
    std::printf("  GS layer on FluidSynth: %5.1f %% of one core, %d voices\n", 100 * gsLoad,
                voices);
    std::printf("  plain FluidSynth:       %5.1f %% of one core, %d voices\n", 100 * plainLoad,
                plainVoices);
    std::printf(
        "  GS layer / plain:       %5.3f (goal: at most 1.05; full organ goal: under 25 %%)\n",
        gsLoad / plainLoad);
    std::printf("  of which the limiter:   %5.2f %% of one core\n", 100 * limiterLoad);

    std::printf("  voices per part:");
    {
        std::map<int, int> perPart;
        for (const Voice& v : soundingVoices(core.synth()))
            ++perPart[v.channel + 1];
        for (const auto& [part, n] : perPart)
            std::printf(" %d:%d", part, n);
        std::printf("\n");
    }

    // Time the GS layer takes on the console's thread for one channel message, measured with
    // the keys released so that FluidSynth has no voice to update.
    {
        for (int ch : {kGreat, kSwell, kPedal})
            gs.shortMessage(static_cast<uint8_t>(0xB0 | ch), 123, 0);
        renderLoad(core, 1.0);
        // FluidSynth queues each change for its audio thread: a block is rendered every few
        // messages, as the audio driver would, outside the timing.
        const int n = quick ? 2000 : 200000;
        std::chrono::steady_clock::duration spent{};
        std::vector<float> l(kBlock), r(kBlock);
        for (int i = 0; i < n; i += 16) {
            const auto t0 = std::chrono::steady_clock::now();
            for (int j = i; j < i + 16; ++j)
                gs.shortMessage(0xB0 | kGreat, 11, static_cast<uint8_t>(100 + (j & 7)));
            spent += std::chrono::steady_clock::now() - t0;
            core.render(l.data(), r.data(), kBlock);
        }
        std::printf(
            "  GS layer per expression message (%d parts on the channel): %.2f us\n",
            [&] {
                int parts = 0;
                for (int p = 1; p <= vorlo::GsModule::kParts; ++p)
                    parts += gs.part(p).rxChannel() == kGreat;
                return parts;
            }(),
            std::chrono::duration<double, std::micro>(spent).count() / n);
    }

    // Latency: a key's message arrives while the driver renders a block; the next block
    // starts it. Measured offline: the frames from the start of that block to the first
    // frame carrying the note, over many keys struck at block boundaries.
    {
        vorlo::SynthCore lc(o);
        vorlo::GsModule lg(lc);
        for (int e = 0; e <= 3; ++e)
            lg.sysex(table[e]);
        lg.sysex(table[vorlo::StopTable::kFondiGreat + 1]);
        lg.waitForTuning();
        std::vector<float> l(kBlock), r(kBlock);
        int worst = 0;
        double sum = 0;
        const int trials = 20;
        for (int t = 0; t < trials; ++t) {
            lg.shortMessage(0x90 | kGreat, static_cast<uint8_t>(60 + t), 100);
            int frame = -1;
            for (int b = 0; b < 8 && frame < 0; ++b) {
                lc.render(l.data(), r.data(), kBlock);
                for (int i = 0; i < kBlock && frame < 0; ++i) {
                    if (std::abs(l[size_t(i)]) + std::abs(r[size_t(i)]) > 1e-6f)
                        frame = b * kBlock + i;
                }
            }
            lg.shortMessage(0x80 | kGreat, static_cast<uint8_t>(60 + t), 0);
            for (int b = 0; b < 200; ++b)
                lc.render(l.data(), r.data(), kBlock);
            worst = std::max(worst, frame);
            sum += frame;
        }
        const double ms = 1000.0 / kSampleRate;
        const vorlo::BuiltInSynthConfig c;
        const double buffers = c.latencyMs();
        std::printf("Latency at the default buffer (%d frames x %d periods, %.1f ms):\n",
                    c.bufferFrames, vorlo::BuiltInSynthConfig::kPeriods, buffers);
        std::printf("  synthesizer and limiter, message to first frame: mean %.2f ms, worst "
                    "%.2f ms\n",
                    sum / trials * ms, worst * ms);
        std::printf("  a message waits up to one period for the next block: %.2f ms\n",
                    kBlock * ms);
        std::printf("  key to sound, worst (waiting + synthesizer + buffers): %.2f ms "
                    "(goal: at most 10 ms), plus what the sound server adds\n",
                    kBlock * ms + worst * ms + buffers);
    }
    return 0;
}
