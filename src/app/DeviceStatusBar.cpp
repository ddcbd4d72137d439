#include "DeviceStatusBar.h"

#include "DeviceLights.h"
#include "SendProgress.h"

#include <QLabel>
#include <QProgressBar>
#include <algorithm>

namespace vorlo {
namespace {

// The light's colour: grey unused, green connected, bright green while a keyboard plays, red
// absent.
QString colourOf(DeviceLights::Light light) {
    switch (light) {
    case DeviceLights::Light::Unused:
        return QStringLiteral("#9a9a9a");
    case DeviceLights::Light::Connected:
        return QStringLiteral("#1f8f2f");
    case DeviceLights::Light::Receiving:
        return QStringLiteral("#4cff4c");
    case DeviceLights::Light::Absent:
        break;
    }
    return QStringLiteral("#d02020");
}

// The sending bar: thin, beside the lights.
constexpr int kBarWidth = 80;
constexpr int kBarHeight = 8;
// The output meter: short, after the module's light.
constexpr int kMeterWidth = 40;

} // namespace

DeviceStatusBar::DeviceStatusBar(DeviceLights& lights, SendProgress& progress, QWidget* parent)
    : QStatusBar(parent), lights_(lights), progress_(progress) {
    setObjectName(QStringLiteral("deviceStatus"));
    setSizeGripEnabled(false);
    notice_ = new QLabel(this);
    notice_->setObjectName(QStringLiteral("deviceNotice"));
    // The panel sets the window's width: a long notice is cut, never widening the window.
    notice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    addWidget(notice_, 1);
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("sendProgress"));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    bar_->setMaximumWidth(kBarWidth);
    bar_->setMaximumHeight(kBarHeight);
    bar_->hide();
    addPermanentWidget(bar_);
    connect(&progress_, &SendProgress::changed, this, &DeviceStatusBar::showProgress);
    noticeTimer_.setSingleShot(true);
    noticeTimer_.setInterval(kNoticeMs);
    connect(&noticeTimer_, &QTimer::timeout, this, [this] { showNotice(QString()); });
    meter_ = new QProgressBar(this);
    meter_->setObjectName(QStringLiteral("outputMeter"));
    meter_->setRange(0, 100);
    meter_->setTextVisible(false);
    meter_->setMaximumWidth(kMeterWidth);
    meter_->setMaximumHeight(kBarHeight);
    meter_->hide();
    for (size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QStringLiteral("deviceLight%1").arg(i));
        labels_[i]->setTextFormat(Qt::RichText);
        addPermanentWidget(labels_[i]);
    }
    addPermanentWidget(meter_);
    connect(&lights_, &DeviceLights::changed, this, &DeviceStatusBar::render);
    connect(&lights_, &DeviceLights::noticeShown, this, [this](const QString& text) {
        showNotice(text);
        noticeTimer_.start();
    });
    render();
}

void DeviceStatusBar::showNotice(const QString& text) {
    notice_->setText(text);
    notice_->setToolTip(text);
}

void DeviceStatusBar::showProgress() {
    bar_->setVisible(progress_.isSending());
    bar_->setValue(progress_.percent());
    bar_->setToolTip(progress_.text());
}

void DeviceStatusBar::render() {
    for (size_t i = 0; i < labels_.size(); ++i) {
        const DeviceLights::Shown s = lights_.shown(DeviceLights::kPorts[i]);
        labels_[i]->setText(QStringLiteral("<span style=\"color:%1\">&#9679;</span> %2")
                                .arg(colourOf(s.light), s.caption.toHtmlEscaped()));
        labels_[i]->setToolTip(s.toolTip);
        labels_[i]->setProperty("light", static_cast<int>(s.light));
    }
    const int level = lights_.outputMeter();
    meter_->setVisible(level >= 0);
    meter_->setValue(std::max(level, 0));
    meter_->setToolTip(lights_.outputMeterText());
}

} // namespace vorlo
