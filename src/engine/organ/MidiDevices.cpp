#include "MidiDevices.h"

#include "ConsoleListener.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "DeviceNameMatch.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiPortError.h"
#include "MidiSystemWatch.h"
#include "PacedOutputPort.h"
#include "SettingsFile.h"
#include "StartupProblems.h"

#include <QTimer>

#include <utility>

namespace vorlo {
namespace {

const QString kNoDevice = QStringLiteral("No device");
// True in the settings file while the player's output is the built-in synthesizer.
const QString kBuiltInChosen = QStringLiteral("Synth/BuiltInSelected");
// The device each port uses, by name ("No device" for none), in the settings file.
const QString kWantedKeys[] = {QStringLiteral("Devices/Keyboard1"),
                               QStringLiteral("Devices/Keyboard2"),
                               QStringLiteral("Devices/Module")};
// The output's wire speed in baud (0 = off), in the settings file.
const QString kWireSpeedKey = QStringLiteral("Output/WireSpeed");
// The stored choices no longer open (start-up, or the set-up cancelled).
const QString kChoicesNotValid =
    QStringLiteral(" MIDI DEVICES CONFIGURATIONS NOT VALID, NOW! PLEASE CHECK IT BY SETUP MENU");
// How long after a port lost its device the lists are read again: longer than a watch takes
// to notice the change, so the device that went is no longer listed.
constexpr int kRecheckAfterLossMs = 500;
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
                         MidiInputPort& in1, MidiInputPort& in2, PacedOutputPort& output,
                         MidiSystemWatch* watch, ConsoleReset& reset, StartupProblems& problems)
    : state_(state), dialogs_(dialogs), events_(events), in1_(in1), in2_(in2), paced_(output),
      watch_(watch), reset_(reset), problems_(problems) {
    paced_.setWireSpeed(PacedOutputPort::parseWireSpeed(
        SettingsFile(state_.AppDir).value(kWireSpeedKey), PacedOutputPort::kDinBaud));
    connectPortErrors();
    connectWatch();
}

QString MidiDevices::portTitle(MidiPort port) {
    switch (port) {
    case MidiPort::Input1:
        return QStringLiteral("Keyboard 1");
    case MidiPort::Input2:
        return QStringLiteral("Keyboard 2");
    case MidiPort::Output:
        break;
    }
    return QStringLiteral("Module");
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
    if (wantedKnown_)
        placeChoices(false);
    events_.deviceListRead();
    events_.devicesChanged();
}

void MidiDevices::scanForSetUp() {
    // Devices come and go while the console runs: the set-up always shows them as they are.
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

MidiDevices::Status MidiDevices::status(MidiPort port) const {
    const size_t i = slot(port);
    Status s;
    s.device = openName_[i].isEmpty() ? wanted_[i] : openName_[i];
    const bool connected = port == MidiPort::Input1   ? in1_.isOpen()
                           : port == MidiPort::Input2 ? in2_.isOpen()
                                                      : paced_.isOpen();
    if (connected)
        s.presence = Presence::Connected;
    else if (wanted_[i] == kNoDevice || (wanted_[i].isEmpty() && chosen(port) == noDevice(port)))
        s.presence = Presence::Unused;
    else
        s.presence = Presence::Absent;
    if (s.presence == Presence::Unused)
        s.device.clear();
    return s;
}

bool MidiDevices::isOpen(MidiPort port) {
    return onPort(port, [](auto& p) { return p.isOpen(); });
}

void MidiDevices::close(MidiPort port) {
    onPort(port, [](auto& p) { p.close(); });
    openName_[slot(port)].clear();
}

void MidiDevices::open(MidiPort port, int device) {
    onPort(port, [device](auto& p) { p.selectDevice(device); });
    if (port != MidiPort::Output) {
        MidiInputPort& in = port == MidiPort::Input1 ? in1_ : in2_;
        for (size_t i = 0; i < midi::kFilterStatus.size(); ++i)
            in.setFilter(midi::kFilterStatus[i], state_.InputFilter[i]);
    }
    onPort(port, [](auto& p) { p.open(); });
    const QStringList& names = names_[slot(port)];
    openName_[slot(port)] = device >= 0 && device < names.size() ? names[device] : QString();
    lostReported_[slot(port)] = false;
}

void MidiDevices::MIDI_OPENING() {
    bool told = false;
    for (MidiPort port : kOpeningOrder) {
        if (chosen(port) == noDevice(port))
            continue;
        try {
            open(port, chosen(port));
        } catch (const MidiPortError& e) {
            if (problems_.add(problemOf(port, e.text(), true)) || std::exchange(told, true))
                continue;
            reportFailure(port, kChoicesNotValid, Dialogs::Icon::Critical);
        }
    }
    following_ = true;
    events_.devicesChanged();
}

bool MidiDevices::builtInChosen() const {
    const int builtIn = paced_.builtInDeviceIndex();
    return builtIn >= 0 && state_.MidiOutDevice == builtIn;
}

bool MidiDevices::noMidiSystem() const {
    return watch_ && !watch_->systemAvailable();
}

StartupProblem MidiDevices::problemOf(MidiPort port, const QString& text, bool opening) const {
    if (port == MidiPort::Output && builtInChosen() && (opening || !noMidiSystem()))
        return {QStringLiteral("Built-in synthesizer"), text,
                QStringLiteral("Start a sound server (PulseAudio, PipeWire or JACK), or choose "
                               "another audio driver or SoundFont in the sound set-up. The "
                               "panel works meanwhile, without sound."),
                SetupPage::Sound};
    if (noMidiSystem())
        return {QStringLiteral("MIDI system"), text,
                QStringLiteral("Start a JACK server or choose another MIDI system: the console "
                               "finds it by itself as soon as it runs. Meanwhile the on-screen "
                               "keyboard plays the organ."),
                SetupPage::OnScreenKeyboard};
    return {portTitle(port), text,
            QStringLiteral("Check that it is connected and switched on, or choose another "
                           "device in the MIDI devices set-up."),
            SetupPage::MidiDevices};
}

void MidiDevices::reviewStart(bool configurationRead) {
    if (noMidiSystem() && !problems_.has(QStringLiteral("MIDI system"))) {
        const QString why = watch_->unavailableReason();
        problems_.add(problemOf(MidiPort::Input1,
                                why.isEmpty()
                                    ? QStringLiteral("No MIDI system available.")
                                    : QStringLiteral("No MIDI system available (%1)").arg(why),
                                false));
    }
    const bool sounds = paced_.isOpen();
    const bool noKeyboard = status(MidiPort::Input1).presence == Presence::Unused &&
                            status(MidiPort::Input2).presence == Presence::Unused;
    const int keyboardsThere = noDevice(MidiPort::Input1);
    if (!configurationRead && noKeyboard && keyboardsThere > 0) {
        // A first start with keyboards connected: which is which is for the player to say.
        QString advice =
            QStringLiteral("Choose your keyboards in the MIDI devices set-up (connected: %1).")
                .arg(names_[slot(MidiPort::Input1)]
                         .mid(0, keyboardsThere)
                         .join(QStringLiteral(", ")));
        if (sounds)
            advice += QStringLiteral(" Until then the on-screen keyboard plays the organ.");
        problems_.add({QStringLiteral("Devices"),
                       QStringLiteral("Midi devices are unassigned : go to Setup !"), advice,
                       SetupPage::MidiDevices});
    } else if (noKeyboard && sounds) {
        notice(QStringLiteral("No MIDI keyboard is chosen: the on-screen keyboard (Setup menu) "
                              "plays the organ."));
    }
}

void MidiDevices::CHIUSURA_PORTE_MIDI() {
    following_ = false;
    for (MidiPort port : kOpeningOrder)
        if (chosen(port) != noDevice(port) || isOpen(port))
            close(port);
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
    for (const auto& [port, device] : choices) {
        chosen(port) = static_cast<int16_t>(device >= 0 ? device : noDevice(port));
        const QStringList& names = names_[slot(port)];
        wanted_[slot(port)] = device >= 0 && device < noDevice(port) && device < names.size()
                                  ? names[device]
                                  : kNoDevice;
        storeWanted(port);
    }
    wantedKnown_ = true;
    following_ = true;
    rememberBuiltInChoice();
    events_.devicesChanged();
}

bool MidiDevices::outputIsBuiltIn() {
    const int builtIn = paced_.builtInDeviceIndex();
    return builtIn >= 0 && chosen(MidiPort::Output) == builtIn;
}

bool MidiDevices::reopenOutput(QString* error) {
    const MidiPort port = MidiPort::Output;
    const size_t i = slot(port);
    const int device = chosen(port);
    close(port);
    if (device < 0 || device == noDevice(port) || device >= names_[i].size()) {
        events_.devicesChanged();
        return true;
    }
    // The device's name tells its settings: the choice follows it to its new name.
    const QString before = names_[i][device];
    try {
        names_[i][device] = paced_.deviceName(device);
    } catch (const MidiPortError&) {
        // The old name stays listed.
    }
    if (wanted_[i] == before && names_[i][device] != before) {
        wanted_[i] = names_[i][device];
        storeWanted(port);
    }
    events_.deviceListRead();
    bool opened = true;
    try {
        open(port, device);
    } catch (const MidiPortError& e) {
        opened = false;
        if (error)
            *error = e.text();
    }
    if (opened)
        reset_.restoreModule();
    events_.devicesChanged();
    return opened;
}

void MidiDevices::findStoredDevices(bool configurationRead) {
    ConsoleState& st = state_;
    SettingsFile settings(st.AppDir);
    for (MidiPort port : kOpeningOrder) {
        const QVariant stored = settings.value(kWantedKeys[slot(port)]);
        wanted_[slot(port)] = stored.isValid() ? stored.toString() : QString();
    }
    const int builtIn = paced_.builtInDeviceIndex();
    if (builtIn >= 0) {
        const bool builtInChosen = settings.value(kBuiltInChosen, false).toBool();
        QString& output = wanted_[slot(MidiPort::Output)];
        if (!configurationRead || builtInChosen) {
            st.MidiOutDevice = static_cast<int16_t>(builtIn);
            output = names_[slot(MidiPort::Output)].value(builtIn);
            if (!builtInChosen)
                settings.setValue(kBuiltInChosen, true);
        } else if (output.isEmpty() && st.MidiOutDevice == builtIn) {
            st.MidiOutDevice = st.MidiOutNoDevice;
        }
    }
    wantedKnown_ = true;
    placeChoices(true);
}

void MidiDevices::placeChoices(bool tell) {
    for (MidiPort port : kOpeningOrder) {
        const size_t i = slot(port);
        const QStringList& names = names_[i];
        const int count = noDevice(port);
        QString& wanted = wanted_[i];
        if (wanted == kNoDevice) {
            chosen(port) = noDevice(port);
            continue;
        }
        if (wanted.isEmpty()) {
            // A configuration without names: the number decides, as it always did, and the
            // device found there is known by its name from now on.
            const int n = chosen(port);
            if (n >= 0 && n < count && n < names.size()) {
                wanted = names[n];
                storeWanted(port);
            }
            continue;
        }
        const DeviceNameMatch::Found found =
            DeviceNameMatch::find(names, count, wanted, chosen(port));
        if (found.index < 0) {
            if (tell) {
                notice(QStringLiteral("%1 \"%2\" is not connected: it opens when it appears.")
                           .arg(portTitle(port), wanted));
                if (!noMidiSystem())
                    problems_.add({portTitle(port),
                                   QStringLiteral("\"%1\" is not connected.").arg(wanted),
                                   QStringLiteral("Connect it and switch it on: the console opens "
                                                  "it as soon as it appears. Or choose another "
                                                  "device in the MIDI devices set-up."),
                                   SetupPage::MidiDevices});
            }
            chosen(port) = noDevice(port);
            continue;
        }
        if (tell && found.how == DeviceNameMatch::How::Loose)
            notice(QStringLiteral("%1 \"%2\" is used under its new name \"%3\".")
                       .arg(portTitle(port), wanted, names[found.index]));
        else if (tell && found.index != chosen(port))
            notice(QStringLiteral("%1 \"%2\" is now number %3 in the list (was %4).")
                       .arg(portTitle(port), wanted)
                       .arg(found.index)
                       .arg(chosen(port)));
        chosen(port) = static_cast<int16_t>(found.index);
    }
}

void MidiDevices::storeWanted(MidiPort port) {
    // A settings file that cannot be written costs only finding the device by name next time.
    SettingsFile(state_.AppDir).setValue(kWantedKeys[slot(port)], wanted_[slot(port)]);
}

void MidiDevices::follow() {
    // Opening the module sends its reset, whose pauses let events run: a change that comes
    // meanwhile is followed once this one is done.
    if (followRunning_) {
        followAgain_ = true;
        return;
    }
    followRunning_ = true;
    do {
        followAgain_ = false;
        MIDI_DEVICES_ACK();
        if (!following_)
            break;
        for (MidiPort port : kOpeningOrder) {
            const size_t i = slot(port);
            const int device = chosen(port) != noDevice(port) ? chosen(port) : -1;
            const QString name = device >= 0 ? names_[i].value(device) : QString();
            const bool wasOpen = isOpen(port);
            if (wasOpen && name == openName_[i])
                continue;
            if (wasOpen) {
                // Its device went (or another took its place): the port lets it go; a
                // keyboard's held notes are released as it closes.
                const QString gone = openName_[i];
                close(port);
                notice(QStringLiteral("%1 \"%2\" is gone: it reopens when it is back.")
                           .arg(portTitle(port), gone));
            }
            if (device < 0)
                continue;
            try {
                open(port, device);
            } catch (const MidiPortError& e) {
                notice(e.text());
                continue;
            }
            notice(QStringLiteral("%1 \"%2\" is connected.").arg(portTitle(port), name));
            if (port == MidiPort::Output)
                reset_.restoreModule();
        }
    } while (followAgain_);
    followRunning_ = false;
    events_.devicesChanged();
}

void MidiDevices::systemLost() {
    for (MidiPort port : kOpeningOrder)
        openName_[slot(port)].clear();
    notice(QStringLiteral("The MIDI system has stopped; the console waits for it."));
    events_.devicesChanged();
}

void MidiDevices::systemBack() {
    notice(QStringLiteral("The MIDI system is back."));
    follow();
}

void MidiDevices::notice(const QString& text) {
    events_.deviceNotice(text);
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

void MidiDevices::reportFailure(MidiPort port, const QString& text, Dialogs::Icon icon) {
    if (problems_.add(problemOf(port, text, false)))
        return;
    if (noMidiSystem()) {
        // Without a MIDI system every port fails alike: the status line says so, and the
        // console looks for the system by itself.
        notice(text);
        return;
    }
    dialogs_.message(text, state_.ProgramTitle, icon);
}

void MidiDevices::connectPortErrors() {
    // A device that went away is news for the status, not a question: the error a port raises
    // right after its deviceLost() is shown as a notice. Input errors 0 and 8 are routine
    // notices of the port; every other input error, and every output error, is told to the
    // player and the console carries on.
    auto lost = [this](MidiPort port) {
        return [this, port] {
            lostReported_[slot(port)] = true;
            openName_[slot(port)].clear();
            events_.devicesChanged();
            // A device unplugged and plugged again within one of the watch's looks leaves its
            // lists as they were: the lists are read again a moment later all the same.
            QTimer::singleShot(kRecheckAfterLossMs, &connections_, [this] { follow(); });
        };
    };
    auto portError = [this](MidiPort port) {
        return [this, port](int code, const QString& text) {
            if (std::exchange(lostReported_[slot(port)], false)) {
                notice(text);
                return;
            }
            if (port != MidiPort::Output)
                for (int routine : kInputNoticeCodes)
                    if (code == routine)
                        return;
            reportFailure(port, text, Dialogs::Icon::None);
        };
    };
    QObject::connect(&in1_, &MidiInputPort::deviceLost, &connections_, lost(MidiPort::Input1));
    QObject::connect(&in2_, &MidiInputPort::deviceLost, &connections_, lost(MidiPort::Input2));
    QObject::connect(&paced_, &MidiOutputPort::deviceLost, &connections_, lost(MidiPort::Output));
    QObject::connect(&in1_, &MidiInputPort::error, &connections_, portError(MidiPort::Input1));
    QObject::connect(&in2_, &MidiInputPort::error, &connections_, portError(MidiPort::Input2));
    QObject::connect(&paced_, &MidiOutputPort::error, &connections_, portError(MidiPort::Output));
}

void MidiDevices::connectWatch() {
    if (!watch_)
        return;
    QObject::connect(watch_, &MidiSystemWatch::devicesChanged, &connections_, [this] { follow(); });
    QObject::connect(watch_, &MidiSystemWatch::systemLost, &connections_, [this] { systemLost(); });
    QObject::connect(watch_, &MidiSystemWatch::systemBack, &connections_, [this] { systemBack(); });
}

} // namespace vorlo
