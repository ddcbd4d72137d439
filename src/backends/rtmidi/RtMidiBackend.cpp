#include "RtMidiBackend.h"

#include "RtMidiErrorTrap.h"
#include "RtMidiInput.h"
#include "RtMidiJackNotices.h"
#include "RtMidiOutput.h"
#include "RtMidiPortRegistry.h"
#include "RtMidiSystemWatch.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace vorlo {
namespace {

// Without this device RtMidi's ALSA client cannot start (and prints why on its way out).
constexpr const char* kAlsaSequencerDevice = "/dev/snd/seq";

bool isCompiled(RtMidi::Api api) {
    std::vector<RtMidi::Api> compiled;
    RtMidi::getCompiledApi(compiled);
    return std::find(compiled.begin(), compiled.end(), api) != compiled.end();
}

QString apiName(RtMidi::Api api) {
    return QString::fromStdString(RtMidi::getApiDisplayName(api));
}

} // namespace

RtMidiBackend::RtMidiBackend(RtMidi::Api api)
    : requested_(api), ports_(std::make_shared<RtMidiPortRegistry>()) {
    findSystem();
}

RtMidiBackend::~RtMidiBackend() = default;

bool RtMidiBackend::findSystem() {
    api_ = RtMidi::UNSPECIFIED;
    reason_.clear();
    std::vector<RtMidi::Api> candidates;
    if (requested_ != RtMidi::UNSPECIFIED) {
        candidates.push_back(requested_);
    } else {
        // RtMidi lists its systems in its own order of preference: CoreMIDI, ALSA, JACK, WinMM.
        // Its dummy and web systems cannot reach a MIDI device, so they are never chosen.
        RtMidi::getCompiledApi(candidates);
        std::erase_if(candidates, [](RtMidi::Api a) {
            return a == RtMidi::RTMIDI_DUMMY || a == RtMidi::WEB_MIDI_API;
        });
    }

    QStringList failures;
    for (const RtMidi::Api candidate : candidates) {
        QString why;
        if (!isCompiled(candidate)) {
            why = QStringLiteral("not supported by this build of RtMidi");
        } else if (candidate == RtMidi::LINUX_ALSA &&
                   !QFileInfo::exists(QString::fromLatin1(kAlsaSequencerDevice))) {
            why = QStringLiteral("no sequencer device %1")
                      .arg(QString::fromLatin1(kAlsaSequencerDevice));
        } else if (candidate == RtMidi::UNIX_JACK && RtMidiJackNotices::available() &&
                   !RtMidiJackNotices::serverAnswers()) {
            // Asked quietly first: RtMidi prints its complaint each time it finds no server.
            why = QStringLiteral("JACK server not running");
        } else if (works(candidate, why)) {
            api_ = candidate;
            return true;
        }
        failures.append(QStringLiteral("%1: %2").arg(apiName(candidate), why));
    }
    reason_ = failures.isEmpty() ? QStringLiteral("RtMidi was built without a MIDI system")
                                 : failures.join(QStringLiteral("; "));
    return false;
}

void RtMidiBackend::loseSystem(const QString& reason) {
    api_ = RtMidi::UNSPECIFIED;
    reason_ = reason;
}

MidiSystemWatch* RtMidiBackend::watch() {
    if (!watch_)
        watch_ = std::make_unique<RtMidiSystemWatch>(*this);
    return watch_.get();
}

bool RtMidiBackend::works(RtMidi::Api api, QString& why) {
    // The trap outlives the probe, which may still report while it is destroyed.
    RtMidiErrorTrap trap;
    try {
        RtMidiOut probe(api, kClientName);
        probe.setErrorCallback(&RtMidiErrorTrap::callback, &trap);
        // A JACK client that could not reach its server says so when asked for its ports.
        probe.getPortCount();
        if (trap.caught()) {
            why = trap.take();
            return false;
        }
        return true;
    } catch (const RtMidiError& e) {
        why = QString::fromStdString(e.getMessage()).trimmed();
    } catch (const std::exception& e) {
        why = QString::fromLocal8Bit(e.what());
    }
    return false;
}

std::unique_ptr<MidiInputPort> RtMidiBackend::createInput() {
    ++inputCount_;
    auto port =
        std::make_unique<RtMidiInput>(api_, QStringLiteral("Input %1").arg(inputCount_), reason_);
    port->joinRegistry(ports_);
    return port;
}

std::unique_ptr<MidiOutputPort> RtMidiBackend::createOutput() {
    auto port = std::make_unique<RtMidiOutput>(api_, QStringLiteral("Output"), reason_);
    port->joinRegistry(ports_);
    return port;
}

} // namespace vorlo
