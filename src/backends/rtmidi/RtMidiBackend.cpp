#include "RtMidiBackend.h"

#include "RtMidiErrorTrap.h"
#include "RtMidiInput.h"
#include "RtMidiOutput.h"

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

RtMidiBackend::RtMidiBackend(RtMidi::Api api) {
    std::vector<RtMidi::Api> candidates;
    if (api != RtMidi::UNSPECIFIED) {
        candidates.push_back(api);
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
        } else if (works(candidate, why)) {
            api_ = candidate;
            return;
        }
        failures.append(QStringLiteral("%1: %2").arg(apiName(candidate), why));
    }
    reason_ = failures.isEmpty() ? QStringLiteral("RtMidi was built without a MIDI system")
                                 : failures.join(QStringLiteral("; "));
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
    return std::make_unique<RtMidiInput>(api_, QStringLiteral("Input %1").arg(inputCount_),
                                         reason_);
}

std::unique_ptr<MidiOutputPort> RtMidiBackend::createOutput() {
    return std::make_unique<RtMidiOutput>(api_, QStringLiteral("Output"), reason_);
}

} // namespace vorlo
