#pragma once

#include <QStatusBar>
#include <QTimer>
#include <array>

class QLabel;
class QProgressBar;

namespace vorlo {

class DeviceLights;
class SendProgress;

// The main window's status line: the last notice about the devices on the left (cut to the
// room there is, whole in its tooltip), and a light for each keyboard and the module on the
// right, each with its device in a tooltip; while a reset or a registration is still on its way
// to the module behind a MIDI cable, a thin bar shows how much has gone; while the built-in
// synthesizer plays, a meter beside the module's light shows its level.
class DeviceStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // How long a notice stays shown.
    static constexpr int kNoticeMs = 20000;

    DeviceStatusBar(DeviceLights& lights, SendProgress& progress, QWidget* parent = nullptr);

private:
    void render();
    void showNotice(const QString& text);
    void showProgress();

    DeviceLights& lights_;
    SendProgress& progress_;
    QProgressBar* bar_ = nullptr;
    QProgressBar* meter_ = nullptr;
    QLabel* notice_ = nullptr;
    QTimer noticeTimer_;
    std::array<QLabel*, 3> labels_{};
};

} // namespace vorlo
