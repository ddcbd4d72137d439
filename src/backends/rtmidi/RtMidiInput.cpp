#include "RtMidiInput.h"

#include "RtMidiBackend.h"

namespace vorlo {

RtMidiInput::RtMidiInput(RtMidi::Api api, const QString& portName, const QString& unavailableReason,
                         QObject* parent)
    : MidiInputPort(parent), link_(RtMidiDeviceLink::Direction::Input, portName) {
    QString reason = unavailableReason;
    if (!makeMidi(api, reason)) {
        link_.setUnavailable(reason);
        reportError(RtMidiBackend::NoMidiSystem, link_.noMidiSystemText());
    }
    watch_.setInterval(RtMidiDeviceLink::kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &RtMidiInput::watchDevice);
}

bool RtMidiInput::makeMidi(RtMidi::Api api, QString& reason) {
    if (!RtMidiSystemPort::makeMidi(midi_, link_, api, reason))
        return false;
    midi_->setCallback(&RtMidiInput::onMidi, this);
    // Everything comes through, system-exclusive included: the port's byte parser swallows
    // system-exclusive itself, so that a piece of one arriving on its own is never taken for
    // notes, and the console's own filters judge clock, time code and active sensing.
    midi_->ignoreTypes(false, false, false);
    return true;
}

void RtMidiInput::dropSystem(const QString& reason) {
    letGoOfSystem(midi_, link_, reason, [this] { loseDevice(); });
}

void RtMidiInput::attachSystem(RtMidi::Api api) {
    if (midi_)
        return;
    QString reason;
    makeMidi(api, reason);
}

RtMidiInput::~RtMidiInput() {
    // Closed without closing(): whoever listened may be gone already.
    disconnectDevice();
    // Ends RtMidi's thread (and its use of the trap) before the link goes.
    midi_.reset();
}

void RtMidiInput::onMidi(double, std::vector<unsigned char>* message, void* port) {
    auto* self = static_cast<RtMidiInput*>(port);
    if (message != nullptr && !message->empty() && self->accepting_.load(std::memory_order_acquire))
        self->receive(message->data(), message->size());
}

int RtMidiInput::deviceCount() {
    return link_.deviceCount();
}

QString RtMidiInput::deviceName(int index) {
    return link_.deviceName(index);
}

void RtMidiInput::selectDevice(int index) {
    link_.select(index);
}

void RtMidiInput::open() {
    close();
    // Accept from the start: the first message may follow the connection at once.
    accepting_.store(true, std::memory_order_release);
    try {
        link_.open();
    } catch (...) {
        accepting_.store(false, std::memory_order_release);
        throw;
    }
    watch_.start();
}

void RtMidiInput::close() {
    if (link_.isOpen())
        emit closing();
    disconnectDevice();
    clearQueue();
}

void RtMidiInput::disconnectDevice() {
    watch_.stop();
    accepting_.store(false, std::memory_order_release);
    link_.close();
}

void RtMidiInput::watchDevice() {
    if (!link_.isOpen()) {
        watch_.stop();
        return;
    }
    QString text;
    if (link_.takeLateError(text))
        reportError(RtMidiBackend::SystemError, text);
    if (!link_.deviceStillThere())
        loseDevice();
}

void RtMidiInput::loseDevice() {
    const QString device = link_.openDevice();
    // What arrived before the device went stays queued for the console to read.
    disconnectDevice();
    reportDeviceLost(
        RtMidiBackend::DeviceGone,
        QStringLiteral("The MIDI input device \"%1\" is no longer available").arg(device));
}

} // namespace vorlo
