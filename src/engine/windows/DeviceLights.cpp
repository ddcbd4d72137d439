#include "DeviceLights.h"

#include "MidiInputPort.h"

namespace vorlo {

DeviceLights::DeviceLights(MidiDevices& devices, const MidiInputPort& in1, const MidiInputPort& in2)
    : devices_(devices), inputs_{&in1, &in2} {
    for (size_t i = 0; i < inputs_.size(); ++i)
        lastCount_[i] = inputs_[i]->receivedCount();
    timer_.setInterval(kActivityCheckMs);
    connect(&timer_, &QTimer::timeout, this, &DeviceLights::checkActivity);
    timer_.start();
}

DeviceLights::Shown DeviceLights::shown(MidiPort port) const {
    const MidiDevices::Status status = devices_.status(port);
    Shown s;
    s.caption = MidiDevices::portTitle(port);
    const QString device = QStringLiteral("\"%1\"").arg(status.device);
    switch (status.presence) {
    case MidiDevices::Presence::Unused:
        s.light = Light::Unused;
        s.toolTip = QStringLiteral("%1: no device chosen (Setup, Midi Devices)").arg(s.caption);
        break;
    case MidiDevices::Presence::Connected: {
        const size_t i = static_cast<size_t>(port);
        const bool receiving = port != MidiPort::Output && receiving_[i];
        s.light = receiving ? Light::Receiving : Light::Connected;
        s.toolTip = QStringLiteral("%1: %2, %3")
                        .arg(s.caption, device,
                             receiving ? QStringLiteral("receiving") : QStringLiteral("connected"));
        break;
    }
    case MidiDevices::Presence::Absent:
        s.light = Light::Absent;
        s.toolTip = QStringLiteral("%1: %2, absent; it is opened again as soon as it is there")
                        .arg(s.caption, device);
        break;
    }
    return s;
}

void DeviceLights::devicesChanged() {
    emit changed();
}

void DeviceLights::deviceNotice(const QString& text) {
    notice_ = text;
    emit noticeShown(text);
}

void DeviceLights::checkActivity() {
    bool any = false;
    for (size_t i = 0; i < inputs_.size(); ++i) {
        const uint32_t count = inputs_[i]->receivedCount();
        const bool receiving = count != lastCount_[i] && inputs_[i]->isOpen();
        lastCount_[i] = count;
        if (receiving != receiving_[i]) {
            receiving_[i] = receiving;
            any = true;
        }
    }
    if (any)
        emit changed();
}

} // namespace vorlo
