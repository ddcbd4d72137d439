#pragma once

#include "ConsoleListener.h"
#include "MidiDevices.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>

namespace vorlo {

class MidiInputPort;
class MidiOutputPort;

// The main window's device status: a light for each keyboard and the module, telling whether
// its device is connected, sending (a keyboard played in the last moments), absent or not
// used, with the device's name in its tooltip; and the last notice about the devices. The
// activity is read from the inputs' counters on a timer, so the note path does not know of it.
class DeviceLights : public QObject, public ConsoleListener {
    Q_OBJECT
public:
    enum class Light { Unused, Connected, Receiving, Absent };
    struct Shown {
        Light light = Light::Unused;
        QString caption;
        QString toolTip;
    };
    // How often the inputs' activity is looked at; a keyboard shows "receiving" until a look
    // finds nothing new.
    static constexpr int kActivityCheckMs = 150;
    static constexpr MidiPort kPorts[] = {MidiPort::Input1, MidiPort::Input2, MidiPort::Output};

    // The meter's range: a level this far below full scale or lower shows empty.
    static constexpr double kMeterFloorDb = -60.0;

    DeviceLights(MidiDevices& devices, const MidiInputPort& in1, const MidiInputPort& in2,
                 MidiOutputPort& output);

    Shown shown(MidiPort port) const;
    const QString& notice() const { return notice_; }
    // The output's level meter, 0..100 (the loudest sample of the last look, from the floor to
    // full scale), or -1 when the output's device has no level to show (a module on a cable).
    int outputMeter() const { return meter_; }
    // "-12 dBFS" for the meter's tooltip; empty without a meter.
    QString outputMeterText() const;

    void devicesChanged() override;
    void deviceNotice(const QString& text) override;

signals:
    // A light changed.
    void changed();
    void noticeShown(const QString& text);

private:
    void checkActivity();

    MidiDevices& devices_;
    std::array<const MidiInputPort*, 2> inputs_;
    std::array<uint32_t, 2> lastCount_{};
    std::array<bool, 2> receiving_{};
    MidiOutputPort& output_;
    int meter_ = -1;
    double meterDb_ = kMeterFloorDb;
    QString notice_;
    QTimer timer_;
};

} // namespace vorlo
