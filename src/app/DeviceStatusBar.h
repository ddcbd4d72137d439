#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

namespace vorlo {

class DeviceLights;

// The main window's status line: the last notice about the devices on the left, and a light
// for each keyboard and the module on the right, each with its device in a tooltip.
class DeviceStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // How long a notice stays shown.
    static constexpr int kNoticeMs = 20000;

    explicit DeviceStatusBar(DeviceLights& lights, QWidget* parent = nullptr);

private:
    void render();

    DeviceLights& lights_;
    std::array<QLabel*, 3> labels_{};
};

} // namespace vorlo
