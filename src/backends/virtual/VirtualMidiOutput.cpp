#include "VirtualMidiOutput.h"

#include "MidiConstants.h"
#include "MidiPortError.h"
#include "VirtualMidiBackend.h"

namespace vorlo {

VirtualMidiOutput::VirtualMidiOutput(VirtualMidiBackend& backend) : backend_(&backend) {
    backend_->registerOutput(this);
}

VirtualMidiOutput::~VirtualMidiOutput() {
    if (backend_)
        backend_->unregisterOutput(this);
}

int VirtualMidiOutput::deviceCount() {
    return backend_ ? static_cast<int>(backend_->outputDevices().size()) : 0;
}

QString VirtualMidiOutput::deviceName(int index) {
    const QStringList devices = backend_ ? backend_->outputDevices() : QStringList{};
    if (index < 0 || index >= devices.size())
        throw MidiPortError(1, QStringLiteral("Invalid MIDI output device number %1").arg(index));
    return devices[index];
}

void VirtualMidiOutput::selectDevice(int index) {
    selected_ = deviceName(index);
}

void VirtualMidiOutput::open() {
    if (selected_.isEmpty() || !backend_ || !backend_->outputDevices().contains(selected_))
        throw MidiPortError(2, QStringLiteral("No MIDI output device selected"));
    if (!backend_->opens(selected_))
        throw MidiPortError(
            3, QStringLiteral("The MIDI output device \"%1\" cannot be opened").arg(selected_));
    openDevice_ = selected_;
    open_ = true;
}

void VirtualMidiOutput::close() {
    open_ = false;
    openDevice_.clear();
}

bool VirtualMidiOutput::selectedDeviceHasWire() const {
    return backend_ && backend_->isWired(selected_);
}

void VirtualMidiOutput::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (!open_ || !backend_)
        return;
    const uint8_t bytes[3] = {status, data1, data2};
    backend_->recordSent(openDevice_, bytes, static_cast<size_t>(midi::shortMessageLength(status)),
                         false);
}

void VirtualMidiOutput::sendSysex(const QByteArray& bytes) {
    if (!open_ || !backend_)
        return;
    backend_->recordSent(openDevice_, reinterpret_cast<const uint8_t*>(bytes.constData()),
                         static_cast<size_t>(bytes.size()), true);
}

void VirtualMidiOutput::deviceVanished(const QString& device) {
    if (!open_ || openDevice_ != device)
        return;
    open_ = false;
    emit deviceLost();
    emit error(4,
               QStringLiteral("The MIDI output device \"%1\" is no longer available").arg(device));
}

} // namespace vorlo
