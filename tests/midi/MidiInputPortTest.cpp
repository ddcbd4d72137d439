#include "MidiConstants.h"
#include "MidiPortError.h"
#include "virtual/VirtualMidiBackend.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>
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
    constexpr int kCount = 20000; // well beyond the queue's first capacity
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
