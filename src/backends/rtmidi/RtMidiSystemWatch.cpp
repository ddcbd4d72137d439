#include "RtMidiSystemWatch.h"

#include "RtMidiBackend.h"
#include "RtMidiPortRegistry.h"
#include "RtMidiSystemPort.h"

#include <QMetaObject>
#include <exception>

namespace vorlo {
namespace {

constexpr int kMsPerSecond = 1000;

QStringList deviceList(RtMidiDeviceLink& link) {
    QStringList names;
    const int count = link.deviceCount();
    for (int i = 0; i < count; ++i)
        names.append(link.deviceName(i));
    return names;
}

} // namespace

RtMidiSystemWatch::RtMidiSystemWatch(RtMidiBackend& backend, Hearing hearing, QObject* parent)
    : MidiSystemWatch(parent), backend_(backend), hearing_(hearing) {
    noticeTimer_.setInterval(kNoticeIntervalMs);
    connect(&noticeTimer_, &QTimer::timeout, this, &RtMidiSystemWatch::onNoticeTick);
    connect(&lookTimer_, &QTimer::timeout, this, &RtMidiSystemWatch::onLookTick);
    begin(kSystemRetryMs);
}

RtMidiSystemWatch::~RtMidiSystemWatch() {
    noticeTimer_.stop();
    lookTimer_.stop();
    jack_.close();
    alsa_.close();
    dropScanners();
}

bool RtMidiSystemWatch::systemAvailable() const {
    return way_ != Way::Searching;
}

QString RtMidiSystemWatch::unavailableReason() const {
    return systemAvailable() ? QString() : backend_.unavailableReason();
}

QString RtMidiSystemWatch::howChangesAreSeen() const {
    switch (way_) {
    case Way::JackNotices:
        return QStringLiteral("JACK notifications");
    case Way::AlsaNotices:
        return QStringLiteral("ALSA sequencer announcements");
    case Way::Looking:
        return QStringLiteral("a look at the device lists every second");
    case Way::Searching:
        break;
    }
    return lookTimer_.interval() == kServerRetryMs
               ? QStringLiteral("a look for a MIDI system every second")
               : QStringLiteral("a look for a MIDI system every %1 seconds")
                     .arg(lookTimer_.interval() / kMsPerSecond);
}

void RtMidiSystemWatch::begin(int retryMs) {
    noticeTimer_.stop();
    lookTimer_.stop();
    if (!backend_.available()) {
        way_ = Way::Searching;
        lookTimer_.start(retryMs);
        return;
    }
    if (backend_.api() == RtMidi::UNIX_JACK && RtMidiJackNotices::available() &&
        hearing_ == Hearing::NoticesWhereTold) {
        if (jack_.open()) {
            way_ = Way::JackNotices;
            readLists(inputs_, outputs_);
            noticeTimer_.start();
            return;
        }
        // The server went between the backend's look and this one.
        lose(QStringLiteral("JACK server not running"));
        return;
    }
    dropScanners(); // each RtMidi object goes before the link whose trap it reports to
    try {
        scanInLink_ = std::make_unique<RtMidiDeviceLink>(RtMidiDeviceLink::Direction::Input,
                                                         QStringLiteral("Watch"));
        scanOutLink_ = std::make_unique<RtMidiDeviceLink>(RtMidiDeviceLink::Direction::Output,
                                                          QStringLiteral("Watch"));
        scanIn_ = std::make_unique<RtMidiIn>(backend_.api(), RtMidiBackend::kClientName);
        scanInLink_->attach(scanIn_.get(), backend_.api());
        scanOut_ = std::make_unique<RtMidiOut>(backend_.api(), RtMidiBackend::kClientName);
        scanOutLink_->attach(scanOut_.get(), backend_.api());
    } catch (const std::exception&) {
        // The lists are read through whichever scanner there is; none lists nothing.
    }
    if (backend_.api() == RtMidi::LINUX_ALSA && hearing_ == Hearing::NoticesWhereTold &&
        alsa_.open()) {
        way_ = Way::AlsaNotices;
        readLists(inputs_, outputs_);
        noticeTimer_.start();
        return;
    }
    way_ = Way::Looking;
    readLists(inputs_, outputs_);
    lookTimer_.start(kLookIntervalMs);
}

void RtMidiSystemWatch::dropScanners() {
    scanIn_.reset();
    scanOut_.reset();
    scanInLink_.reset();
    scanOutLink_.reset();
}

void RtMidiSystemWatch::readLists(QStringList& inputs, QStringList& outputs) {
    if (way_ == Way::JackNotices) {
        inputs = jack_.midiPorts(true);
        outputs = jack_.midiPorts(false);
        return;
    }
    inputs = scanIn_ ? deviceList(*scanInLink_) : QStringList();
    outputs = scanOut_ ? deviceList(*scanOutLink_) : QStringList();
}

bool RtMidiSystemWatch::listsChanged() {
    QStringList inputs;
    QStringList outputs;
    readLists(inputs, outputs);
    if (inputs == inputs_ && outputs == outputs_)
        return false;
    inputs_ = inputs;
    outputs_ = outputs;
    return true;
}

void RtMidiSystemWatch::onNoticeTick() {
    if (way_ == Way::AlsaNotices) {
        if (alsa_.takePortsChanged() && listsChanged())
            emit devicesChanged();
        return;
    }
    if (jack_.serverGone()) {
        const QString said = jack_.goneReason();
        lose(said.isEmpty() ? QStringLiteral("the JACK server stopped")
                            : QStringLiteral("the JACK server stopped: %1").arg(said));
        return;
    }
    if (jack_.takePortsChanged() && listsChanged())
        emit devicesChanged();
}

void RtMidiSystemWatch::onLookTick() {
    if (way_ == Way::Searching) {
        search();
        return;
    }
    if (listsChanged())
        emit devicesChanged();
}

void RtMidiSystemWatch::lose(const QString& reason) {
    // Told only of a system that was there: one that answered a look and was gone at the
    // next moment never came.
    const bool wasThere = way_ != Way::Searching;
    noticeTimer_.stop();
    // The watch's own client goes first: once every client of the dead server is closed,
    // libjack meets the next server afresh.
    jack_.close();
    alsa_.close();
    dropScanners();
    for (RtMidiSystemPort* port : backend_.ports()->ports())
        port->dropSystem(reason);
    backend_.ports()->letGoOfRetired();
    backend_.loseSystem(reason);
    inputs_.clear();
    outputs_.clear();
    way_ = Way::Searching;
    lookTimer_.start(kServerRetryMs);
    // After the ports' deviceLost(), which they raise from the event loop.
    if (wasThere)
        QMetaObject::invokeMethod(
            this, [this] { emit systemLost(); }, Qt::QueuedConnection);
}

void RtMidiSystemWatch::search() {
    backend_.ports()->waitForRetired();
    if (!backend_.findSystem())
        return;
    begin(lookTimer_.interval());
    if (way_ == Way::Searching)
        return; // gone again at once
    for (RtMidiSystemPort* port : backend_.ports()->ports())
        port->attachSystem(backend_.api());
    emit systemBack();
    emit devicesChanged();
}

} // namespace vorlo
