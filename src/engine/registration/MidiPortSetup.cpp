#include "MidiPortSetup.h"

#include "ConsoleForms.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiPortError.h"
#include "PacedOutputPort.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "SettingsFile.h"
#include "SetupWindowControls.h"

#include <functional>

namespace vorlo {
namespace {

const QString kNoDevice = QStringLiteral("No device");
// True in the settings file while the player's output is the built-in synthesizer.
const QString kBuiltInChosen = QStringLiteral("Synth/BuiltInSelected");
// The wire speed list: off, a MIDI cable, and the custom speed of the settings file if any.
const QString kWireOff = QStringLiteral("Off");
const QString kWireDin = QStringLiteral("MIDI cable (31,250 baud)");
// The output's wire speed in baud (0 = off), in the settings file.
const QString kWireSpeedKey = QStringLiteral("Output/WireSpeed");

} // namespace

MidiPortSetup::MidiPortSetup(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                             ScreenMetrics& screen, MidiInputPort& in1, MidiInputPort& in2,
                             PacedOutputPort& output, ConsoleUpdate& update, ConsoleReset& reset)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), dialogs_(dialogs),
      screen_(screen), in1_(in1), in2_(in2), paced_(output), update_(update), reset_(reset) {
    paced_.setWireSpeed(PacedOutputPort::parseWireSpeed(
        SettingsFile(state_.AppDir).value(kWireSpeedKey), PacedOutputPort::kDinBaud));
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
    Form& setup = panel_.form(ctl::setup::Window);
    // Closing the window with its close box works like CANCEL.
    setup.onQueryUnload = [this] {
        Command3_Click();
        return false;
    };
    main_(ctl::main::SetMidi).onClick = [this] { SetMidi_Click(); };
}

Control& MidiPortSetup::setupControl(const ControlId& id) {
    return panel_.form(ctl::setup::Window)(id);
}

Control& MidiPortSetup::setupControl(const ControlArrayId& id, int index) {
    return panel_.form(ctl::setup::Window)(id, index);
}

void MidiPortSetup::MIDI_DEVICES_ACK() {
    ConsoleState& st = state_;
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
    st.MidiOutNoDevice = scan(paced_, setupControl(ctl::setup::outputDevcombo));
    st.MidiIn1NoDevice = scan(in1_, setupControl(ctl::setup::InputDev1Combo));
    st.MidiIn2NoDevice = scan(in2_, setupControl(ctl::setup::InputDev2Combo));
}

void MidiPortSetup::setFilters(MidiInputPort& port) {
    const ConsoleState& st = state_;
    for (size_t i = 0; i < midi::kFilterStatus.size(); ++i)
        port.setFilter(midi::kFilterStatus[i], st.InputFilter[i]);
}

void MidiPortSetup::openInput(MidiInputPort& port, int device) {
    port.selectDevice(device);
    setFilters(port);
    port.open();
}

void MidiPortSetup::MIDI_OPENING() {
    ConsoleState& st = state_;
    try {
        if (st.MidiIn1Device != st.MidiIn1NoDevice)
            openInput(in1_, st.MidiIn1Device);
        if (st.MidiIn2Device != st.MidiIn2NoDevice)
            openInput(in2_, st.MidiIn2Device);
        if (st.MidiOutDevice != st.MidiOutNoDevice) {
            paced_.selectDevice(st.MidiOutDevice);
            paced_.open();
        }
    } catch (const MidiPortError&) {
        dialogs_.message(
            QStringLiteral(" MIDI DEVICES CONFIGURATIONS NOT VALID, NOW! PLEASE CHECK IT BY "
                           "SETUP MENU"),
            st.ProgramTitle, Dialogs::Icon::Critical);
    }
}

void MidiPortSetup::CHIUSURA_PORTE_MIDI() {
    const ConsoleState& st = state_;
    if (st.MidiIn1Device != st.MidiIn1NoDevice)
        in1_.close();
    if (st.MidiIn2Device != st.MidiIn2NoDevice)
        in2_.close();
    if (st.MidiOutDevice != st.MidiOutNoDevice)
        paced_.close();
}

void MidiPortSetup::takeBuiltInChoice(bool configurationRead) {
    ConsoleState& st = state_;
    const int builtIn = paced_.builtInDeviceIndex();
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
    ConsoleState& st = state_;
    const int builtIn = paced_.builtInDeviceIndex();
    if (builtIn < 0)
        return;
    // A settings file that cannot be written costs only the choice across a change of devices.
    SettingsFile(st.AppDir).setValue(kBuiltInChosen, st.MidiOutDevice == builtIn);
}

void MidiPortSetup::selectListEntries() {
    const ConsoleState& st = state_;
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
    ConsoleState& st = state_;
    // A port's settings are only changed while it is closed.
    CHIUSURA_PORTE_MIDI();
    if (!st.DeviceListFresh)
        MIDI_DEVICES_ACK();
    st.DeviceListFresh = false;
    Form& setup = panel_.form(ctl::setup::Window);
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
    const int baud = paced_.wireSpeed();
    wire.clearItems();
    wire.addItem(kWireOff);
    wire.addItem(kWireDin);
    if (baud != 0 && baud != PacedOutputPort::kDinBaud)
        wire.addItem(QStringLiteral("Custom (%1 baud)").arg(baud));
    wire.setListIndex(baud == 0 ? 0 : baud == PacedOutputPort::kDinBaud ? 1 : 2);
    setup.bringToFront();
}

void MidiPortSetup::Form_Load() {
    ConsoleState& st = state_;
    Form& setup = panel_.form(ctl::setup::Window);
    setup.setLoaded(true);
    setup.setPicture(st.appFile(QStringLiteral("light.ico")));
    if (!std::isnan(setup.width()) && !std::isnan(setup.height())) {
        setup.setLeft((screen_.screenWidthTwips() - setup.width()) / 2);
        setup.setTop((screen_.screenHeightTwips() - setup.height()) / 2);
    }
}

bool MidiPortSetup::setWireSpeed(int baud, QString* error) {
    paced_.setWireSpeed(baud);
    return SettingsFile(state_.AppDir).setValue(kWireSpeedKey, paced_.wireSpeed(), error);
}

template <typename Port>
void MidiPortSetup::selectChosenDevice(Control& list, Port& port, int noDevice) {
    const int i = list.listIndex();
    if (i < 0 || i == noDevice)
        return;
    try {
        port.selectDevice(i);
    } catch (const MidiPortError& e) {
        dialogs_.message(e.text(), state_.ProgramTitle, Dialogs::Icon::None);
    }
}

void MidiPortSetup::InputDev1Combo_Click() {
    selectChosenDevice(setupControl(ctl::setup::InputDev1Combo), in1_, state_.MidiIn1NoDevice);
}

void MidiPortSetup::InputDev2Combo_Click() {
    selectChosenDevice(setupControl(ctl::setup::InputDev2Combo), in2_, state_.MidiIn2NoDevice);
}

void MidiPortSetup::outputDevcombo_Click() {
    selectChosenDevice(setupControl(ctl::setup::outputDevcombo), paced_, state_.MidiOutNoDevice);
}

void MidiPortSetup::Check_Filters_Click(int index) {
    state_.InputFilter[static_cast<size_t>(index)] =
        setupControl(ctl::setup::Check_Filters, index).value() != 0;
}

void MidiPortSetup::Slider1_Scroll() {
    ConsoleState& st = state_;
    st.SysexDelay = static_cast<int16_t>(setupControl(ctl::setup::Slider1).value());
    setupControl(ctl::setup::UserDelay).setCaption(QString::number(st.SysexDelay));
}

void MidiPortSetup::Slider2_Scroll() {
    ConsoleState& st = state_;
    st.NoteDelay = static_cast<int16_t>(setupControl(ctl::setup::Slider2).value());
    setupControl(ctl::setup::Label_hang).setCaption(QString::number(st.NoteDelay));
}

void MidiPortSetup::Command1_Click() {
    ConsoleState& st = state_;
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
            dialogs_.message(e.text(), st.ProgramTitle, Dialogs::Icon::None);
        }
    };
    const int wire = setupControl(ctl::setup::WireSpeedCombo).listIndex();
    if (wire == 0 || wire == 1) {
        QString failure;
        if (!setWireSpeed(wire == 0 ? 0 : PacedOutputPort::kDinBaud, &failure))
            dialogs_.message(QStringLiteral("The wire speed could not be saved: %1").arg(failure),
                             st.ProgramTitle, Dialogs::Icon::Exclamation);
    }
    tryOpen(in1, st.MidiIn1NoDevice, [&] { openInput(in1_, in1); });
    tryOpen(in2, st.MidiIn2NoDevice, [&] { openInput(in2_, in2); });
    tryOpen(out, st.MidiOutNoDevice, [&] {
        paced_.selectDevice(out);
        paced_.open();
    });
    st.MidiIn1Device = static_cast<int16_t>(in1 >= 0 ? in1 : st.MidiIn1NoDevice);
    st.MidiIn2Device = static_cast<int16_t>(in2 >= 0 ? in2 : st.MidiIn2NoDevice);
    st.MidiOutDevice = static_cast<int16_t>(out >= 0 ? out : st.MidiOutNoDevice);
    rememberBuiltInChoice();
    Fine_Setup();
    closeWindow();
}

void MidiPortSetup::Command3_Click() {
    ConsoleState& st = state_;
    MIDI_OPENING();
    st.SysexDelay = SavedSysexDelay;
    st.NoteDelay = SavedNoteDelay;
    closeWindow();
    update_.AGGIORNAMENTO_VORLO();
}

void MidiPortSetup::closeWindow() {
    Form& setup = panel_.form(ctl::setup::Window);
    setup.setVisible(false);
    setup.setLoaded(false);
}

void MidiPortSetup::Fine_Setup() {
    reset_.Fine_Setup();
}

} // namespace vorlo
