// Key to sound through a real sound server: the time from a note entering the console's input
// to the first sample of it above a threshold (-60 dBFS) where the server plays it, for the
// built-in synthesizer at its default buffer, through PulseAudio and through JACK.
//
// The console is the real one (vorlo_console on the virtual MIDI system, the default organ's
// stops table), its output the built-in synthesizer playing through FluidSynth's "pulseaudio"
// or "jack" audio driver at BuiltInSynthConfig::kDefaultBufferFrames. The only SoundFont loaded
// is the program's own sine SoundFont, so drawing a Great Fondi stop that asks for the
// reinforcement makes the Great sound one sine (the other parts find no preset and stay
// silent). Its 20 ms attack rises past -60 dBFS within about half a millisecond; the output
// stage's limiter delays everything by its 1 ms look-ahead. Both are part of the figure.
//
// A player thread plays notes on the first keyboard the way the MIDI library's thread does:
// it waits until the captured signal has been quiet for a while and then a random moment more
// (so that keys fall anywhere in the server's cycle, as a player's do), reads the clock (the
// key's moment, CLOCK_MONOTONIC), hands the note-on to the input, notes when FluidSynth holds
// the voice, waits for the onset, holds the note, releases it, and goes on to the next one at
// least the spacing later. The user-interface thread runs the console meanwhile.
//
// The sound is captured in this process, on the same clock, on the server's own terms:
// - PulseAudio (PulseMonitorCapture): the sink's monitor, recorded with libpulse's
//   asynchronous API in 64-frame fragments. The server reports a monitor's latency as minus
//   its sink's (a sample reaches the monitor when the sink mixes it, before the sink plays
//   it), so a fragment's recording latency, signed, tells when its first sample plays at the
//   sink, where a sound card behind the sink would sound it. Single readings jump by
//   milliseconds and the stream's position drifts from the clock over a run, so a sample's
//   play time is its position plus the median offset given by the fragments that arrived
//   within 100 ms of it. The figure is key to the sink playing the note. Beside it, the moment
//   the fragment holding the onset reached this process, which takes nothing from the server
//   (the sink mixes ahead of playing, so this can come before the sound).
// - JACK (JackPortCapture): a client of the benchmark connected to the synthesizer's ports.
//   A cycle's buffers are played L frames after the cycle starts (L: the playback latency
//   JACK reports for the synthesizer's ports), so sample i of a cycle sounds at the cycle's
//   start + (L + i) / rate. The cycle's start is read on the wall clock as the benchmark's
//   process callback begins (late by the synthesizer's own work in that cycle, never early):
//   JACK's frame clock drifts by cycles from the cycles actually run on the dummy driver
//   without real-time scheduling, and the range it drifted is printed. Beside it, key to the
//   start of the cycle that carries the note.
//
// A server that does not answer is skipped with a message (exit 0); scripts/measure-latency.sh
// starts each server as an ordinary user and runs this program against it.
#include "BuiltInSynthConfig.h"
#include "BuiltInSynthOutput.h"
#include "Console.h"
#include "ConsoleState.h"
#include "Drawstops.h"
#include "HeadlessEnvironment.h"
#include "MidiConstants.h"
#include "OutputWithBuiltInSynth.h"
#include "SettingsFile.h"
#include "SynthMidiBackend.h"
#include "virtual/VirtualMidiBackend.h"
#ifdef VORLO_HAVE_PULSE
#include "latency/PulseMonitorCapture.h"
#endif
#ifdef VORLO_HAVE_JACK
#include "latency/JackPortCapture.h"
#endif

#include "SynthCore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fluidsynth.h>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

using namespace vorlo;
using Clock = std::chrono::steady_clock;

const char* const kUsage =
    "Usage: vorlo-sound-server-latency-bench [--server pulseaudio|jack|both] [--notes N]\n"
    "           [--spacing MS] [--threshold DBFS] [--sink NAME] [--quick]\n"
    "  --server     the sound servers to measure through (default: both)\n"
    "  --notes      notes measured per server (default: 50)\n"
    "  --spacing    least time between two notes, in ms (default: 200)\n"
    "  --threshold  the level a sample must pass to count as sound (default: -60 dBFS)\n"
    "  --sink       the PulseAudio sink listened to (default: the server's default sink)\n"
    "  --quick      10 notes per server\n"
    "  --each       every note's figures too (on the standard error)\n"
    "  --help       this text\n"
    "A server that does not answer is skipped (exit 0).\n";

constexpr int kDefaultNotes = 50;
constexpr int kQuickNotes = 10;
constexpr int kWarmUpNotes = 3;
constexpr double kDefaultSpacingMs = 200;
constexpr double kDefaultThresholdDb = -60;
// The signal must stay below the threshold this long before a key, and an onset is the first
// loud sample after at least this much quiet.
constexpr double kQuietBeforeKeyMs = 60;
constexpr double kOnsetQuietGapMs = 40;
// How long a note is held once it sounds.
constexpr double kHoldMs = 80;
// How long to wait for a note's sound, for quiet, for the first samples, for the console.
constexpr double kOnsetTimeoutMs = 2000;
constexpr double kQuietTimeoutMs = 5000;
constexpr double kCaptureStartTimeoutMs = 3000;
constexpr int kConsoleSettleMs = 1500;
constexpr int kPollUs = 200;
constexpr int kVoiceLookUs = 50;
// The random wait before a key, and its seed (the same keys every run).
constexpr int kPhaseSpreadUs = 10000;
constexpr unsigned kPhaseSeed = 2000;
constexpr double kUsPerMs = 1000;
// Keys played, in turn, on the Great.
constexpr int kFirstKey = 60;
constexpr int kKeySpan = 12;
constexpr uint8_t kVelocity = 100;

const QString kKeyboard = QStringLiteral("Keyboard");
const QString kModule = QStringLiteral("Module");

struct Options {
    bool pulse = true;
    bool jack = true;
    int notes = kDefaultNotes;
    double spacingMs = kDefaultSpacingMs;
    double thresholdDb = kDefaultThresholdDb;
    QString sink;
    bool each = false;
};

struct Figures {
    double median = 0, p90 = 0, max = 0, min = 0;
};

Figures figuresOf(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        return v[static_cast<size_t>(std::ceil(q * static_cast<double>(v.size())) - 1)];
    };
    return {at(0.5), at(0.9), v.back(), v.front()};
}

bool waitUntil(const std::function<bool()>& done, double timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::microseconds(long(timeoutMs * kUsPerMs));
    while (!done()) {
        if (Clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::microseconds(kPollUs));
    }
    return true;
}

void runEvents(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

// One measured note: its key, the synthesizer holding its voice and its first loud sample
// reaching the capture (see the capture for what arrival means), in microseconds of the wall
// clock; that sample sounding, on the capture's clock (SoundCapture::toWallUs).
struct NoteTiming {
    int index;
    int key;
    double keyUs;
    double voiceUs;
    double arrivalUs;
    double soundUs;
    float level;     // of the first loud sample
    bool riseMissed; // the first loud sample was well above the threshold
};

// An onset this far above the threshold was not the tone's rise but a later point of it: the
// capture missed the block where it began (a cycle the capture did not run), and the note
// reads late.
constexpr double kRiseMissedDb = 6;

constexpr int kMaxVoices = 1024;

// True when FluidSynth plays a voice on the key.
bool sounding(fluid_synth_t* synth, int key) {
    static fluid_voice_t* voices[kMaxVoices];
    std::fill(std::begin(voices), std::end(voices), nullptr);
    fluid_synth_get_voicelist(synth, voices, kMaxVoices, -1);
    for (fluid_voice_t* v : voices) {
        if (!v)
            break;
        if (fluid_voice_is_on(v) && fluid_voice_get_key(v) == key)
            return true;
    }
    return false;
}

// The player thread's run: warm-up notes, then the measured ones. Returns the timings of the
// notes that sounded; `missed` counts those that did not within the timeout.
std::vector<NoteTiming> playNotes(VirtualMidiBackend& midi, fluid_synth_t* synth,
                                  bench::SoundCapture& capture, const Options& o, int* missed,
                                  int* noisy, QStringList* figures) {
    std::vector<NoteTiming> timings;
    bench::OnsetDetector& d = capture.detector();
    const uint8_t on = midi::status(midi::NoteOn, midi::GreatChannel);
    const uint8_t off = midi::status(midi::NoteOff, midi::GreatChannel);
    auto lastKey = Clock::now() - std::chrono::hours(1);
    std::mt19937 random(kPhaseSeed);
    std::uniform_int_distribution<int> phase(0, kPhaseSpreadUs);
    for (int i = 0; i < kWarmUpNotes + o.notes; ++i) {
        const auto key = static_cast<uint8_t>(kFirstKey + i % kKeySpan);
        std::this_thread::sleep_until(lastKey +
                                      std::chrono::microseconds(long(o.spacingMs * kUsPerMs)));
        // The quiet is seen just after the server delivered a block: a key played then would
        // always meet the same point of the server's cycle. A random wait of up to a few
        // cycles puts it anywhere, as a player's keys are; the quiet must still hold after it
        // (a stray sample above the threshold meanwhile would take the note's onset).
        const auto quietDeadline = Clock::now() + std::chrono::milliseconds(long(kQuietTimeoutMs));
        bool quiet = false;
        while (!quiet && Clock::now() < quietDeadline) {
            if (!waitUntil([&] { return d.quietForUs() >= kQuietBeforeKeyMs * kUsPerMs; },
                           kQuietTimeoutMs))
                break;
            std::this_thread::sleep_for(std::chrono::microseconds(phase(random)));
            quiet = d.quietForUs() >= kQuietBeforeKeyMs * kUsPerMs;
        }
        if (!quiet) {
            ++*noisy;
            continue;
        }
        const int before = d.onsetCount();
        lastKey = Clock::now();
        const double keyUs = capture.nowUs();
        midi.play(kKeyboard, {on, key, kVelocity});
        // A look at the voices takes the synthesizer's lock, which the console needs to start
        // the note and the audio thread to render: the looks are spaced so that neither waits
        // for them. The first look that finds the voice is at most one spacing late.
        const auto voiceDeadline = Clock::now() + std::chrono::milliseconds(long(kOnsetTimeoutMs));
        while (!sounding(synth, key) && Clock::now() < voiceDeadline)
            std::this_thread::sleep_for(std::chrono::microseconds(kVoiceLookUs));
        const double voiceUs = capture.nowUs();
        const bool sounded = waitUntil([&] { return d.onsetCount() > before; }, kOnsetTimeoutMs);
        if (sounded && i >= kWarmUpNotes) {
            const bench::OnsetDetector::Onset& onset = d.onset(before);
            const bool riseMissed = 20 * std::log10(onset.level / d.threshold()) > kRiseMissedDb;
            timings.push_back(
                {i, key, keyUs, voiceUs, onset.arrivalUs, onset.soundUs, onset.level, riseMissed});
        } else if (!sounded && i >= kWarmUpNotes) {
            ++*missed;
            const int n = d.onsetCount();
            std::fprintf(stderr,
                         "note %d (key %d) did not sound: quiet for %.1f ms, onsets %d -> %d, "
                         "last onset %.1f ms after the key\n",
                         i, key, d.quietForUs() / kUsPerMs, before, n,
                         n > 0 ? (d.onset(n - 1).soundUs - keyUs) / kUsPerMs : 0.0);
        }
        if (i == kWarmUpNotes + o.notes / 2)
            *figures = capture.serverFigures(); // while a note sounds
        std::this_thread::sleep_for(std::chrono::microseconds(long(kHoldMs * kUsPerMs)));
        midi.play(kKeyboard, {off, key, 0});
    }
    return timings;
}

// The first Great Fondi position whose stop asks for the reinforcement, or -1.
int reinforcedGreatStop(const ConsoleState& state) {
    for (int p = 1; p < static_cast<int>(state.ReinforceFondi.size()); ++p) {
        if (state.ReinforceFondi[static_cast<size_t>(p)] == "1")
            return p;
    }
    return -1;
}

void printTimings(const char* what, const std::vector<double>& ms) {
    const Figures f = figuresOf(ms);
    std::printf("    %-42s median %6.2f  p90 %6.2f  max %6.2f  min %6.2f\n", what, f.median, f.p90,
                f.max, f.min);
}

// Measures through one server: builds the console on the built-in synthesizer with the given
// audio driver, listens, plays. Returns false when the server was skipped.
bool measure(const char* server, const QString& driver, bench::SoundCapture& capture,
             const Options& o, double goalMs) {
    std::printf("\n%s\n", server);
    QString why;
    if (!capture.open(&why)) {
        std::printf("  skipped: no %s server answers (%s)\n", server, qPrintable(why));
        return false;
    }

    bench::ProgramFolder dir;
    dir.copyTable(QStringLiteral(VORLO_ORGAN_TABLE));
    dir.writeConfig([](ConsoleState& cfg) {
        bench::playFromFirstKeyboard(cfg);
        cfg.MidiOutDevice = 1; // after the virtual module: the built-in synthesizer
    });
    SettingsFile(dir.path()).setValue(QStringLiteral("Synth/BuiltInSelected"), true);

    VirtualMidiBackend midi({kKeyboard}, {kModule});
    midi.setRecording(false);
    BuiltInSynthConfig synthConfig;
    synthConfig.soundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    synthConfig.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    synthConfig.audioDriver = driver;
    SynthMidiBackend backend(midi, synthConfig);
    bench::SilentDialogs dialogs;
    bench::Screen screen;
    Console console({dir.path(), &backend, &dialogs, &screen});
    console.Form_Load();
    runEvents(kConsoleSettleMs / 3);

    auto* output = qobject_cast<OutputWithBuiltInSynth*>(&console.deviceOutput());
    auto* synth = output ? qobject_cast<BuiltInSynthOutput*>(&output->builtIn()) : nullptr;
    if (!synth || !synth->isOpen() || synth->audioDriver() != driver) {
        std::printf("  skipped: the built-in synthesizer did not open its %s output\n",
                    qPrintable(driver));
        console.exit_Click();
        return false;
    }
    const int stop = reinforcedGreatStop(console.state());
    if (stop < 0) {
        std::printf("  skipped: the organ has no Great Fondi stop with the reinforcement\n");
        console.exit_Click();
        return false;
    }
    console.drawstops().Tir_FO_GO_Click(stop);
    runEvents(kConsoleSettleMs);

    if (!capture.listen(&why)) {
        std::printf("  skipped: %s\n", qPrintable(why));
        console.exit_Click();
        return false;
    }
    bench::OnsetDetector& d = capture.detector();
    QElapsedTimer started;
    started.start();
    while (d.quietForUs() < 0 && started.elapsed() < kCaptureStartTimeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (d.quietForUs() < 0) {
        std::printf("  skipped: nothing was captured from the server\n");
        console.exit_Click();
        return false;
    }

    int missed = 0, noisy = 0;
    std::vector<NoteTiming> timings;
    QStringList figures;
    QEventLoop loop;
    std::thread player([&] {
        timings =
            playNotes(midi, synth->synthCore()->synth(), capture, o, &missed, &noisy, &figures);
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    player.join();

    const BuiltInSynthConfig defaults;
    std::printf("  built-in synthesizer: driver %s, %d frames x %d periods (%.2f ms) at %.0f Hz; "
                "Great Fondi stop %d drawn (sine reinforcement)\n",
                qPrintable(driver), defaults.bufferFrames, BuiltInSynthConfig::kPeriods,
                defaults.latencyMs(), defaults.sampleRate, stop);
    if (figures.isEmpty())
        figures = capture.serverFigures();
    for (const QString& line : figures)
        std::printf("  %s\n", qPrintable(line));
    std::printf("  threshold %.0f dBFS; loudest sample %.1f dBFS\n", o.thresholdDb,
                20 * std::log10(std::max(d.peak(), 1e-9f)));
    std::printf("  %zu notes measured (after %d warm-up), %d did not sound within %.0f ms, "
                "%d skipped (no quiet before the key)\n",
                timings.size(), kWarmUpNotes, missed, kOnsetTimeoutMs, noisy);
    if (timings.empty()) {
        console.exit_Click();
        return true;
    }
    const auto riseMissed = std::count_if(timings.begin(), timings.end(),
                                          [](const NoteTiming& t) { return t.riseMissed; });
    if (riseMissed > 0)
        std::printf("  %ld notes were first seen more than %.0f dB above the threshold (the "
                    "capture missed their rise: they read late)\n",
                    long(riseMissed), kRiseMissedDb);
    std::vector<double> voice, sound, arrival;
    for (const NoteTiming& t : timings) {
        voice.push_back((t.voiceUs - t.keyUs) / kUsPerMs);
        arrival.push_back((t.arrivalUs - t.keyUs) / kUsPerMs);
        sound.push_back((capture.toWallUs(t.soundUs, t.arrivalUs) - t.keyUs) / kUsPerMs);
        if (o.each)
            std::fprintf(stderr,
                         "note %d key %d: voice %.2f, arrival %.2f, sound %.2f ms, first loud "
                         "sample %.1f dBFS\n",
                         t.index, t.key, voice.back(), arrival.back(), sound.back(),
                         20 * std::log10(t.level));
    }
    for (const QString& line : capture.clockFigures())
        std::printf("  %s\n", qPrintable(line));
    std::printf("  from the key, in ms:\n");
    printTimings("the synthesizer holds the voice", voice);
    printTimings(qPrintable(capture.arrivalMeaning()), arrival);
    printTimings("KEY TO SOUND", sound);
    const Figures f = figuresOf(sound);
    std::printf("  goal: at most %.0f ms key to sound: %s (median), %s (max)\n", goalMs,
                f.median <= goalMs ? "met" : "MISSED", f.max <= goalMs ? "met" : "MISSED");
    console.exit_Click();
    return true;
}

bool parse(const QStringList& args, Options& o) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (a == QLatin1String("--quick")) {
            o.notes = kQuickNotes;
        } else if (a == QLatin1String("--each")) {
            o.each = true;
        } else if (a == QLatin1String("--server") && hasValue) {
            const QString s = args[++i];
            o.pulse = s == QLatin1String("pulseaudio") || s == QLatin1String("both");
            o.jack = s == QLatin1String("jack") || s == QLatin1String("both");
            ok = o.pulse || o.jack;
        } else if (a == QLatin1String("--notes") && hasValue) {
            o.notes = args[++i].toInt(&ok);
            ok = ok && o.notes > 0 && o.notes <= bench::OnsetDetector::kMaxOnsets / 2;
        } else if (a == QLatin1String("--spacing") && hasValue) {
            o.spacingMs = args[++i].toDouble(&ok);
            ok = ok && o.spacingMs >= 0;
        } else if (a == QLatin1String("--threshold") && hasValue) {
            o.thresholdDb = args[++i].toDouble(&ok);
            ok = ok && o.thresholdDb < 0;
        } else if (a == QLatin1String("--sink") && hasValue) {
            o.sink = args[++i];
        } else {
            ok = false;
        }
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--help"))) {
        std::printf("%s", kUsage);
        return 0;
    }
    Options o;
    if (!parse(args, o)) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const auto threshold = static_cast<float>(std::pow(10.0, o.thresholdDb / 20.0));
    const double quietGapUs = kOnsetQuietGapMs * kUsPerMs;
    std::printf("Key to sound through a sound server: a Great note from the console's input to "
                "its first sample above %.0f dBFS\n",
                o.thresholdDb);
    std::printf("%d notes per server, at least %.0f ms apart, each after %.0f ms of quiet\n",
                o.notes, o.spacingMs, kQuietBeforeKeyMs);
    constexpr double kPulseGoalMs = 15;
    constexpr double kJackGoalMs = 10;
    if (o.pulse) {
#ifdef VORLO_HAVE_PULSE
        bench::PulseMonitorCapture capture(o.sink, threshold, quietGapUs);
        measure("PulseAudio", QStringLiteral("pulseaudio"), capture, o, kPulseGoalMs);
#else
        std::printf("\nPulseAudio\n  skipped: built without libpulse\n");
#endif
    }
    if (o.jack) {
#ifdef VORLO_HAVE_JACK
        bench::JackPortCapture capture(QStringLiteral("vorlo2000"), threshold, quietGapUs);
        measure("JACK", QStringLiteral("jack"), capture, o, kJackGoalMs);
#else
        std::printf("\nJACK\n  skipped: built without libjack\n");
#endif
    }
    return 0;
}
