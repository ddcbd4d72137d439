// What the organist hears through a MIDI cable: a general memory that changes all seven groups
// while a note is played every 50 ms, on a module behind a 31,250-baud cable (simulated: the
// output drains at 3,125 bytes per second), with wire-speed pacing off and on. Prints the
// longest delay of a note from its input to its last byte on the cable, the time until the
// registration is complete on the cable, and the bytes of one stop, one general memory and the
// reset for the stops table given (the built one by default).
#include "Console.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Memories.h"
#include "PacedOutputPort.h"
#include "ScreenMetrics.h"
#include "SettingsFile.h"
#include "virtual/VirtualMidiBackend.h"

#include "HeadlessEnvironment.h"
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <algorithm>

#include <chrono>
#include <cstdio>
#include <deque>

namespace {

using namespace vorlo;
using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kWireBytesPerSecond = 3125.0;
constexpr int kNoteIntervalMs = 50;

using bench::Screen;
using bench::SilentDialogs;

// The cable: every message handed to the device leaves it whole, after what was handed before,
// at 3,125 bytes per second.
struct Wire {
    Clock::time_point free{};
    long bytes = 0;
    // When the message just handed over has its last byte on the cable.
    Clock::time_point carry(size_t size) {
        const auto now = Clock::now();
        free = std::max(free, now) +
               std::chrono::duration_cast<Clock::duration>(
                   std::chrono::duration<double>(static_cast<double>(size) / kWireBytesPerSecond));
        bytes += static_cast<long>(size);
        return free;
    }
};

bool isPlayerNote(const uint8_t* bytes) {
    const uint8_t kind = bytes[0] & 0xF0;
    return kind == 0x90 || kind == 0x80;
}

struct Registration {
    int fo_go, fo_sw, mu_go, mu_sw, an_go, an_sw, ped;
};

void store(ConsoleState& st, int memory, const Registration& r) {
    st.slot(memory).MemFO_GO = static_cast<int16_t>(r.fo_go);
    st.slot(memory).MemFO_SW = static_cast<int16_t>(r.fo_sw);
    st.slot(memory).MemMU_GO = static_cast<int16_t>(r.mu_go);
    st.slot(memory).MemMU_SW = static_cast<int16_t>(r.mu_sw);
    st.slot(memory).MemAN_GO = static_cast<int16_t>(r.an_go);
    st.slot(memory).MemAN_SW = static_cast<int16_t>(r.an_sw);
    st.slot(memory).MemPED = static_cast<int16_t>(r.ped);
}

struct Figures {
    double longestNoteMs = 0;
    double registrationMs = 0;
    int notes = 0;
    long bytesStop = 0, bytesMemory = 0, bytesReset = 0;
};

void runEvents(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

Figures run(const QString& tablePath, int baud) {
    const QString keyboard = QStringLiteral("Keyboard");
    const QString module = QStringLiteral("Module");
    bench::ProgramFolder dir;
    dir.copyTable(tablePath);
    dir.writeConfig([](ConsoleState& cfg) {
        bench::playFromFirstKeyboard(cfg);
        cfg.SysexDelay = 0;
        // The general memory recalls the stops alone.
        cfg.RecallGlobals = 0;
        cfg.RecallBalance = 0;
    });
    SettingsFile(dir.path()).setValue(QStringLiteral("Output/WireSpeed"), baud);

    VirtualMidiBackend midi({keyboard}, {module});
    midi.setWired(module, true);
    midi.setRecording(false);
    Wire wire;
    long consoleBytes = 0;
    Clock::time_point lastConsoleOnWire{};
    std::deque<Clock::time_point> played;
    Figures f;
    midi.sink = [&](const uint8_t* bytes, size_t size) {
        const auto onWire = wire.carry(size);
        if (size > 0 && isPlayerNote(bytes)) {
            if (!played.empty()) {
                f.longestNoteMs = std::max(f.longestNoteMs, Ms(onWire - played.front()).count());
                played.pop_front();
                ++f.notes;
            }
        } else {
            consoleBytes += static_cast<long>(size);
            lastConsoleOnWire = onWire;
        }
    };

    SilentDialogs dialogs;
    Screen screen;
    Console console({dir.path(), &midi, &dialogs, &screen});
    auto settle = [&] {
        while (console.pacedOutput().queued() > 0)
            runEvents(5);
        // Whatever is still on the cable.
        runEvents(static_cast<int>(std::max(0.0, Ms(wire.free - Clock::now()).count())) + 5);
    };

    consoleBytes = 0;
    console.Form_Load();
    settle();
    f.bytesReset = consoleBytes; // start-up's reset: set-up entries and the whole console

    // One stop: the Great's second Fondi stop, from the reset registration.
    ConsoleState& st = console.state();
    store(st, 2, {1, 0, 0, 0, 0, 0, 0});
    consoleBytes = 0;
    console.memories().Memorie(2);
    settle();
    f.bytesStop = consoleBytes;

    // A general memory changing all seven groups.
    store(st, 2, {1, 2, 1, 1, 1, 1, 1});
    store(st, 1, {5, 6, 3, 4, 2, 3, 2});
    console.memories().Memorie(2);
    settle();
    f.notes = 0;
    f.longestNoteMs = 0;

    // The player plays a note every 50 ms (each key released as the next is struck); the
    // registration is drawn between the third and the fourth note.
    QEventLoop loop;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    int n = 0;
    bool recalled = false;
    Clock::time_point recallStart{};
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const auto key = static_cast<uint8_t>(48 + n % 24);
        if (n > 0) {
            played.push_back(Clock::now());
            midi.play(keyboard, {0x80, static_cast<uint8_t>(48 + (n - 1) % 24), 0});
        }
        played.push_back(Clock::now());
        midi.play(keyboard, {0x90, key, 100});
        ++n;
        if (recalled && console.pacedOutput().queued() == 0 && Clock::now() > wire.free &&
            Ms(Clock::now() - recallStart).count() > 500)
            loop.quit();
    });
    QTimer::singleShot(3 * kNoteIntervalMs + kNoteIntervalMs / 2, [&] {
        consoleBytes = 0;
        recallStart = Clock::now();
        console.memories().Memorie(1);
        recalled = true;
    });
    tick.start(kNoteIntervalMs);
    loop.exec();
    tick.stop();
    runEvents(50);
    f.bytesMemory = consoleBytes;
    f.registrationMs = Ms(lastConsoleOnWire - recallStart).count();
    console.exit_Click();
    return f;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString table = args.size() > 1 ? args[1] : QStringLiteral(VORLO_BUILT_TABLE);
    if (!QFile::exists(table)) {
        std::fprintf(stderr, "no stops table at %s\n", qPrintable(table));
        return 2;
    }
    std::printf("Wire speed: a general memory changing all seven groups while a note is played "
                "every %d ms,\non a module behind a MIDI cable drained at %.0f bytes/s "
                "(virtual MIDI)\ntable: %s\n\n",
                kNoteIntervalMs, kWireBytesPerSecond, qPrintable(QDir::cleanPath(table)));
    const Figures off = run(table, 0);
    const Figures on = run(table, PacedOutputPort::kDinBaud);
    std::printf("bytes: one stop (Great Fondi, with its reinforcement, temperaments and "
                "controllers) %ld, general memory %ld, reset %ld\n",
                on.bytesStop, on.bytesMemory, on.bytesReset);
    std::printf("bytes on the cable: one stop %.0f ms, general memory %.0f ms, reset %.0f ms\n\n",
                1000.0 * on.bytesStop / kWireBytesPerSecond,
                1000.0 * on.bytesMemory / kWireBytesPerSecond,
                1000.0 * on.bytesReset / kWireBytesPerSecond);
    std::printf("                 longest note delay   registration complete   notes\n");
    std::printf("pacing off       %10.1f ms        %10.1f ms         %5d\n", off.longestNoteMs,
                off.registrationMs, off.notes);
    std::printf("pacing on (DIN)  %10.1f ms        %10.1f ms         %5d   (goal: note delay "
                "at most 15 ms)\n",
                on.longestNoteMs, on.registrationMs, on.notes);
    if (off.bytesMemory != on.bytesMemory || off.bytesStop != on.bytesStop ||
        off.bytesReset != on.bytesReset) {
        std::printf("FAILED: pacing changed what the console sends\n");
        return 1;
    }
    return 0;
}
