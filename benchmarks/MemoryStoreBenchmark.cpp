// What the recovery copy costs a memory store: the time the console's thread spends storing
// into a free memory (the copy's contents are made there, the disk is left to the copy's own
// thread), against what writing the copy in place would cost that thread, and how soon the
// copy is on disk. With --quick it only checks that the copy on disk is the last store's.
#include "Console.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Memories.h"
#include "PanelState.h"
#include "RecoveryCopy.h"
#include "SafeFile.h"
#include "ScreenMetrics.h"
#include "virtual/VirtualMidiBackend.h"

#include "HeadlessEnvironment.h"
#include <QCoreApplication>
#include <QFile>
#include <algorithm>

#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace vorlo;

using bench::Screen;
using bench::SilentDialogs;

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

void print(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    auto at = [&](double q) {
        return v[static_cast<size_t>(q * static_cast<double>(v.size() - 1))];
    };
    std::printf("%-52s median %8.1f us   99th percentile %8.1f us\n", what, at(0.5), at(0.99));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const bool quick = app.arguments().contains(QStringLiteral("--quick"));
    const int stores = quick ? 50 : 2000;

    bench::ProgramFolder dir;
    dir.writeMinimalTable();
    dir.writeConfig([](ConsoleState& cfg) {
        cfg.MidiOutDevice = 0;
        cfg.MidiIn1Device = cfg.MidiIn2Device = 1;
    });

    VirtualMidiBackend midi({QStringLiteral("Keyboard")}, {QStringLiteral("Module")});
    midi.setRecording(false);
    SilentDialogs dialogs(false);
    Screen screen;
    Console console({dir.path(), &midi, &dialogs, &screen});
    console.Form_Load();
    ConsoleState& st = console.state();
    Form& main = console.mainForm();

    std::vector<double> storeTimes, onDiskTimes, contentsTimes, inPlaceTimes;
    for (int i = 0; i < stores; ++i) {
        st.live().MemFO_GO = static_cast<int16_t>(i % 30);
        const int memory = 1 + i % 12;
        const auto t0 = Clock::now();
        main("Rec_button").click();
        main("C_memory", memory).click();
        const auto t1 = Clock::now();
        console.recovery().flush();
        const auto t2 = Clock::now();
        storeTimes.push_back(micros(t1 - t0));
        onDiskTimes.push_back(micros(t2 - t0));

        const auto t3a = Clock::now();
        const QByteArray bytes = RecoveryCopy::serialize(st, false, false);
        const auto t3 = Clock::now();
        contentsTimes.push_back(micros(t3 - t3a));
        SafeFile::write(dir.filePath(QStringLiteral("in-place.sqs")), bytes);
        inPlaceTimes.push_back(micros(Clock::now() - t3));
    }

    QFile copy(console.recovery().path());
    const bool same = copy.open(QIODevice::ReadOnly) &&
                      copy.readAll() == RecoveryCopy::serialize(st, false, false);
    if (!same) {
        std::fprintf(stderr, "the recovery copy on disk is not the last store's\n");
        return 1;
    }
    if (quick)
        return 0;
    std::printf("%d stores into free memories\n", stores);
    print("store, on the console's thread", storeTimes);
    print("  of which making the copy's contents", contentsTimes);
    print("writing the copy in place instead (not done)", inPlaceTimes);
    print("store until the copy is on disk (its own thread)", onDiskTimes);
    return 0;
}
