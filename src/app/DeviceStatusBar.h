#pragma once

#include <QStatusBar>
#include <QTimer>
#include <array>

class QLabel;

namespace vorlo {

class DeviceLights;

// The main window's status line: the last notice about the devices on the left (cut to the
// room there is, whole in its tooltip), and a light for each keyboard and the module on the
// right, each with its device in a tooltip.
class DeviceStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // How long a notice stays shown.
    static constexpr int kNoticeMs = 20000;

    explicit DeviceStatusBar(DeviceLights& lights, QWidget* parent = nullptr);

private:
    void render();
    void showNotice(const QString& text);

    DeviceLights& lights_;
    QLabel* notice_ = nullptr;
    QTimer noticeTimer_;
    std::array<QLabel*, 3> labels_{};
};

} // namespace vorlo
