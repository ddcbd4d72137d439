#include "MidiPortSetup.h"

#include "ConsoleForms.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "MidiDevices.h"
#include "PacedOutputPort.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "SetupWindowControls.h"

#include <cmath>
#include <functional>
#include <iterator>

namespace vorlo {
namespace {

// The wire speed list: off, a MIDI cable, and the custom speed of the settings file if any.
const QString kWireOff = QStringLiteral("Off");
const QString kWireDin = QStringLiteral("MIDI cable (31,250 baud)");

} // namespace

MidiPortSetup::MidiPortSetup(const ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                             ScreenMetrics& screen, MidiDevices& devices, ConsoleUpdate& update,
                             ConsoleReset& reset)
    : state_(state), panel_(panel), dialogs_(dialogs), screen_(screen), devices_(devices),
      update_(update), reset_(reset) {
    setupControl(ctl::setup::Command1).onClick = [this] { Command1_Click(); };
    setupControl(ctl::setup::Command3).onClick = [this] { Command3_Click(); };
    setupControl(ctl::setup::Refresh).onClick = [this] { Refresh_Click(); };
    setupControl(ctl::setup::InputDev1Combo).onClick = [this] { InputDev1Combo_Click(); };
    setupControl(ctl::setup::InputDev2Combo).onClick = [this] { InputDev2Combo_Click(); };
    setupControl(ctl::setup::outputDevcombo).onClick = [this] { outputDevcombo_Click(); };
    setupControl(ctl::setup::Slider1).onScroll = [this] { Slider1_Scroll(); };
    setupControl(ctl::setup::Slider2).onScroll = [this] { Slider2_Scroll(); };
    for (int i = 0; i < 8; ++i)
        setupControl(ctl::setup::Check_Filters, i).onClick = [this, i] { Check_Filters_Click(i); };
    // Closing the window with its close box works like CANCEL.
    panel_.form(ctl::setup::Window).onQueryUnload = [this] {
        Command3_Click();
        return false;
    };
    panel_.form(ctl::main::Window)(ctl::main::SetMidi).onClick = [this] { SetMidi_Click(); };
}

Control& MidiPortSetup::setupControl(const ControlId& id) {
    return panel_.form(ctl::setup::Window)(id);
}

Control& MidiPortSetup::setupControl(const ControlArrayId& id, int index) {
    return panel_.form(ctl::setup::Window)(id, index);
}

namespace {

struct DeviceList {
    const ControlId& list;
    MidiPort port;
};
const DeviceList kDeviceLists[] = {{ctl::setup::InputDev1Combo, MidiPort::Input1},
                                   {ctl::setup::InputDev2Combo, MidiPort::Input2},
                                   {ctl::setup::outputDevcombo, MidiPort::Output}};

} // namespace

void MidiPortSetup::showDevices() {
    for (const auto& l : kDeviceLists) {
        Control& list = setupControl(l.list);
        list.clearItems();
        for (const QString& name : devices_.deviceNames(l.port))
            list.addItem(name);
    }
    // A stored index that the (shorter) list cannot take ends the selection there.
    for (const auto& l : kDeviceLists) {
        Control& list = setupControl(l.list);
        const int device = devices_.choice(l.port).index;
        if (device < 0 || device >= list.items().size())
            return;
        list.setListIndex(device);
    }
}

void MidiPortSetup::fillLists(const QString (&selected)[3]) {
    for (size_t i = 0; i < std::size(kDeviceLists); ++i) {
        const DeviceList& l = kDeviceLists[i];
        Control& list = setupControl(l.list);
        list.clearItems();
        const QStringList& names = devices_.deviceNames(l.port);
        for (const QString& name : names)
            list.addItem(name);
        const qsizetype at = names.indexOf(selected[i]);
        // Shown, not chosen: the port keeps the device it was given, which is known by name.
        std::function<void()> handler = std::move(list.onClick);
        list.onClick = nullptr;
        list.setListIndex(at >= 0 ? static_cast<int>(at) : devices_.noDeviceIndex(l.port));
        list.onClick = std::move(handler);
    }
}

void MidiPortSetup::deviceListRead() {
    Form& setup = panel_.form(ctl::setup::Window);
    if (!setup.isLoaded() || !setup.isVisible())
        return;
    QString selected[3];
    for (size_t i = 0; i < std::size(kDeviceLists); ++i) {
        const Control& list = setupControl(kDeviceLists[i].list);
        const int index = list.listIndex();
        if (index >= 0 && index < list.items().size())
            selected[i] = list.items()[index];
    }
    fillLists(selected);
}

void MidiPortSetup::Refresh_Click() {
    devices_.scanForSetUp();
}

void MidiPortSetup::SetMidi_Click() {
    devices_.CHIUSURA_PORTE_MIDI();
    devices_.scanForSetUp();
    Form& setup = panel_.form(ctl::setup::Window);
    if (!setup.isLoaded())
        Form_Load();
    showDevices();
    const int noteDelay = devices_.noteDelay();
    const int sysexDelay = devices_.sysexDelay();
    setupControl(ctl::setup::Label_hang).setCaption(QString::number(noteDelay));
    setupControl(ctl::setup::Slider2).setValue(noteDelay);
    setupControl(ctl::setup::UserDelay).setCaption(QString::number(sysexDelay));
    setupControl(ctl::setup::Slider1).setValue(sysexDelay);
    SavedSysexDelay = sysexDelay;
    SavedNoteDelay = noteDelay;
    for (int i = 0; i < 8; ++i)
        setupControl(ctl::setup::Check_Filters, i).setValue(devices_.filter(i) ? 1 : 0);
    Control& wire = setupControl(ctl::setup::WireSpeedCombo);
    const int baud = devices_.wireSpeed();
    wire.clearItems();
    wire.addItem(kWireOff);
    wire.addItem(kWireDin);
    if (baud != 0 && baud != PacedOutputPort::kDinBaud)
        wire.addItem(QStringLiteral("Custom (%1 baud)").arg(baud));
    wire.setListIndex(baud == 0 ? 0 : baud == PacedOutputPort::kDinBaud ? 1 : 2);
    setup.bringToFront();
}

void MidiPortSetup::Form_Load() {
    Form& setup = panel_.form(ctl::setup::Window);
    setup.setLoaded(true);
    setup.setPicture(state_.appFile(QStringLiteral("light.ico")));
    if (!std::isnan(setup.width()) && !std::isnan(setup.height())) {
        setup.setLeft((screen_.screenWidthTwips() - setup.width()) / 2);
        setup.setTop((screen_.screenHeightTwips() - setup.height()) / 2);
    }
}

void MidiPortSetup::InputDev1Combo_Click() {
    devices_.select(MidiPort::Input1, setupControl(ctl::setup::InputDev1Combo).listIndex());
}

void MidiPortSetup::InputDev2Combo_Click() {
    devices_.select(MidiPort::Input2, setupControl(ctl::setup::InputDev2Combo).listIndex());
}

void MidiPortSetup::outputDevcombo_Click() {
    devices_.select(MidiPort::Output, setupControl(ctl::setup::outputDevcombo).listIndex());
}

void MidiPortSetup::Check_Filters_Click(int index) {
    devices_.setFilter(index, setupControl(ctl::setup::Check_Filters, index).value() != 0);
}

void MidiPortSetup::Slider1_Scroll() {
    devices_.setSysexDelay(setupControl(ctl::setup::Slider1).value());
    setupControl(ctl::setup::UserDelay).setCaption(QString::number(devices_.sysexDelay()));
}

void MidiPortSetup::Slider2_Scroll() {
    devices_.setNoteDelay(setupControl(ctl::setup::Slider2).value());
    setupControl(ctl::setup::Label_hang).setCaption(QString::number(devices_.noteDelay()));
}

void MidiPortSetup::Command1_Click() {
    const int in1 = setupControl(ctl::setup::InputDev1Combo).listIndex();
    const int in2 = setupControl(ctl::setup::InputDev2Combo).listIndex();
    const int out = setupControl(ctl::setup::outputDevcombo).listIndex();
    const int wire = setupControl(ctl::setup::WireSpeedCombo).listIndex();
    if (wire == 0 || wire == 1) {
        QString failure;
        if (!devices_.setWireSpeed(wire == 0 ? 0 : PacedOutputPort::kDinBaud, &failure))
            dialogs_.message(QStringLiteral("The wire speed could not be saved: %1").arg(failure),
                             state_.ProgramTitle, Dialogs::Icon::Exclamation);
    }
    devices_.useDevices(in1, in2, out);
    Fine_Setup();
    closeWindow();
}

void MidiPortSetup::Command3_Click() {
    devices_.MIDI_OPENING();
    devices_.setSysexDelay(SavedSysexDelay);
    devices_.setNoteDelay(SavedNoteDelay);
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
