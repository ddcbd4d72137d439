#include "MidiPortSetup.h"

#include "MidiConstants.h"
#include "MidiPortError.h"
#include "core/Console.h"
#include "core/Dialogs.h"
#include "core/ScreenMetrics.h"
#include "core/SettingsFile.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"
#include "panel/SetupWindowControls.h"

#include <functional>

namespace vorlo {
namespace {

const QString kNoDevice = QStringLiteral("No device");
// True in the settings file while the player's output is the built-in synthesizer.
const QString kBuiltInChosen = QStringLiteral("Synth/BuiltInSelected");
// The wire speed list: off, a MIDI cable, and the custom speed of the settings file if any.
const QString kWireOff = QStringLiteral("Off");
const QString kWireDin = QStringLiteral("MIDI cable (31,250 baud)");

} // namespace

MidiPortSetup::MidiPortSetup(Console& console) : console_(console) {
    Control& ok = setupControl(ctl::setup::Command1);
    ok.onClick = [this] { Command1_Click(); };
    setupControl(ctl::setup::Command3).onClick = [this] { Command3_Click(); };
    setupControl(ctl::setup::InputDev1Combo).onClick = [this] { InputDev1Combo_Click(); };
    setupControl(ctl::setup::InputDev2Combo).onClick = [this] { InputDev2Combo_Click(); };
    setupControl(ctl::setup::outputDevcombo).onClick = [this] { outputDevcombo_Click(); };
    setupControl(ctl::setup::Slider1).onScroll = [this] { Slider1_Scroll(); };
    setupControl(ctl::setup::Slider2).onScroll = [this] { Slider2_Scroll(); };
    for (int i = 0; i < 8; ++i)
        setupControl(ctl::setup::Check_Filters, i).onClick = [this, i] { Check_Filters_Click(i); };
    Form& setup = console_.form(ctl::setup::Window);
    // Closing the window with its close box works like CANCEL.
    setup.onQueryUnload = [this] {
        Command3_Click();
        return false;
    };
    console_.mainForm()(ctl::main::SetMidi).onClick = [this] { SetMidi_Click(); };
}

Control& MidiPortSetup::setupControl(const ControlId& id) {
    return console_.form(ctl::setup::Window)(id);
}

Control& MidiPortSetup::setupControl(const ControlArrayId& id, int index) {
    return console_.form(ctl::setup::Window)(id, index);
}

void MidiPortSetup::MIDI_DEVICES_ACK() {
    ConsoleState& st = console_.state();
    // The lists are filled afresh: a rescan replaces what an earlier scan found.
    auto scan = [](auto& port, Control& list) {
        list.clearItems();
        int count = 0;
        try {
            count = port.deviceCount();
            for (int i = 0; i < count; ++i)
                list.addItem(port.deviceName(i));
        } catch (const MidiPortError&) {
            count = static_cast<int>(list.items().size());
        }
        list.addItem(kNoDevice);
        return static_cast<int16_t>(count);
    };
    st.MidiOutNoDevice = scan(console_.MIDIOutput1(), setupControl(ctl::setup::outputDevcombo));
    st.MidiIn1NoDevice = scan(console_.MIDIInput1(), setupControl(ctl::setup::InputDev1Combo));
    st.MidiIn2NoDevice = scan(console_.MIDIInput2(), setupControl(ctl::setup::InputDev2Combo));
}

void MidiPortSetup::setFilters(MidiInputPort& port) {
    const ConsoleState& st = console_.state();
    for (size_t i = 0; i < midi::kFilterStatus.size(); ++i)
        port.setFilter(midi::kFilterStatus[i], st.InputFilter[i]);
}

void MidiPortSetup::openInput(MidiInputPort& port, int device) {
    port.selectDevice(device);
    setFilters(port);
    port.open();
}

void MidiPortSetup::MIDI_OPENING() {
    ConsoleState& st = console_.state();
    try {
        if (st.MidiIn1Device != st.MidiIn1NoDevice)
            openInput(console_.MIDIInput1(), st.MidiIn1Device);
        if (st.MidiIn2Device != st.MidiIn2NoDevice)
            openInput(console_.MIDIInput2(), st.MidiIn2Device);
        if (st.MidiOutDevice != st.MidiOutNoDevice) {
            console_.MIDIOutput1().selectDevice(st.MidiOutDevice);
            console_.MIDIOutput1().open();
        }
    } catch (const MidiPortError&) {
        console_.dialogs().message(
            QStringLiteral(" MIDI DEVICES CONFIGURATIONS NOT VALID, NOW! PLEASE CHECK IT BY "
                           "SETUP MENU"),
            st.ProgramTitle, Dialogs::Icon::Critical);
    }
}

void MidiPortSetup::CHIUSURA_PORTE_MIDI() {
    const ConsoleState& st = console_.state();
    if (st.MidiIn1Device != st.MidiIn1NoDevice)
        console_.MIDIInput1().close();
    if (st.MidiIn2Device != st.MidiIn2NoDevice)
        console_.MIDIInput2().close();
    if (st.MidiOutDevice != st.MidiOutNoDevice)
        console_.MIDIOutput1().close();
}

void MidiPortSetup::takeBuiltInChoice(bool configurationRead) {
    ConsoleState& st = console_.state();
    const int builtIn = console_.MIDIOutput1().builtInDeviceIndex();
    if (builtIn < 0)
        return;
    SettingsFile settings(st.AppDir);
    const bool chosen = settings.value(kBuiltInChosen, false).toBool();
    if (!configurationRead || chosen) {
        st.MidiOutDevice = static_cast<int16_t>(builtIn);
        if (!chosen)
            settings.setValue(kBuiltInChosen, true);
    } else if (st.MidiOutDevice == builtIn) {
        st.MidiOutDevice = st.MidiOutNoDevice;
    }
}

void MidiPortSetup::rememberBuiltInChoice() {
    ConsoleState& st = console_.state();
    const int builtIn = console_.MIDIOutput1().builtInDeviceIndex();
    if (builtIn < 0)
        return;
    // A settings file that cannot be written costs only the choice across a change of devices.
    SettingsFile(st.AppDir).setValue(kBuiltInChosen, st.MidiOutDevice == builtIn);
}

void MidiPortSetup::selectListEntries() {
    const ConsoleState& st = console_.state();
    // A stored index that the (shorter) list cannot take ends the selection there.
    const struct {
        const ControlId& list;
        int16_t device;
    } lists[] = {{ctl::setup::InputDev1Combo, st.MidiIn1Device},
                 {ctl::setup::InputDev2Combo, st.MidiIn2Device},
                 {ctl::setup::outputDevcombo, st.MidiOutDevice}};
    for (const auto& l : lists) {
        Control& list = setupControl(l.list);
        if (l.device < 0 || l.device >= list.items().size())
            return;
        list.setListIndex(l.device);
    }
}

void MidiPortSetup::SetMidi_Click() {
    ConsoleState& st = console_.state();
    // A port's settings are only changed while it is closed.
    CHIUSURA_PORTE_MIDI();
    if (!st.DeviceListFresh)
        MIDI_DEVICES_ACK();
    st.DeviceListFresh = false;
    Form& setup = console_.form(ctl::setup::Window);
    if (!setup.isLoaded())
        Form_Load();
    selectListEntries();
    setupControl(ctl::setup::Label_hang).setCaption(QString::number(st.NoteDelay));
    setupControl(ctl::setup::Slider2).setValue(st.NoteDelay);
    setupControl(ctl::setup::UserDelay).setCaption(QString::number(st.SysexDelay));
    setupControl(ctl::setup::Slider1).setValue(st.SysexDelay);
    SavedSysexDelay = st.SysexDelay;
    SavedNoteDelay = st.NoteDelay;
    for (int i = 0; i < 8; ++i)
        setupControl(ctl::setup::Check_Filters, i).setValue(st.InputFilter[i] ? 1 : 0);
    Control& wire = setupControl(ctl::setup::WireSpeedCombo);
    const int baud = console_.pacedOutput().wireSpeed();
    wire.clearItems();
    wire.addItem(kWireOff);
    wire.addItem(kWireDin);
    if (baud != 0 && baud != PacedOutputPort::kDinBaud)
        wire.addItem(QStringLiteral("Custom (%1 baud)").arg(baud));
    wire.setListIndex(baud == 0 ? 0 : baud == PacedOutputPort::kDinBaud ? 1 : 2);
    setup.setVisible(true);
}

void MidiPortSetup::Form_Load() {
    ConsoleState& st = console_.state();
    Form& setup = console_.form(ctl::setup::Window);
    setup.setLoaded(true);
    setup.setPicture(st.appFile(QStringLiteral("light.ico")));
    if (!std::isnan(setup.width()) && !std::isnan(setup.height())) {
        setup.setLeft((console_.screen().screenWidthTwips() - setup.width()) / 2);
        setup.setTop((console_.screen().screenHeightTwips() - setup.height()) / 2);
    }
}

// A device chosen in a list is selected on its port at once; the port is opened only by OK.
template <typename Port>
static void selectChosenDevice(Console& c, Control& list, Port& port, int noDevice) {
    const int i = list.listIndex();
    if (i < 0 || i == noDevice)
        return;
    try {
        port.selectDevice(i);
    } catch (const MidiPortError& e) {
        c.dialogs().message(e.text(), c.state().ProgramTitle, Dialogs::Icon::None);
    }
}

void MidiPortSetup::InputDev1Combo_Click() {
    selectChosenDevice(console_, setupControl(ctl::setup::InputDev1Combo), console_.MIDIInput1(),
                       console_.state().MidiIn1NoDevice);
}

void MidiPortSetup::InputDev2Combo_Click() {
    selectChosenDevice(console_, setupControl(ctl::setup::InputDev2Combo), console_.MIDIInput2(),
                       console_.state().MidiIn2NoDevice);
}

void MidiPortSetup::outputDevcombo_Click() {
    selectChosenDevice(console_, setupControl(ctl::setup::outputDevcombo), console_.MIDIOutput1(),
                       console_.state().MidiOutNoDevice);
}

void MidiPortSetup::Check_Filters_Click(int index) {
    console_.state().InputFilter[static_cast<size_t>(index)] =
        setupControl(ctl::setup::Check_Filters, index).value() != 0;
}

void MidiPortSetup::Slider1_Scroll() {
    ConsoleState& st = console_.state();
    st.SysexDelay = static_cast<int16_t>(setupControl(ctl::setup::Slider1).value());
    setupControl(ctl::setup::UserDelay).setCaption(QString::number(st.SysexDelay));
}

void MidiPortSetup::Slider2_Scroll() {
    ConsoleState& st = console_.state();
    st.NoteDelay = static_cast<int16_t>(setupControl(ctl::setup::Slider2).value());
    setupControl(ctl::setup::Label_hang).setCaption(QString::number(st.NoteDelay));
}

void MidiPortSetup::Command1_Click() {
    ConsoleState& st = console_.state();
    const int in1 = setupControl(ctl::setup::InputDev1Combo).listIndex();
    const int in2 = setupControl(ctl::setup::InputDev2Combo).listIndex();
    const int out = setupControl(ctl::setup::outputDevcombo).listIndex();
    // A list without a selection counts as "No device": no port opens on an undefined device.
    // A port that fails to open is told to the player; the others are still opened.
    auto tryOpen = [&](int device, int noDevice, const std::function<void()>& open) {
        if (device < 0 || device == noDevice)
            return;
        try {
            open();
        } catch (const MidiPortError& e) {
            console_.dialogs().message(e.text(), st.ProgramTitle, Dialogs::Icon::None);
        }
    };
    const int wire = setupControl(ctl::setup::WireSpeedCombo).listIndex();
    if (wire == 0 || wire == 1) {
        QString failure;
        if (!console_.setWireSpeed(wire == 0 ? 0 : PacedOutputPort::kDinBaud, &failure))
            console_.dialogs().message(
                QStringLiteral("The wire speed could not be saved: %1").arg(failure),
                st.ProgramTitle, Dialogs::Icon::Exclamation);
    }
    tryOpen(in1, st.MidiIn1NoDevice, [&] { openInput(console_.MIDIInput1(), in1); });
    tryOpen(in2, st.MidiIn2NoDevice, [&] { openInput(console_.MIDIInput2(), in2); });
    tryOpen(out, st.MidiOutNoDevice, [&] {
        console_.MIDIOutput1().selectDevice(out);
        console_.MIDIOutput1().open();
    });
    st.MidiIn1Device = static_cast<int16_t>(in1 >= 0 ? in1 : st.MidiIn1NoDevice);
    st.MidiIn2Device = static_cast<int16_t>(in2 >= 0 ? in2 : st.MidiIn2NoDevice);
    st.MidiOutDevice = static_cast<int16_t>(out >= 0 ? out : st.MidiOutNoDevice);
    rememberBuiltInChoice();
    Fine_Setup();
    closeWindow();
}

void MidiPortSetup::Command3_Click() {
    ConsoleState& st = console_.state();
    MIDI_OPENING();
    st.SysexDelay = SavedSysexDelay;
    st.NoteDelay = SavedNoteDelay;
    closeWindow();
    console_.AGGIORNAMENTO_VORLO();
}

void MidiPortSetup::closeWindow() {
    Form& setup = console_.form(ctl::setup::Window);
    setup.setVisible(false);
    setup.setLoaded(false);
}

void MidiPortSetup::Fine_Setup() {
    console_.Fine_Setup();
}

} // namespace vorlo
