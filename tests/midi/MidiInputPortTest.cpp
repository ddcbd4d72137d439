#include "MidiConstants.h"
#include "MidiPortError.h"
#include "virtual/VirtualMidiBackend.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
#include <numeric>
#include <thread>

using namespace vorlo;

namespace {

struct OpenInput {
    VirtualMidiBackend midi{{QStringLiteral("Keys")}, {}};
    std::unique_ptr<MidiInputPort> port = midi.createInput();
    OpenInput() {
        port->selectDevice(0);
        port->open();
    }
    std::vector<ShortMessage> drain() {
        std::vector<ShortMessage> out;
        while (port->queuedCount() > 0) {
            out.push_back(port->oldest());
            port->dropOldest();
        }
        return out;
    }
};

} // namespace

TEST(MidiInputPort, MessagesFromAnotherThreadArriveAllInOrderAndRaiseTheEventOnThisThread) {
    OpenInput in;
    Qt::HANDLE eventThread = nullptr;
    int events = 0;
    QObject::connect(in.port.get(), &MidiInputPort::message, [&] {
        eventThread = QThread::currentThreadId();
        ++events;
    });
    constexpr int kCount = 7000; // nearly as many notes as the queue takes
    std::thread player([&] {
        for (int i = 0; i < kCount; ++i)
            in.midi.play(QStringLiteral("Keys"),
                         {static_cast<uint8_t>(0x90 | (i % 3)), static_cast<uint8_t>(i % 128),
                          static_cast<uint8_t>((i / 128) % 128)});
    });
    player.join();
    QCoreApplication::processEvents();
    EXPECT_GE(events, 1);
    EXPECT_EQ(eventThread, QThread::currentThreadId());
    const auto got = in.drain();
    ASSERT_EQ(got.size(), static_cast<size_t>(kCount));
    for (int i = 0; i < kCount; ++i) {
        ASSERT_EQ(got[i].status, 0x90 | (i % 3));
        ASSERT_EQ(got[i].data1, i % 128);
        ASSERT_EQ(got[i].data2, (i / 128) % 128);
    }
}

TEST(MidiInputPort, FiltersRejectTheirStatusByteAndSystemExclusiveIsNeverQueued) {
    OpenInput in;
    in.port->setFilter(midi::ActiveSensing, true);
    in.port->setFilter(midi::TimingClock, true);
    in.midi.play(QStringLiteral("Keys"), {midi::ActiveSensing});
    in.midi.play(QStringLiteral("Keys"), {midi::TimingClock});
    in.midi.play(QStringLiteral("Keys"), {midi::Start});
    in.midi.play(QStringLiteral("Keys"), {midi::SysexStart, 0x41, midi::SysexEnd});
    in.port->setFilter(midi::TimingClock, false);
    in.midi.play(QStringLiteral("Keys"), {midi::TimingClock});
    const auto got = in.drain();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].status, midi::Start);
    EXPECT_EQ(got[1].status, midi::TimingClock);
}

TEST(MidiInputPort, AClosedPortReceivesNothingAndBadDevicesThrow) {
    OpenInput in;
    in.port->close();
    in.midi.play(QStringLiteral("Keys"), {0x90, 60, 100});
    EXPECT_EQ(in.port->queuedCount(), 0);
    EXPECT_THROW(in.port->selectDevice(1), MidiPortError);
    in.midi.setOpenFails(QStringLiteral("Keys"), true);
    in.port->selectDevice(0);
    EXPECT_THROW(in.port->open(), MidiPortError);
}

TEST(MidiInputPort, AFloodIsBoundedAndKeepsTheReleasesOfWhatWasQueued) {
    OpenInput in;
    // Far more notes than the console could read meanwhile, then their releases.
    for (int i = 0; i < 20000; ++i)
        in.midi.play(QStringLiteral("Keys"), {0x90, static_cast<uint8_t>(i % 128), 100});
    for (int key = 0; key < 128; ++key)
        in.midi.play(QStringLiteral("Keys"), {0x80, static_cast<uint8_t>(key), 0});
    in.midi.play(QStringLiteral("Keys"), {0xB0, midi::CcSustain, 0});
    in.midi.play(QStringLiteral("Keys"), {0xB0, midi::CcModulation, 5});
    EXPECT_LE(in.port->queuedCount(), 8192) << "the queue has a fixed size";
    const std::vector<ShortMessage> queued = in.drain();
    ASSERT_GE(queued.size(), 130u);
    std::vector<int> releases;
    for (auto m = queued.end() - 129; m != queued.end() - 1; ++m)
        releases.push_back(m->status == 0x80 ? m->data1 : -1);
    std::vector<int> keys(128);
    std::iota(keys.begin(), keys.end(), 0);
    EXPECT_EQ(releases, keys) << "every note-off, in order";
    EXPECT_EQ(queued.back().data1, midi::CcSustain)
        << "the pedal let go is a release too; the modulation beyond the bound is not";
    in.midi.play(QStringLiteral("Keys"), {0x90, 60, 100});
    EXPECT_EQ(in.port->queuedCount(), 1) << "room again once read";
}
