#include "ConsoleEvents.h"
#include "MainWindowControls.h"
#include "MidiDevices.h"
#include "SetupWindowControls.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class PortSetup : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }
    Control& setup(const ControlId& id) { return console->form(ctl::setup::Window)(id); }
    Control& setup(const ControlArrayId& id, int index) {
        return console->form(ctl::setup::Window)(id, index);
    }
};

} // namespace

TEST_F(PortSetup, OkOpensTheChosenPortsThenResets) {
    main()(ctl::main::SetMidi).click();
    EXPECT_TRUE(form(forms::Setup).isVisible());
    EXPECT_FALSE(console->MIDIOutput1().isOpen()) << "ports are closed while set up";
    setup(ctl::setup::InputDev1Combo).chooseListIndex(1);
    setup(ctl::setup::InputDev2Combo).chooseListIndex(2); // no device
    setup(ctl::setup::Check_Filters, 3).toggleCheck(true);
    setup(ctl::setup::Command1).click();
    EXPECT_FALSE(form(forms::Setup).isVisible());
    EXPECT_EQ(st().MidiIn1Device, 1);
    EXPECT_EQ(st().MidiIn2Device, 2);
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_FALSE(console->MIDIInput2().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    EXPECT_TRUE(st().InputFilter[3]);
    EXPECT_TRUE(console->MIDIInput1().filter(0xF8));
    const QStringList sent = log();
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), marker(0)) << "the reset retransmits the console";
}

TEST_F(PortSetup, CancelRestoresBothDelaysAndReopensThePreviousPorts) {
    st().SysexDelay = 4;
    st().NoteDelay = 9;
    main()(ctl::main::SetMidi).click();
    setup(ctl::setup::Slider1).scroll(60);
    setup(ctl::setup::Slider2).scroll(70);
    EXPECT_EQ(st().SysexDelay, 60) << "takes effect at once";
    setup(ctl::setup::Command3).click();
    EXPECT_EQ(st().SysexDelay, 4);
    EXPECT_EQ(st().NoteDelay, 9);
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
}

TEST_F(PortSetup, TheListsFollowTheDevicesWhileOpenAndEachOpeningRescans) {
    midi->setInputDevices({"Keyboard 1", "Keyboard 2", "Pedalboard"});
    main()(ctl::main::SetMidi).click();
    EXPECT_EQ(setup(ctl::setup::InputDev1Combo).items().size(), 4) << "even the first opening";
    EXPECT_EQ(st().MidiIn1NoDevice, 3);
    setup(ctl::setup::InputDev2Combo).chooseListIndex(2); // the pedalboard

    // A device appears, and one the player did not pick goes, while the window is open.
    midi->setInputDevices({"Expression box", "Keyboard 2", "Pedalboard"});
    settle();
    EXPECT_EQ(setup(ctl::setup::InputDev1Combo).items(),
              QStringList({"Expression box", "Keyboard 2", "Pedalboard", "No device"}));
    EXPECT_EQ(setup(ctl::setup::InputDev1Combo).listIndex(), 3) << "Keyboard 1 is gone";
    EXPECT_EQ(setup(ctl::setup::InputDev2Combo).listIndex(), 2) << "the pick stays";
    EXPECT_FALSE(console->MIDIInput2().isOpen()) << "nothing opens while the set-up is open";

    // Without notices from the MIDI system, Refresh reads the lists again.
    midi->setInputDevices({"Pedalboard"});
    setup(ctl::setup::Refresh).click();
    EXPECT_EQ(setup(ctl::setup::InputDev2Combo).items(), QStringList({"Pedalboard", "No device"}));
    EXPECT_EQ(setup(ctl::setup::InputDev2Combo).listIndex(), 0);
    setup(ctl::setup::Command1).click();
    EXPECT_TRUE(console->MIDIInput2().isOpen());
    EXPECT_EQ(st().MidiIn2Device, 0);
}

TEST_F(PortSetup, WithNoDevicesAtAllOnlyNoDeviceIsListedAndNothingOpens) {
    console.reset();
    midi = std::make_unique<VirtualMidiBackend>();
    start();
    main()(ctl::main::SetMidi).click();
    EXPECT_EQ(setup(ctl::setup::InputDev1Combo).items(), QStringList({"No device"}));
    EXPECT_EQ(setup(ctl::setup::outputDevcombo).items(), QStringList({"No device"}));
    setup(ctl::setup::Command1).click();
    EXPECT_FALSE(console->MIDIOutput1().isOpen());
    EXPECT_EQ(st().MidiOutDevice, 0);
}

TEST_F(PortSetup, OkTellsAPortThatCannotOpenStillOpensTheOthersAndAnnouncesTheDevices) {
    struct DevicesHeard : ConsoleListener {
        int changes = 0;
        void devicesChanged() override { ++changes; }
    } heard;
    console->events().add(heard);
    main()(ctl::main::SetMidi).click();
    midi->setOpenFails(QStringLiteral("Keyboard 1"), true);
    dialogs.messages.clear();
    heard.changes = 0;
    setup(ctl::setup::Command1).click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({"The MIDI input device \"Keyboard 1\" cannot be opened"}));
    EXPECT_FALSE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(console->MIDIInput2().isOpen()) << "a failure leaves the other ports to open";
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    const MidiDevices& devices = console->devices();
    EXPECT_EQ(devices.choice(MidiPort::Input1).name, QStringLiteral("Keyboard 1"));
    EXPECT_EQ(devices.choice(MidiPort::Input2).name, QStringLiteral("Keyboard 2"));
    EXPECT_EQ(devices.choice(MidiPort::Output).name, QStringLiteral("Sound Module"));
    EXPECT_GT(heard.changes, 0);
    console->events().remove(heard);
}
