// Which MIDI system the backend takes, and a console without any.
#include "AbsentJackServer.h"
#include "JackTest.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "MidiPortError.h"

#include <QFileInfo>

using namespace vorlo;
using namespace vorlo::test;

namespace {

const QString kSequencer = QStringLiteral("/dev/snd/seq");

template <class Port> void expectNoDevices(Port& port) {
    EXPECT_EQ(port.deviceCount(), 0);
    try {
        port.deviceName(0);
        ADD_FAILURE() << "a device without a MIDI system";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::InvalidDevice);
    }
    EXPECT_THROW(port.selectDevice(0), MidiPortError);
    try {
        port.open();
        ADD_FAILURE() << "opened without a MIDI system";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::NoMidiSystem);
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("No MIDI system available (")))
            << e.text().toStdString();
    }
    EXPECT_FALSE(port.isOpen());
}

using RtMidiBackendChoice = JackTest;

TEST_F(RtMidiBackendChoice, TakesTheAlsaSequencerWhenThereIsOneAndJackOtherwise) {
    const RtMidiBackend automatic;
    ASSERT_TRUE(automatic.available()) << automatic.unavailableReason().toStdString();
    if (QFileInfo::exists(kSequencer) && RtMidiBackend(RtMidi::LINUX_ALSA).available())
        EXPECT_EQ(automatic.api(), RtMidi::LINUX_ALSA);
    else
        EXPECT_EQ(automatic.api(), RtMidi::UNIX_JACK);
}

TEST_F(RtMidiBackendChoice, AlsaIsNotTriedWithoutTheSequencerDevice) {
    if (QFileInfo::exists(kSequencer))
        GTEST_SKIP() << "this computer has an ALSA sequencer";
    const RtMidiBackend alsa(RtMidi::LINUX_ALSA);
    EXPECT_FALSE(alsa.available());
    EXPECT_EQ(alsa.api(), RtMidi::UNSPECIFIED);
    EXPECT_TRUE(alsa.unavailableReason().contains(kSequencer))
        << alsa.unavailableReason().toStdString();
}

TEST_F(RtMidiBackendChoice, WithoutAMidiSystemThePortsHaveNoDevicesAndSaySoOnce) {
    std::unique_ptr<RtMidiBackend> none;
    {
        const AbsentJackServer absent;
        none = std::make_unique<RtMidiBackend>(RtMidi::UNIX_JACK);
    }
    ASSERT_FALSE(none->available());
    EXPECT_EQ(none->api(), RtMidi::UNSPECIFIED);
    EXPECT_TRUE(none->unavailableReason().contains(QStringLiteral("JACK")))
        << none->unavailableReason().toStdString();

    auto in = none->createInput();
    auto out = none->createOutput();
    std::vector<std::pair<int, QString>> errors;
    QObject::connect(in.get(), &MidiInputPort::error,
                     [&](int code, const QString& text) { errors.emplace_back(code, text); });
    QObject::connect(out.get(), &MidiOutputPort::error,
                     [&](int code, const QString& text) { errors.emplace_back(code, text); });

    expectNoDevices(*in);
    expectNoDevices(*out);
    out->sendShort(0x90, 60, 100);
    out->sendSysex(QByteArray::fromHex("F07E7F0901F7"));
    runEvents(50);

    ASSERT_EQ(errors.size(), 2u) << "one notice from each port";
    const QString expected =
        QStringLiteral("No MIDI system available (%1)").arg(none->unavailableReason());
    for (const auto& [code, text] : errors) {
        EXPECT_EQ(code, RtMidiBackend::NoMidiSystem);
        EXPECT_EQ(text, expected);
    }
}

} // namespace
