#include "VirtualMidiInput.h"

#include "MidiPortError.h"
#include "VirtualMidiBackend.h"

namespace vorlo {

VirtualMidiInput::VirtualMidiInput(VirtualMidiBackend& backend) : backend_(&backend) {
    backend_->registerInput(this);
}

VirtualMidiInput::~VirtualMidiInput() {
    if (backend_)
        backend_->unregisterInput(this);
}

int VirtualMidiInput::deviceCount() {
    return backend_ ? static_cast<int>(backend_->inputDevices().size()) : 0;
}

QString VirtualMidiInput::deviceName(int index) {
    const QStringList devices = backend_ ? backend_->inputDevices() : QStringList{};
    if (index < 0 || index >= devices.size())
        throw MidiPortError(1, QStringLiteral("Invalid MIDI input device number %1").arg(index));
    return devices[index];
}

void VirtualMidiInput::selectDevice(int index) {
    selected_ = deviceName(index);
}

void VirtualMidiInput::open() {
    if (selected_.isEmpty() || !backend_ || !backend_->inputDevices().contains(selected_))
        throw MidiPortError(2, QStringLiteral("No MIDI input device selected"));
    if (!backend_->opens(selected_))
        throw MidiPortError(
            3, QStringLiteral("The MIDI input device \"%1\" cannot be opened").arg(selected_));
    openDevice_ = selected_;
    open_ = true;
}

void VirtualMidiInput::close() {
    if (open_)
        emit closing();
    open_ = false;
    openDevice_.clear();
    clearQueue();
}

bool VirtualMidiInput::isOpenOn(const QString& device) const {
    return open_ && openDevice_ == device;
}

void VirtualMidiInput::deviceVanished(const QString& device) {
    if (!isOpenOn(device))
        return;
    open_ = false;
    reportDeviceLost(
        4, QStringLiteral("The MIDI input device \"%1\" is no longer available").arg(device));
}

} // namespace vorlo
