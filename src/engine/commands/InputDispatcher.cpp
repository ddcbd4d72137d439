#include "InputDispatcher.h"
#include "Crescendo.h"

#include "CommandExecutor.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "Division.h"
#include "MidiBindings.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "ReentryGuard.h"
#include "RunState.h"
#include "Transposer.h"

#include <QCoreApplication>
#include <QThread>

namespace vorlo {
namespace {

constexpr int kNoteOff1 = midi::status(midi::NoteOff, midi::GreatChannel);       // 128
constexpr int kNoteOff3 = midi::status(midi::NoteOff, midi::PedalChannel);       // 130
constexpr int kNoteOn1 = midi::status(midi::NoteOn, midi::GreatChannel);         // 144
constexpr int kNoteOn3 = midi::status(midi::NoteOn, midi::PedalChannel);         // 146
constexpr int kControl1 = midi::status(midi::ControlChange, midi::GreatChannel); // 176
constexpr int kControl3 = midi::status(midi::ControlChange, midi::PedalChannel); // 178
constexpr int kBend1 = midi::status(midi::PitchBend, midi::GreatChannel);        // 224
constexpr int kBend3 = midi::status(midi::PitchBend, midi::PedalChannel);        // 226

bool isKind(int status, uint8_t kind) {
    return status >= kind && status <= kind + 15;
}

// 1..3 for a note on or off on a division channel, 0 otherwise.
int divisionOfNote(int status) {
    if (status >= kNoteOn1 && status <= kNoteOn3)
        return status - kNoteOn1 + 1;
    if (status >= kNoteOff1 && status <= kNoteOff3)
        return status - kNoteOff1 + 1;
    return 0;
}

} // namespace

InputDispatcher::InputDispatcher(ConsoleState& state, Dialogs& dialogs, MidiOutputPort& player,
                                 MidiInputPort& in1, MidiInputPort& in2, RunState& run,
                                 CommandExecutor& commands, ConsoleListener& listener,
                                 MidiBindings& bindings, const Transposer& transposer)
    : state_(state), dialogs_(dialogs), player_(player), in1_(in1), in2_(in2), run_(run),
      commands_(commands), listener_(listener), bindings_(bindings), transposer_(transposer) {
    QObject::connect(&in1_, &MidiInputPort::message, &context_, [this] { MIDIInput1_Message(); });
    QObject::connect(&in2_, &MidiInputPort::message, &context_, [this] { MIDIInput2_Message(); });
    QObject::connect(&in1_, &MidiInputPort::deviceLost, &context_, [this] { inputLost(1, in1_); });
    QObject::connect(&in2_, &MidiInputPort::deviceLost, &context_, [this] { inputLost(2, in2_); });
    // A port closed by the console (the set-up, the end) drops what it queued: the notes its
    // keyboard holds are released as for a lost device.
    QObject::connect(&in1_, &MidiInputPort::closing, &context_, [this] { releaseHeldBy(1); });
    QObject::connect(&in2_, &MidiInputPort::closing, &context_, [this] { releaseHeldBy(2); });
}

void InputDispatcher::MIDIInput1_Message() {
    drain(1, in1_);
}

void InputDispatcher::MIDIInput2_Message() {
    drain(2, in2_);
}

void InputDispatcher::drain(int input, MidiInputPort& port) {
    // A second delivery while this input's queue is being drained has nothing to add: the
    // running loop reads every message.
    const ReentryGuard draining(draining_[static_cast<size_t>(input - 1)]);
    if (!draining.entered())
        return;

    // An end asked for by the system (a signal, the session's end) stops the drain at once: the
    // orderly end must not wait behind a flood of input.
    auto ending = [this] { return run_.hasEnded() || run_.isEndRequested(); };
    while (port.queuedCount() >= 1 && !ending()) {
        QCoreApplication::processEvents();
        if (port.queuedCount() < 1 || ending())
            break; // the port was closed meanwhile, or the end was asked for
        const ShortMessage m = port.oldest();
        try {
            process(input, m);
        } catch (const std::exception& e) {
            // The message is dropped all the same: one bad message must not block the rest.
            dialogs_.message(QStringLiteral("An incoming MIDI message could not be "
                                            "handled (%1); it was skipped.")
                                 .arg(QString::fromLocal8Bit(e.what())),
                             state_.ProgramTitle, Dialogs::Icon::Exclamation);
        }
        noteDelay();
        port.dropOldest();
    }
    bool& lost = lost_[static_cast<size_t>(input - 1)];
    if (lost) {
        lost = false;
        releaseHeldBy(input);
    }
}

void InputDispatcher::inputLost(int input, MidiInputPort& port) {
    lost_[static_cast<size_t>(input - 1)] = true;
    if (draining_[static_cast<size_t>(input - 1)]) {
        // Inside this input's drain (an event it let run): silence the notes now, before the
        // player is told; the drain releases again whatever it still plays from the queue.
        releaseHeldBy(input);
        return;
    }
    drain(input, port);
}

void InputDispatcher::releaseHeldBy(int input) {
    auto& mine = heldBy_[static_cast<size_t>(input - 1)];
    auto& released = releasedFor_[static_cast<size_t>(input - 1)];
    for (size_t channel = 0; channel < mine.size(); ++channel) {
        if (mine[channel].none())
            continue;
        for (size_t key = 0; key < 128; ++key) {
            if (!mine[channel].test(key))
                continue;
            // Another keyboard (or the screen) holds the same note: its own release silences it.
            if (!heldByAnother(input, channel, key)) {
                ShortMessage off;
                off.status = static_cast<int16_t>(midi::NoteOff | channel);
                off.data1 = static_cast<int16_t>(key);
                off.data2 = 0;
                passThrough(input, off);
            }
            mine[channel].reset(key);
            released[channel].set(key);
        }
    }
}

bool InputDispatcher::heldByAnother(int input, size_t channel, size_t key) const {
    const auto mine = static_cast<size_t>(input - 1);
    for (size_t source = 0; source < kSources; ++source) {
        if (source != mine && heldBy_[source][channel].test(key) &&
            sentPitch_[source][channel][key] == sentPitch_[mine][channel][key])
            return true;
    }
    return false;
}

void InputDispatcher::screenNote(DivisionId division, int key, int velocity) {
    if (key < 0 || key > 127)
        return;
    const int channel = kDivisions[static_cast<size_t>(division)].channel;
    ShortMessage m;
    m.status =
        static_cast<int16_t>(midi::status(velocity > 0 ? midi::NoteOn : midi::NoteOff, channel));
    m.data1 = static_cast<int16_t>(key);
    m.data2 = static_cast<int16_t>(std::clamp(velocity, 0, 127));
    passThrough(kScreenInput, m);
}

void InputDispatcher::noteDelay() {
    // A short real wait growing with the set-up's delay (20 microseconds a step, 2 ms at most).
    const int delay = state_.NoteDelay;
    if (delay > 0)
        QThread::usleep(static_cast<unsigned long>(std::min(delay, 100)) * 20);
}

void InputDispatcher::process(int input, ShortMessage m) {
    ConsoleState& st = state_;

    // A message the player bound to a command (or is binding now) does only that.
    if (bindings_.take(input, m, commands_))
        return;

    // Channel learning looks at the status as it arrives and consumes nothing.
    if (st.LearnActive && isKind(m.status, midi::NoteOn)) {
        const int channel = m.status - midi::NoteOn;
        const int body = std::clamp<int>(st.LearnIndex, 0, 2);
        st.ThruCustom[static_cast<size_t>(body)] = static_cast<int16_t>(channel);
        listener_.thruChannelLearned(body, channel);
    }

    // Rechannelling onto the division channels.
    if (st.ThruMode == 1) {
        // A body outside 1..3 (a damaged memory) plays on the Great.
        const int b = st.live().MemThru >= 1 && st.live().MemThru <= 3 ? st.live().MemThru : 1;
        for (uint8_t kind : {midi::ControlChange, midi::NoteOn, midi::PitchBend, midi::NoteOff}) {
            if (isKind(m.status, kind)) {
                m.status = static_cast<int16_t>(midi::status(kind, b));
                break;
            }
        }
    } else if (st.ThruMode == 2) {
        bool matched = false;
        for (int k = 0; k < 3 && !matched; ++k) {
            const int c = st.ThruCustom[static_cast<size_t>(k)];
            if (c < 0 || c > 15)
                continue;
            for (uint8_t kind : {midi::NoteOn, midi::ControlChange, midi::PitchBend,
                                 midi::ProgramChange, midi::NoteOff}) {
                if (m.status == kind + c) {
                    m.status = static_cast<int16_t>(midi::status(kind, k + 1));
                    matched = true;
                    break;
                }
            }
        }
    }

    const int s = m.status;
    // Note-offs, and note-ons with velocity 0, pass even while the switch event is armed.
    if ((s >= kNoteOff1 && s <= kNoteOff3) || (s >= kNoteOn1 && s <= kNoteOn3 && m.data2 == 0)) {
        passThrough(input, m);
        return;
    }
    using C = ConsoleCommand;
    if (s >= kControl1 && s <= kControl3 && m.data1 == midi::CcSustain) {
        commands_.execute(C::sustainPedal(m.data2));
        return;
    }
    if (isKind(s, midi::ProgramChange)) {
        commands_.execute(C::programChange(m.data1));
        return;
    }
    if (st.SwitchEventArmed) {
        commands_.execute(C::switchEventKey(m.data1));
        return;
    }
    if (s >= kNoteOn1 && s <= kNoteOn3) {
        passThrough(input, m);
        return;
    }
    if (s >= kBend1 && s <= kBend3) {
        // The wheel's most significant byte.
        commands_.execute(C::bendSwitch(input, s - kBend1 + 1, m.data2));
        return;
    }
    if (s >= kControl1 && s <= kControl3 &&
        (m.data1 == midi::CcModulation || m.data1 == midi::CcVolume ||
         m.data1 == midi::CcExpression)) {
        commands_.execute(C::expressionPedal(input, s - kControl1 + 1, m.data2));
        return;
    }
    if (s >= kControl1 && s <= kControl3 && m.data1 == Crescendo::kController) {
        commands_.execute(C::crescendoPedal(m.data2));
        return;
    }
    passThrough(input, m);
}

InputDispatcher::Copies InputDispatcher::copiesFor(int status) const {
    const ConsoleState& st = state_;
    Copies c;
    int n = 0;
    // The status of the last copy carries to the next test, so couplers chain: a Pedal note
    // coupled to a manual is coupled on by that manual's coupler.
    int s = status;
    const bool pedal = s == kNoteOn3 || s == kNoteOff3;
    if (st.live().MemUnPedale == 1 && pedal) {
        s -= 2;
        c.couplerChannel[n++] = midi::GreatChannel;
    }
    if (st.live().MemUnPedale == 2 && (s == kNoteOn3 || s == kNoteOff3)) {
        s -= 1;
        c.couplerChannel[n++] = midi::SwellChannel;
    }
    if (st.live().MemUnManuali == 1 && (s == kNoteOn1 || s == kNoteOff1) && n < 2) {
        s += 1;
        c.couplerChannel[n++] = midi::SwellChannel;
    }
    if (st.live().MemUnManuali == 2 && (s == kNoteOn1 + 1 || s == kNoteOff1 + 1) && n < 2) {
        s -= 1;
        c.couplerChannel[n++] = midi::GreatChannel;
    }
    c.subOctave = st.live().MemSubottava == 1 && pedal;
    return c;
}

void InputDispatcher::sendCopies(const ShortMessage& played, const Copies& c) {
    MidiOutputPort& out = player_;
    const uint8_t kind = static_cast<uint8_t>(played.status & 0xF0);
    const auto key = static_cast<uint8_t>(played.data1);
    const auto velocity = static_cast<uint8_t>(played.data2);
    for (uint8_t channel : c.couplerChannel) {
        if (channel != 0)
            out.sendShort(midi::status(kind, channel), key, velocity);
    }
    // No sub-octave below the lowest key on the wire.
    if (c.subOctave && played.data1 >= 12)
        out.sendShort(static_cast<uint8_t>(played.status), static_cast<uint8_t>(played.data1 - 12),
                      velocity);
}

int InputDispatcher::transposed(int key) const {
    const int pitch = key + transposer_.semitones();
    return pitch >= 0 && pitch <= 127 ? pitch : kNotSent;
}

void InputDispatcher::passThrough(int input, const ShortMessage& played) {
    ShortMessage m = played;
    const bool release = isKind(m.status, midi::NoteOff) || m.data2 == 0;
    if ((isKind(m.status, midi::NoteOn) || isKind(m.status, midi::NoteOff)) && m.data1 >= 0 &&
        m.data1 <= 127) {
        const auto source = static_cast<size_t>(input - 1);
        const auto channel = static_cast<size_t>(m.status & 0x0F);
        const auto key = static_cast<size_t>(m.data1);
        auto& keys = heldBy_[source][channel];
        auto& released = releasedFor_[source][channel];
        int8_t& sent = sentPitch_[source][channel][key];
        // The keyboard lets go of a key whose note the console released already: sent again,
        // the release would cut the same note struck since on the other keyboard.
        if (release && released.test(key)) {
            released.reset(key);
            return;
        }
        released.reset(key);
        // A release goes out at the pitch its press did; a key pressed before the console saw
        // it is released at the transposition in force.
        const int pitch = release && keys.test(key) ? sent : transposed(m.data1);
        if (!release && keys.test(key) && sent != pitch && sent != kNotSent) {
            // Struck again while held, under another transposition: the note it sounds is let
            // go first, as nothing would release it later.
            ShortMessage off = m;
            off.status = static_cast<int16_t>(midi::NoteOff | channel);
            off.data1 = sent;
            off.data2 = 0;
            sendPlayed(off);
        }
        keys.set(key, !release);
        sent = static_cast<int8_t>(release ? kNotSent : pitch);
        // Transposed off the keyboard: neither the note nor its release goes out.
        if (pitch == kNotSent)
            return;
        m.data1 = static_cast<int16_t>(pitch);
    }
    sendPlayed(m);
}

void InputDispatcher::sendPlayed(const ShortMessage& m) {
    const bool release = isKind(m.status, midi::NoteOff) || m.data2 == 0;
    player_.sendShort(static_cast<uint8_t>(m.status), static_cast<uint8_t>(m.data1),
                      static_cast<uint8_t>(m.data2));
    if (m.data1 < 0 || m.data1 > 127)
        return;
    const int division = divisionOfNote(m.status);
    if (division == 0)
        return;
    auto& held = held_[static_cast<size_t>(division - 1)][static_cast<size_t>(m.data1)];
    bool& isHeld = isHeld_[static_cast<size_t>(division - 1)][static_cast<size_t>(m.data1)];
    if (release) {
        // A release silences what its press sounded; a key pressed before the console saw
        // it is released through the couplers in force.
        sendCopies(m, isHeld ? held : copiesFor(m.status));
        isHeld = false;
        held = Copies{};
        return;
    }
    const Copies now = copiesFor(m.status);
    sendCopies(m, now);
    if (!isHeld) {
        held = now;
        isHeld = true;
        return;
    }
    // A key struck again while held: remember every copy either press made.
    for (uint8_t channel : now.couplerChannel) {
        if (channel == 0 || channel == held.couplerChannel[0] || channel == held.couplerChannel[1])
            continue;
        if (held.couplerChannel[0] == 0)
            held.couplerChannel[0] = channel;
        else if (held.couplerChannel[1] == 0)
            held.couplerChannel[1] = channel;
    }
    held.subOctave = held.subOctave || now.subOctave;
}

} // namespace vorlo
