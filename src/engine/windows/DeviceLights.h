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

    DeviceLights(MidiDevices& devices, const MidiInputPort& in1, const MidiInputPort& in2);

    Shown shown(MidiPort port) const;
    const QString& notice() const { return notice_; }

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
    QString notice_;
    QTimer timer_;
};

} // namespace vorlo
