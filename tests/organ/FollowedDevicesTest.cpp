// Devices found by name, followed as they come and go, and the module brought back in line.
#include "ConfigFile.h"
#include "ConfigurationStore.h"
#include "DeviceLights.h"
#include "Drawstops.h"
#include "MidiDevices.h"
#include "SettingsFile.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class FollowedDevices : public ConsoleFixture {
protected:
    // Starts again in the same folder on another MIDI system, keeping what the start sent.
    void restartOn(const QStringList& inputs, const QStringList& outputs) {
        console.reset();
        midi = std::make_unique<VirtualMidiBackend>(inputs, outputs);
        makeConsole();
        console->Form_Load();
        settle();
    }
    QStringList sentTo(const QString& device) const {
        QStringList out;
        for (const auto& s : midi->sent())
            if (s.device == device)
                out << VirtualMidiBackend::hex(s.bytes);
        return out;
    }
    DeviceLights::Light light(MidiPort port) { return console->deviceLights().shown(port).light; }
    bool noticed(const QString& part) {
        return std::any_of(notices.texts.begin(), notices.texts.end(),
                           [&](const QString& t) { return t.contains(part); });
    }
};

TEST_F(FollowedDevices, NamesAreLearntFromOldNumbersAndANewDeviceOrderChangesNothing) {
    startOnMarkerTable();
    const SettingsFile settings(dir.path());
    EXPECT_EQ(settings.value(QStringLiteral("Devices/Keyboard1")).toString(), "Keyboard 1");
    EXPECT_EQ(settings.value(QStringLiteral("Devices/Module")).toString(), "Sound Module");

    // The next start finds a new source and a new sink listed before the player's devices.
    restartOn({"New source", "Keyboard 2", "Keyboard 1"}, {"New sink", "Sound Module"});
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
    EXPECT_TRUE(sentTo(QStringLiteral("New sink")).isEmpty());
    const QStringList toModule = sentTo(QString::fromLatin1(kModule));
    ASSERT_FALSE(toModule.isEmpty());
    EXPECT_EQ(toModule.first(), marker(0)) << "the module gets the reset";
    EXPECT_TRUE(noticed(QStringLiteral("Keyboard 1 \"Keyboard 1\" is now number 2")));
    log();
    play("Keyboard 1", {0x90, 60, 100});
    play("New source", {0x90, 61, 100});
    settle();
    EXPECT_EQ(log(), QStringList({"90 3C 64"})) << "keyboard 1 plays the Great; nothing else";

    // The configuration's numbers follow the devices.
    console->configuration().Salva_dati_di_avvio();
    ConsoleState read;
    read.AppDir = dir.path();
    ASSERT_EQ(ConfigFile::read(appFile(QStringLiteral("vorlo2000.CFG")), read,
                               ScreenContext{28800, 16200, 9680, 6870})
                  .status,
              ConfigFile::ReadResult::Status::Read);
    EXPECT_EQ(read.MidiIn1Device, 2);
    EXPECT_EQ(read.MidiIn2Device, 1);
    EXPECT_EQ(read.MidiOutDevice, 1);
}

TEST_F(FollowedDevices, ALooseNameIsFoundAnAbsentKeyboardOpensWithItsFiltersWhenItComes) {
    SettingsFile settings(dir.path());
    settings.setValue(QStringLiteral("Devices/Keyboard1"), QStringLiteral("USB Keys 20:0"));
    settings.setValue(QStringLiteral("Devices/Keyboard2"), QStringLiteral("Pedalboard"));
    midi->setInputDevices({"USB Keys  24:0", "Keyboard 2"});
    startOnMarkerTable([](ConsoleState& s) { s.InputFilter[3] = true; }); // clock rejected
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
    EXPECT_TRUE(noticed(QStringLiteral("is used under its new name \"USB Keys  24:0\"")));
    EXPECT_TRUE(noticed(QStringLiteral("Keyboard 2 \"Pedalboard\" is not connected")));
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_FALSE(console->MIDIInput2().isOpen()) << "Keyboard 2 is not the pedalboard";
    EXPECT_EQ(light(MidiPort::Input2), DeviceLights::Light::Absent);
    EXPECT_TRUE(console->deviceLights().shown(MidiPort::Input2).toolTip.contains("Pedalboard"));

    midi->setInputDevices({"USB Keys  24:0", "Keyboard 2", "Pedalboard"});
    settle();
    ASSERT_TRUE(console->MIDIInput2().isOpen());
    EXPECT_EQ(light(MidiPort::Input2), DeviceLights::Light::Connected);
    EXPECT_EQ(st().MidiIn2Device, 2);
    log();
    play("Pedalboard", {0xF8});
    play("Pedalboard", {0x92, 36, 100});
    settle();
    EXPECT_EQ(log(), QStringList({"92 24 64"})) << "its filters came with it";
}

TEST_F(FollowedDevices, AReturningModuleIsResetAndGivenTheRegistrationThePanelShows) {
    startOnMarkerTable();
    console->RESET_Click();
    const QStringList resetBytes = log();

    midi->removeDevice(QString::fromLatin1(kModule));
    settle();
    EXPECT_TRUE(dialogs.messages.empty()) << "a vanished module asks nothing";
    EXPECT_EQ(light(MidiPort::Output), DeviceLights::Light::Absent);
    midi->setOutputDevices({QString::fromLatin1(kModule)});
    settle();
    EXPECT_EQ(light(MidiPort::Output), DeviceLights::Light::Connected);
    const QStringList restored = log();
    // The reset's own entries, the temperament, its start note and the tremolo type the module
    // lost, then everything the reset sends after its entries.
    constexpr int kResetEntries = 5;
    ASSERT_GT(restored.size(), resetBytes.size());
    EXPECT_EQ(restored.mid(0, kResetEntries), resetBytes.mid(0, kResetEntries));
    EXPECT_EQ(restored.mid(restored.size() - (resetBytes.size() - kResetEntries)),
              resetBytes.mid(kResetEntries));

    // A stop drawn while the module is away sounds when it comes back.
    midi->removeDevice(QString::fromLatin1(kModule));
    settle();
    console->drawstops().Tir_FO_GO_Click(2);
    EXPECT_TRUE(log().isEmpty()) << "nothing is queued for an absent module";
    midi->setOutputDevices({QString::fromLatin1(kModule)});
    settle();
    const QStringList withStop = log();
    EXPECT_EQ(withStop.mid(0, kResetEntries), resetBytes.mid(0, kResetEntries));
    EXPECT_NE(withStop, restored) << "the drawn stop is part of what the module gets";
    EXPECT_EQ(st().sent(), st().live());
}

TEST_F(FollowedDevices, AStoppedMidiSystemIsWaitedForAndEverythingReconnects) {
    startOnMarkerTable();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    log();
    midi->stopSystem();
    settle();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(noticed(QStringLiteral("The MIDI system has stopped")));
    for (MidiPort port : DeviceLights::kPorts)
        EXPECT_EQ(light(port), DeviceLights::Light::Absent);
    console->drawstops().Tir_FO_GO_Click(2);
    EXPECT_FALSE(console->hasEnded());

    midi->startSystem();
    settle();
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(console->MIDIInput2().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    const QStringList back = log();
    ASSERT_FALSE(back.isEmpty());
    EXPECT_EQ(back.first(), marker(0));
    play(kKeyboard1, {0x80, 60, 0});
    play(kKeyboard1, {0x90, 62, 100});
    settle();
    EXPECT_EQ(log(), QStringList({"90 3E 64"}))
        << "the key released when the system went is not released twice";
}

} // namespace
