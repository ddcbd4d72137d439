#include "MidiDevices.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiPortError.h"
#include "PacedOutputPort.h"
#include "SettingsFile.h"

namespace vorlo {
namespace {

const QString kNoDevice = QStringLiteral("No device");
// True in the settings file while the player's output is the built-in synthesizer.
const QString kBuiltInChosen = QStringLiteral("Synth/BuiltInSelected");
// The output's wire speed in baud (0 = off), in the settings file.
const QString kWireSpeedKey = QStringLiteral("Output/WireSpeed");
// The stored choices no longer open (start-up, or the set-up cancelled).
const QString kChoicesNotValid =
    QStringLiteral(" MIDI DEVICES CONFIGURATIONS NOT VALID, NOW! PLEASE CHECK IT BY SETUP MENU");
// Input error codes that are routine notices of the port, not failures.
constexpr int kInputNoticeCodes[] = {0, 8};

// The order in which the ports are opened and closed.
constexpr MidiPort kOpeningOrder[] = {MidiPort::Input1, MidiPort::Input2, MidiPort::Output};
// The order in which the scan lists them.
constexpr MidiPort kScanOrder[] = {MidiPort::Output, MidiPort::Input1, MidiPort::Input2};

size_t slot(MidiPort port) {
    return static_cast<size_t>(port);
}

} // namespace

MidiDevices::MidiDevices(ConsoleState& state, Dialogs& dialogs, ConsoleListener& events,
                         MidiInputPort& in1, MidiInputPort& in2, PacedOutputPort& output)
    : state_(state), dialogs_(dialogs), events_(events), in1_(in1), in2_(in2), paced_(output) {
    paced_.setWireSpeed(PacedOutputPort::parseWireSpeed(
        SettingsFile(state_.AppDir).value(kWireSpeedKey), PacedOutputPort::kDinBaud));
    connectPortErrors();
}

template <typename F> decltype(auto) MidiDevices::onPort(MidiPort port, F&& f) {
    switch (port) {
    case MidiPort::Input1:
        return f(in1_);
    case MidiPort::Input2:
        return f(in2_);
    case MidiPort::Output:
        break;
    }
    return f(paced_);
}

int16_t& MidiDevices::chosen(MidiPort port) const {
    switch (port) {
    case MidiPort::Input1:
        return state_.MidiIn1Device;
    case MidiPort::Input2:
        return state_.MidiIn2Device;
    case MidiPort::Output:
        break;
    }
    return state_.MidiOutDevice;
}

int16_t& MidiDevices::noDevice(MidiPort port) const {
    switch (port) {
    case MidiPort::Input1:
        return state_.MidiIn1NoDevice;
    case MidiPort::Input2:
        return state_.MidiIn2NoDevice;
    case MidiPort::Output:
        break;
    }
    return state_.MidiOutNoDevice;
}

void MidiDevices::MIDI_DEVICES_ACK() {
    for (MidiPort port : kScanOrder) {
        QStringList& names = names_[slot(port)];
        names.clear();
        onPort(port, [&names](auto& p) {
            try {
                const int count = p.deviceCount();
                for (int i = 0; i < count; ++i)
                    names.append(p.deviceName(i));
            } catch (const MidiPortError&) {
                // The names found before the failure stay listed.
            }
        });
        noDevice(port) = static_cast<int16_t>(names.size());
        names.append(kNoDevice);
    }
    events_.devicesChanged();
}

void MidiDevices::scanForSetUp() {
    if (!state_.DeviceListFresh)
        MIDI_DEVICES_ACK();
    state_.DeviceListFresh = false;
}

const QStringList& MidiDevices::deviceNames(MidiPort port) const {
    return names_[slot(port)];
}

int MidiDevices::noDeviceIndex(MidiPort port) const {
    return noDevice(port);
}

DeviceChoice MidiDevices::choice(MidiPort port) const {
    const int index = chosen(port);
    const QStringList& names = names_[slot(port)];
    return {index, index >= 0 && index < names.size() ? names[index] : QString()};
}

void MidiDevices::open(MidiPort port, int device) {
    onPort(port, [device](auto& p) { p.selectDevice(device); });
    if (port != MidiPort::Output) {
        MidiInputPort& in = port == MidiPort::Input1 ? in1_ : in2_;
        for (size_t i = 0; i < midi::kFilterStatus.size(); ++i)
            in.setFilter(midi::kFilterStatus[i], state_.InputFilter[i]);
    }
    onPort(port, [](auto& p) { p.open(); });
}

void MidiDevices::MIDI_OPENING() {
    for (MidiPort port : kOpeningOrder) {
        if (chosen(port) == noDevice(port))
            continue;
        try {
            open(port, chosen(port));
        } catch (const MidiPortError&) {
            reportFailure(port, kChoicesNotValid, Dialogs::Icon::Critical);
            break;
        }
    }
    events_.devicesChanged();
}

void MidiDevices::CHIUSURA_PORTE_MIDI() {
    for (MidiPort port : kOpeningOrder)
        if (chosen(port) != noDevice(port))
            onPort(port, [](auto& p) { p.close(); });
    events_.devicesChanged();
}

void MidiDevices::select(MidiPort port, int index) {
    if (index < 0 || index == noDevice(port))
        return;
    try {
        onPort(port, [index](auto& p) { p.selectDevice(index); });
    } catch (const MidiPortError& e) {
        reportFailure(port, e.text(), Dialogs::Icon::None);
    }
}

void MidiDevices::useDevices(int input1, int input2, int output) {
    const std::pair<MidiPort, int> choices[] = {
        {MidiPort::Input1, input1}, {MidiPort::Input2, input2}, {MidiPort::Output, output}};
    for (const auto& [port, device] : choices) {
        if (device < 0 || device == noDevice(port))
            continue;
        try {
            open(port, device);
        } catch (const MidiPortError& e) {
            reportFailure(port, e.text(), Dialogs::Icon::None);
        }
    }
    for (const auto& [port, device] : choices)
        chosen(port) = static_cast<int16_t>(device >= 0 ? device : noDevice(port));
    rememberBuiltInChoice();
    events_.devicesChanged();
}

void MidiDevices::takeBuiltInChoice(bool configurationRead) {
    ConsoleState& st = state_;
    const int builtIn = paced_.builtInDeviceIndex();
    if (builtIn < 0)
        return;
    SettingsFile settings(st.AppDir);
    const bool builtInChosen = settings.value(kBuiltInChosen, false).toBool();
    if (!configurationRead || builtInChosen) {
        st.MidiOutDevice = static_cast<int16_t>(builtIn);
        if (!builtInChosen)
            settings.setValue(kBuiltInChosen, true);
    } else if (st.MidiOutDevice == builtIn) {
        st.MidiOutDevice = st.MidiOutNoDevice;
    }
}

void MidiDevices::rememberBuiltInChoice() {
    const int builtIn = paced_.builtInDeviceIndex();
    if (builtIn < 0)
        return;
    // A settings file that cannot be written costs only the choice across a change of devices.
    SettingsFile(state_.AppDir).setValue(kBuiltInChosen, state_.MidiOutDevice == builtIn);
}

bool MidiDevices::filter(int index) const {
    const auto i = static_cast<size_t>(index);
    return index >= 0 && i < state_.InputFilter.size() && state_.InputFilter[i];
}

void MidiDevices::setFilter(int index, bool reject) {
    const auto i = static_cast<size_t>(index);
    if (index >= 0 && i < state_.InputFilter.size())
        state_.InputFilter[i] = reject;
}

int MidiDevices::sysexDelay() const {
    return state_.SysexDelay;
}

void MidiDevices::setSysexDelay(int ms) {
    state_.SysexDelay = static_cast<int16_t>(ms);
}

int MidiDevices::noteDelay() const {
    return state_.NoteDelay;
}

void MidiDevices::setNoteDelay(int delay) {
    state_.NoteDelay = static_cast<int16_t>(delay);
}

int MidiDevices::wireSpeed() const {
    return paced_.wireSpeed();
}

bool MidiDevices::setWireSpeed(int baud, QString* error) {
    paced_.setWireSpeed(baud);
    return SettingsFile(state_.AppDir).setValue(kWireSpeedKey, paced_.wireSpeed(), error);
}

void MidiDevices::reportFailure(MidiPort /*port*/, const QString& text, Dialogs::Icon icon) {
    dialogs_.message(text, state_.ProgramTitle, icon);
}

void MidiDevices::connectPortErrors() {
    // Input errors 0 and 8 are routine notices of the port; every other input error, and every
    // output error, is told to the player and the console carries on.
    auto inputError = [this](MidiPort port) {
        return [this, port](int code, const QString& text) {
            for (int notice : kInputNoticeCodes)
                if (code == notice)
                    return;
            reportFailure(port, text, Dialogs::Icon::None);
        };
    };
    QObject::connect(&in1_, &MidiInputPort::error, &connections_, inputError(MidiPort::Input1));
    QObject::connect(&in2_, &MidiInputPort::error, &connections_, inputError(MidiPort::Input2));
    QObject::connect(&paced_, &MidiOutputPort::error, &connections_,
                     [this](int, const QString& text) {
                         reportFailure(MidiPort::Output, text, Dialogs::Icon::None);
                     });
}

} // namespace vorlo
