#include "DeviceLights.h"

#include "MidiInputPort.h"
#include "MidiOutputPort.h"

#include <algorithm>
#include <cmath>

namespace vorlo {

DeviceLights::DeviceLights(MidiDevices& devices, const MidiInputPort& in1, const MidiInputPort& in2,
                           MidiOutputPort& output)
    : devices_(devices), inputs_{&in1, &in2}, output_(output) {
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
    const float peak = output_.takeOutputPeak();
    int meter = -1;
    if (peak >= 0.0f) {
        meterDb_ =
            peak > 0.0f ? std::max(kMeterFloorDb, 20.0 * std::log10(double(peak))) : kMeterFloorDb;
        meter = static_cast<int>(std::lround(100.0 * (meterDb_ - kMeterFloorDb) / -kMeterFloorDb));
    }
    if (meter != meter_) {
        meter_ = meter;
        any = true;
    }
    if (any)
        emit changed();
}

QString DeviceLights::outputMeterText() const {
    if (meter_ < 0)
        return {};
    if (meterDb_ <= kMeterFloorDb)
        return QStringLiteral("Output level: silent");
    return QStringLiteral("Output level: %1 dBFS").arg(meterDb_, 0, 'f', 0);
}

} // namespace vorlo
