// Measures what an organist feels: the time from a key's message arriving on the MIDI
// library's thread to the last copy of it handed to the output port, with the couplers and the
// sub-octave on, against a router that does nothing but forward; the sustained message rate;
// and the heap allocations per note.
#include "Console.h"
#include "ConsoleState.h"
#include "Couplers.h"
#include "Dialogs.h"
#include "Memories.h"
#include "MidiConstants.h"
#include "PacedOutputPort.h"
#include "Recording.h"
#include "ScreenMetrics.h"
#include "virtual/VirtualMidiBackend.h"
#ifdef VORLO_HAVE_SYNTH
#include "BuiltInSynthOutput.h"
#include "SynthMidiBackend.h"
#endif

#include "HeadlessEnvironment.h"
#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>
#include <atomic>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

namespace {

// --- Heap allocation counting ---
std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

} // namespace

void* operator new(std::size_t size) {
    if (gCounting.load(std::memory_order_relaxed))
        gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using Clock = std::chrono::steady_clock;
using namespace vorlo;

using bench::Screen;
using bench::SilentDialogs;

// Where the output's messages are counted and their order checked.
struct Sink {
    std::atomic<long> sends{0};
    long perNote = 1;
    std::atomic<long> notesDone{0};
    Clock::time_point lastDone;
    // The played key of each note, in order of arrival.
    std::vector<uint8_t> playedKeys;
    bool recordKeys = false;

    void onSend(const uint8_t* bytes, size_t) {
        const long n = sends.fetch_add(1) + 1;
        if (recordKeys && (n - 1) % perNote == 0)
            playedKeys.push_back(bytes[1]);
        if (n % perNote == 0) {
            lastDone = Clock::now();
            notesDone.store(n / perNote, std::memory_order_release);
        }
    }
    void reset() {
        sends = 0;
        notesDone = 0;
        playedKeys.clear();
    }
};

struct Percentiles {
    double median;
    double p999;
};

Percentiles percentiles(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
    };
    return {at(0.5), at(0.999)};
}

// One note at a time from a player thread: the time from handing the message to the input
// until the output has sent the note's last copy. The event loop runs meanwhile.
std::vector<double> pingPong(VirtualMidiBackend& midi, const QString& device, Sink& sink, int notes,
                             long* allocations) {
    std::vector<double> latencies;
    latencies.reserve(static_cast<size_t>(notes));
    sink.reset();
    QEventLoop loop;
    long allocs = 0;
    std::thread player([&] {
        for (int i = 0; i < notes; ++i) {
            const uint8_t status = (i % 2 == 0) ? midi::status(midi::NoteOn, midi::PedalChannel)
                                                : midi::status(midi::NoteOff, midi::PedalChannel);
            const uint8_t key = static_cast<uint8_t>(36 + (i / 2) % 24);
            const uint8_t bytes[3] = {status, key, 100};
            const long before = gAllocations.load();
            gCounting = true;
            const auto t0 = Clock::now();
            midi.play(device, {bytes[0], bytes[1], bytes[2]});
            while (sink.notesDone.load(std::memory_order_acquire) < i + 1)
                std::this_thread::yield();
            gCounting = false;
            allocs += gAllocations.load() - before;
            latencies.push_back(
                std::chrono::duration<double, std::micro>(sink.lastDone - t0).count());
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    player.join();
    if (allocations)
        *allocations = allocs;
    return latencies;
}

// Messages as fast as the player thread can hand them over, keeping at most kInFlight of them
// not yet out (the input's queue has a fixed size, and what a flood brings beyond it is
// dropped); every one must come out, in order. Returns input messages per second, or -1 when
// something was lost or reordered.
constexpr int kInFlight = 4096;

double throughput(VirtualMidiBackend& midi, const QString& device, Sink& sink, int messages) {
    sink.reset();
    sink.recordKeys = true;
    sink.playedKeys.reserve(static_cast<size_t>(messages));
    QEventLoop loop;
    Clock::time_point start;
    std::thread player([&] {
        start = Clock::now();
        for (int i = 0; i < messages; ++i) {
            const uint8_t status = (i % 2 == 0) ? midi::status(midi::NoteOn, midi::PedalChannel)
                                                : midi::status(midi::NoteOff, midi::PedalChannel);
            const uint8_t key = static_cast<uint8_t>(24 + (i / 2) % 100);
            while (i - sink.notesDone.load(std::memory_order_acquire) >= kInFlight)
                std::this_thread::yield();
            midi.play(device, {status, key, 90});
        }
        while (sink.notesDone.load(std::memory_order_acquire) < messages)
            std::this_thread::yield();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    player.join();
    sink.recordKeys = false;
    if (static_cast<int>(sink.playedKeys.size()) != messages)
        return -1;
    for (int i = 0; i < messages; ++i) {
        if (sink.playedKeys[static_cast<size_t>(i)] != 24 + (i / 2) % 100)
            return -1;
    }
    const double seconds = std::chrono::duration<double>(sink.lastDone - start).count();
    return messages / seconds;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int latencyNotes = quick ? 2000 : 100000;
    const int rounds = quick ? 1 : 5;
    const int throughputMessages = quick ? 20000 : 500000;
    const QString keyboard = QStringLiteral("Keyboard");
    const QString module = QStringLiteral("Module");

    // The console, with a minimal organ, playing from one keyboard into one module.
    bench::ProgramFolder dir;
    dir.writeMinimalTable();
    dir.writeConfig(bench::playFromFirstKeyboard);

    VirtualMidiBackend midi({keyboard}, {module});
    MidiBackend* backend = &midi;
#ifdef VORLO_HAVE_SYNTH
    // --with-builtin: the program's own output port, listing the built-in synthesizer after
    // the module; the module stays the chosen device.
    BuiltInSynthConfig synthConfig;
    synthConfig.audioDriver = QLatin1String(BuiltInSynthOutput::kOffline);
    SynthMidiBackend withSynth(midi, synthConfig);
    if (app.arguments().contains(QStringLiteral("--with-builtin"))) {
        backend = &withSynth;
        std::printf("output port: the module and the built-in synthesizer\n");
    }
#endif
    SilentDialogs dialogs;
    Screen screen;
    Console console({dir.path(), backend, &dialogs, &screen});
    console.Form_Load();
    QCoreApplication::processEvents();
    console.couplers().UNPI_Click();    // Pedal to Great
    console.couplers().UN_GOSW_Click(); // Great to Swell: chained
    console.couplers().Subottava_Click();
    // --recording: File > Record's MIDI file takes everything the console sends meanwhile.
    const bool recording = app.arguments().contains(QStringLiteral("--recording"));
    if (recording) {
        console.recording().midiFile().start();
        console.pacedOutput().setTap(&console.recording().midiFile());
    }
    Sink consoleSink;
    consoleSink.perNote = 4; // played note, Great copy, Swell copy, sub-octave
    midi.setRecording(false);
    midi.clearLog();
    midi.sink = [&](const uint8_t* b, size_t n) { consoleSink.onSend(b, n); };

    // The null router: the same input hop, then straight out.
    VirtualMidiBackend nullMidi({keyboard}, {module});
    auto nullIn = nullMidi.createInput();
    auto nullOut = nullMidi.createOutput();
    nullIn->selectDevice(0);
    nullIn->open();
    nullOut->selectDevice(0);
    nullOut->open();
    nullMidi.setRecording(false);
    QObject::connect(nullIn.get(), &MidiInputPort::message, [&] {
        while (nullIn->queuedCount() > 0) {
            const ShortMessage m = nullIn->oldest();
            nullOut->sendShort(static_cast<uint8_t>(m.status), static_cast<uint8_t>(m.data1),
                               static_cast<uint8_t>(m.data2));
            nullIn->dropOldest();
        }
    });
    Sink nullSink;
    nullMidi.sink = [&](const uint8_t* b, size_t n) { nullSink.onSend(b, n); };

    // Warm-up, then interleaved rounds so both routers see the same conditions.
    pingPong(midi, keyboard, consoleSink, 500, nullptr);
    pingPong(nullMidi, keyboard, nullSink, 500, nullptr);
    std::vector<double> consoleLatency, nullLatency;
    long allocations = 0;
    for (int r = 0; r < rounds; ++r) {
        long a = 0;
        auto c = pingPong(midi, keyboard, consoleSink, latencyNotes / rounds, &a);
        allocations += a;
        consoleLatency.insert(consoleLatency.end(), c.begin(), c.end());
        auto n = pingPong(nullMidi, keyboard, nullSink, latencyNotes / rounds, nullptr);
        nullLatency.insert(nullLatency.end(), n.begin(), n.end());
    }
    const Percentiles c = percentiles(consoleLatency);
    const Percentiles n = percentiles(nullLatency);

    const double consoleRate = throughput(midi, keyboard, consoleSink, throughputMessages);
    const double nullRate = throughput(nullMidi, keyboard, nullSink, throughputMessages);

    std::printf("Note path: a Pedal note with I - P, Go to Swell and the sub-octave on "
                "(4 messages out per note), virtual MIDI\n");
    std::printf("%d notes played one at a time, %d rounds\n", latencyNotes, rounds);
    std::printf("                    median      p99.9   (microseconds, input thread to last "
                "copy sent)\n");
    std::printf("null router     %10.1f %10.1f\n", n.median, n.p999);
    std::printf("console         %10.1f %10.1f\n", c.median, c.p999);
    std::printf("added           %10.1f %10.1f   (goal: at most 50 and 500)\n", c.median - n.median,
                c.p999 - n.p999);
    std::printf("throughput: console %.0f input messages/s, null router %.0f/s "
                "(%d messages; goal: at least 100000/s)\n",
                consoleRate, nullRate, throughputMessages);
    std::printf("heap allocations per note on the path: %.3f (goal: 0)\n",
                static_cast<double>(allocations) / latencyNotes);
    if (consoleRate < 0 || nullRate < 0) {
        std::printf("FAILED: messages were lost or reordered\n");
        return 1;
    }
    std::printf("nothing lost or reordered\n");
    if (recording) {
        const MidiFileRecorder& file = console.recording().midiFile();
        std::printf("recording a MIDI file: %zu messages kept in %zu bytes, %zu left out for "
                    "want of room\n",
                    file.messages(), file.bytes(), file.messagesLost());
        console.pacedOutput().setTap(nullptr);
    }
    console.exit_Click();
    return 0;
}
