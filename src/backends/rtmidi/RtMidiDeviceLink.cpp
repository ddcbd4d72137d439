#include "RtMidiDeviceLink.h"

#include "MidiPortError.h"
#include "RtMidiBackend.h"

#include <QThread>
#include <exception>
#include <utility>

namespace vorlo {

RtMidiDeviceLink::RtMidiDeviceLink(Direction direction, QString portName)
    : direction_(direction), portName_(std::move(portName)) {}

RtMidiDeviceLink::~RtMidiDeviceLink() = default;

void RtMidiDeviceLink::attach(RtMidi* midi, RtMidi::Api api) {
    midi_ = midi;
    api_ = api;
    // A list read from another system (or from none) says nothing of this one.
    forgetList();
    if (midi_)
        midi_->setErrorCallback(&RtMidiErrorTrap::callback, &trap_);
}

void RtMidiDeviceLink::setUnavailable(const QString& reason) {
    midi_ = nullptr;
    unavailableReason_ = reason;
    forgetList();
}

void RtMidiDeviceLink::forgetList() {
    devices_.clear();
    listed_ = false;
}

QString RtMidiDeviceLink::noMidiSystemText() const {
    return QStringLiteral("No MIDI system available (%1)").arg(unavailableReason_);
}

QString RtMidiDeviceLink::kind() const {
    return direction_ == Direction::Input ? QStringLiteral("input") : QStringLiteral("output");
}

bool RtMidiDeviceLink::isOwnPort(const QString& name) {
    const QString client = name.section(QLatin1Char(':'), 0, 0);
    const QString own = QString::fromLatin1(RtMidiBackend::kClientName);
    if (client == own)
        return true;
    if (!client.startsWith(own + QLatin1Char('-')))
        return false;
    const QString number = client.mid(own.size() + 1);
    bool isNumber = false;
    number.toUInt(&isNumber);
    return isNumber;
}

QString RtMidiDeviceLink::portNameAt(unsigned number) {
    try {
        return QString::fromStdString(midi_->getPortName(number));
    } catch (const std::exception&) {
        return {};
    }
}

QStringList RtMidiDeviceLink::readPortNames() {
    // RtMidi's JACK code reads past the end of its port list when asked for a number beyond
    // it. So the names are read front to back and, when one comes back empty (a port went
    // away meanwhile and the list shrank), the list is read again from the start.
    QStringList names;
    if (!midi_)
        return names;
    for (int attempt = 0; attempt < kListAttempts; ++attempt) {
        names.clear();
        bool complete = true;
        try {
            const unsigned count = midi_->getPortCount();
            for (unsigned i = 0; i < count && complete; ++i) {
                const QString name = portNameAt(i);
                if (name.isEmpty())
                    complete = false;
                else
                    names.append(name);
            }
        } catch (const std::exception&) {
            // RtMidi throws only when no error callback is installed; keep what was read.
        }
        if (complete)
            break;
    }
    // What the listing reported (a device gone while it was read) is not a failure.
    trap_.clear();
    return names;
}

QStringList RtMidiDeviceLink::readDevices() {
    QStringList names = readPortNames();
    names.removeIf([](const QString& name) { return isOwnPort(name); });
    return names;
}

int RtMidiDeviceLink::portNumber(const QString& name) {
    if (name.isEmpty())
        return -1;
    return static_cast<int>(readPortNames().indexOf(name));
}

int RtMidiDeviceLink::deviceCount() {
    devices_ = readDevices();
    listed_ = true;
    return static_cast<int>(devices_.size());
}

QString RtMidiDeviceLink::deviceName(int index) {
    if (!listed_)
        deviceCount();
    if (index < 0 || index >= devices_.size())
        throw MidiPortError(
            RtMidiBackend::InvalidDevice,
            QStringLiteral("Invalid MIDI %1 device number %2").arg(kind()).arg(index));
    return devices_[index];
}

void RtMidiDeviceLink::select(int index) {
    selected_ = deviceName(index);
}

void RtMidiDeviceLink::open() {
    if (!midi_)
        throw MidiPortError(RtMidiBackend::NoMidiSystem, noMidiSystemText());
    if (selected_.isEmpty())
        throw MidiPortError(RtMidiBackend::NoDeviceSelected,
                            QStringLiteral("No MIDI %1 device selected").arg(kind()));
    close();
    const int number = portNumber(selected_);
    if (number < 0)
        throw MidiPortError(
            RtMidiBackend::CannotOpen,
            QStringLiteral("The MIDI %1 device \"%2\" is not available").arg(kind(), selected_));
    QString failure;
    trap_.clear();
    try {
        midi_->openPort(static_cast<unsigned>(number), portName_.toStdString());
        // RtMidi reports through the trap; its JACK ports even count as open after a failure.
        if (trap_.caught())
            failure = trap_.take();
        else if (!midi_->isPortOpen())
            failure = QStringLiteral("the MIDI system did not connect it");
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what()).trimmed();
    }
    if (!failure.isEmpty()) {
        close();
        throw MidiPortError(RtMidiBackend::CannotOpen,
                            QStringLiteral("The MIDI %1 device \"%2\" cannot be opened: %3")
                                .arg(kind(), selected_, failure));
    }
    openDevice_ = selected_;
    openNumber_ = number;
    if (api_ == RtMidi::UNIX_JACK) {
        // A new JACK connection carries data only from the server's next cycle on; what a
        // port sends before is lost, so the console's first messages (the module's reset)
        // would be. Waiting a few cycles of any usual period size is enough.
        QThread::msleep(kJackConnectionDelayMs);
    }
}

void RtMidiDeviceLink::close() {
    if (midi_) {
        try {
            midi_->closePort();
        } catch (const std::exception&) {
        }
        trap_.clear();
    }
    openDevice_.clear();
    openNumber_ = -1;
}

bool RtMidiDeviceLink::deviceStillThere() {
    if (!midi_ || openDevice_.isEmpty())
        return false;
    // Devices seldom move in the list: first look where it was.
    bool same = false;
    try {
        same = openNumber_ >= 0 && static_cast<unsigned>(openNumber_) < midi_->getPortCount() &&
               portNameAt(static_cast<unsigned>(openNumber_)) == openDevice_;
    } catch (const std::exception&) {
    }
    trap_.clear();
    if (same)
        return true;
    openNumber_ = portNumber(openDevice_);
    return openNumber_ >= 0;
}

bool RtMidiDeviceLink::takeLateError(QString& text) {
    if (!trap_.caught())
        return false;
    const bool isError = trap_.caughtError();
    text = trap_.take();
    return isError;
}

} // namespace vorlo
