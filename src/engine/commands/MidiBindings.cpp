#include "MidiBindings.h"

#include "CommandExecutor.h"
#include "MidiConstants.h"
#include "SettingsFile.h"

#include <QStringList>

namespace vorlo {
namespace {

const QString kBindingsKey = QStringLiteral("Learn/Bindings");
constexpr int kPressed = 64;
constexpr int kTypes = 3;
constexpr int kChannels = 16;
// Beyond any command kind there will be; whether a kind is one the console offers is judged
// by keepOnly().
constexpr int kMaxKind = 1023;

QChar typeLetter(MidiTrigger::Type type) {
    switch (type) {
    case MidiTrigger::Type::Note:
        return QLatin1Char('n');
    case MidiTrigger::Type::Controller:
        return QLatin1Char('c');
    case MidiTrigger::Type::Program:
        break;
    }
    return QLatin1Char('p');
}

bool typeOf(const QString& letter, MidiTrigger::Type& type) {
    if (letter == QLatin1String("n"))
        type = MidiTrigger::Type::Note;
    else if (letter == QLatin1String("c"))
        type = MidiTrigger::Type::Controller;
    else if (letter == QLatin1String("p"))
        type = MidiTrigger::Type::Program;
    else
        return false;
    return true;
}

// A whole number within lo..hi, or false.
bool number(const QString& text, int lo, int hi, int& value) {
    bool ok = false;
    value = text.toInt(&ok);
    return ok && value >= lo && value <= hi;
}

} // namespace

MidiBindings::MidiBindings(const QString& appDir) : appDir_(appDir) {
    bindings_ = fromText(SettingsFile(appDir_).value(kBindingsKey).toString());
    rebuildIndex();
}

size_t MidiBindings::slot(const MidiTrigger& t) const {
    return static_cast<size_t>(((t.input - 1) * kTypes + static_cast<int>(t.type)) * kChannels +
                               t.channel);
}

bool MidiBindings::triggerOf(int input, const ShortMessage& m, MidiTrigger& t, bool& pressed,
                             bool& release) {
    if (input < 1 || input > 2 || m.data1 < 0 || m.data1 > 127)
        return false;
    const int kind = m.status & 0xF0;
    t.input = input;
    t.channel = m.status & 0x0F;
    t.number = m.data1;
    pressed = false;
    release = false;
    if (kind == midi::NoteOn || kind == midi::NoteOff) {
        t.type = MidiTrigger::Type::Note;
        release = kind == midi::NoteOff || m.data2 == 0;
        pressed = !release;
    } else if (kind == midi::ControlChange) {
        t.type = MidiTrigger::Type::Controller;
        pressed = m.data2 >= kPressed;
    } else if (kind == midi::ProgramChange) {
        t.type = MidiTrigger::Type::Program;
        pressed = true;
    } else {
        return false;
    }
    return true;
}

bool MidiBindings::take(int input, const ShortMessage& m, CommandExecutor& commands) {
    MidiTrigger t;
    bool pressed = false;
    bool release = false;
    if (!triggerOf(input, m, t, pressed, release))
        return false;
    if (learning_ && pressed) {
        // The learnt message is the binding's first press: it does nothing else.
        const ConsoleCommand command = *learning_;
        learning_.reset();
        auto learned = std::move(learned_);
        learned_ = nullptr;
        for (qsizetype i = bindings_.size() - 1; i >= 0; --i)
            if (bindings_[i].trigger == t)
                bindings_.removeAt(i);
        if (bindings_.size() < kMaxBindings)
            bindings_.append({t, command});
        rebuildIndex();
        if (t.type == MidiTrigger::Type::Controller)
            controllerValue_[static_cast<size_t>((t.input - 1) * kChannels + t.channel)]
                            [static_cast<size_t>(t.number)] = static_cast<uint8_t>(m.data2);
        store();
        if (learned)
            learned(t);
        return true;
    }
    if (!bound_[slot(t)].test(static_cast<size_t>(t.number)))
        return false;
    if (t.type == MidiTrigger::Type::Controller) {
        uint8_t& last = controllerValue_[static_cast<size_t>((t.input - 1) * kChannels + t.channel)]
                                        [static_cast<size_t>(t.number)];
        const bool wasPressed = last >= kPressed;
        last = static_cast<uint8_t>(std::clamp<int>(m.data2, 0, 127));
        if (!pressed || wasPressed)
            return true;
    }
    if (release)
        return true;
    if (const Binding* b = find(t))
        commands.execute(b->command);
    return true;
}

const MidiBindings::Binding* MidiBindings::find(const MidiTrigger& t) const {
    for (const Binding& b : bindings_)
        if (b.trigger == t)
            return &b;
    return nullptr;
}

void MidiBindings::learn(const ConsoleCommand& command,
                         std::function<void(const MidiTrigger&)> learned) {
    learning_ = command;
    learned_ = std::move(learned);
}

void MidiBindings::cancelLearning() {
    learning_.reset();
    learned_ = nullptr;
}

int MidiBindings::forget(const ConsoleCommand& command) {
    const qsizetype before = bindings_.size();
    bindings_.removeIf([&command](const Binding& b) { return b.command == command; });
    const int removed = static_cast<int>(before - bindings_.size());
    if (removed > 0) {
        rebuildIndex();
        store();
    }
    return removed;
}

void MidiBindings::keepOnly(const std::function<bool(const ConsoleCommand&)>& offered) {
    const qsizetype before = bindings_.size();
    bindings_.removeIf([&offered](const Binding& b) { return !offered(b.command); });
    if (bindings_.size() != before)
        rebuildIndex();
}

QList<MidiTrigger> MidiBindings::triggersOf(const ConsoleCommand& command) const {
    QList<MidiTrigger> found;
    for (const Binding& b : bindings_)
        if (b.command == command)
            found.append(b.trigger);
    return found;
}

void MidiBindings::rebuildIndex() {
    for (auto& bits : bound_)
        bits.reset();
    for (const Binding& b : bindings_)
        bound_[slot(b.trigger)].set(static_cast<size_t>(b.trigger.number));
}

void MidiBindings::store() {
    storeError_.clear();
    SettingsFile(appDir_).setValue(kBindingsKey, toText(bindings_), &storeError_);
}

QString MidiBindings::toText(const QList<Binding>& bindings) {
    QStringList entries;
    for (const Binding& b : bindings)
        entries << QStringLiteral("%1 %2 %3 %4 = %5 %6 %7 %8")
                       .arg(b.trigger.input)
                       .arg(typeLetter(b.trigger.type))
                       .arg(b.trigger.channel)
                       .arg(b.trigger.number)
                       .arg(static_cast<int>(b.command.kind))
                       .arg(b.command.a)
                       .arg(b.command.b)
                       .arg(b.command.c);
    return entries.join(QStringLiteral("; "));
}

QList<MidiBindings::Binding> MidiBindings::fromText(const QString& text) {
    QList<Binding> bindings;
    const QStringList entries = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& entry : entries) {
        if (bindings.size() >= kMaxBindings)
            break;
        const QStringList sides = entry.split(QLatin1Char('='));
        if (sides.size() != 2)
            continue;
        const QStringList t = sides[0].simplified().split(QLatin1Char(' '));
        const QStringList c = sides[1].simplified().split(QLatin1Char(' '));
        if (t.size() != 4 || c.size() != 4)
            continue;
        Binding b;
        int kind = 0;
        if (!number(t[0], 1, 2, b.trigger.input) || !typeOf(t[1], b.trigger.type) ||
            !number(t[2], 0, 15, b.trigger.channel) || !number(t[3], 0, 127, b.trigger.number) ||
            !number(c[0], 0, kMaxKind, kind) || !number(c[1], -32768, 32767, b.command.a) ||
            !number(c[2], -32768, 32767, b.command.b) || !number(c[3], -32768, 32767, b.command.c))
            continue;
        b.command.kind = static_cast<CommandKind>(kind);
        bindings.append(b);
    }
    return bindings;
}

} // namespace vorlo
