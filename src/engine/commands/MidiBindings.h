#pragma once

#include "ConsoleCommand.h"
#include "MidiTrigger.h"
#include "ShortMessage.h"

#include <QList>
#include <QString>
#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace vorlo {

class CommandExecutor;

// The player's own bindings of keyboard messages to commands ("press the control, then the
// key"): a key, a controller or a program change of either keyboard runs a command of the
// console instead of sounding or doing what it does by default. A bound key's note-on runs
// the command and its note-off is swallowed; a bound controller runs it when it goes from
// below 64 to 64 or more (a foot switch pressed); a bound program change runs it each time.
// Bindings come before everything else the keyboards' messages do, so a binding overrides the
// sustain-pedal key map for its key; unbound messages go on as they always did.
//
// The bindings are kept in "vorlo2000.ini" (key Learn/Bindings), one entry per binding:
// "input type channel number = kind a b c", type n (note), c (controller) or p (program),
// kind the command's CommandKind value (new kinds are only ever appended, so stored values
// keep their meaning). An entry that cannot be read is left out.
class MidiBindings {
public:
    static constexpr int kMaxBindings = 512;

    // Reads the bindings stored in the program folder's settings file.
    explicit MidiBindings(const QString& appDir);

    // The keyboards' question for each message they bring (the user-interface thread): true
    // when a binding or the learning took it (its command has run); false lets it go on as
    // usual. Allocates nothing when it is not learning.
    bool take(int input, const ShortMessage& m, CommandExecutor& commands);

    // The next key, controller or program change from a keyboard is bound to the command
    // (replacing any binding of that message) and stored; learned is told of it.
    void learn(const ConsoleCommand& command, std::function<void(const MidiTrigger&)> learned);
    void cancelLearning();
    bool isLearning() const { return learning_.has_value(); }
    // Removes every binding of the command, stored at once; how many there were.
    int forget(const ConsoleCommand& command);
    // Leaves out (for this run, and from the file at its next change) every binding whose
    // command is not one the console offers for binding: the file may hold anything.
    void keepOnly(const std::function<bool(const ConsoleCommand&)>& offered);
    // The messages bound to the command.
    QList<MidiTrigger> triggersOf(const ConsoleCommand& command) const;
    int count() const { return static_cast<int>(bindings_.size()); }
    // Why the last change could not be stored (empty when it was).
    const QString& storeError() const { return storeError_; }

    // The text of the stored entries, and the bindings read back from such a text.
    struct Binding {
        MidiTrigger trigger;
        ConsoleCommand command;
    };
    static QString toText(const QList<Binding>& bindings);
    static QList<Binding> fromText(const QString& text);

private:
    // The trigger a message would be, if it can be one (a note-on, a controller, a program).
    static bool triggerOf(int input, const ShortMessage& m, MidiTrigger& t, bool& pressed,
                          bool& release);
    const Binding* find(const MidiTrigger& t) const;
    void rebuildIndex();
    void store();
    size_t slot(const MidiTrigger& t) const;

    QString appDir_;
    QList<Binding> bindings_;
    // Which messages are bound at all: the quick no for every unbound message. Indexed by
    // input, type, channel; the bit is the number.
    std::array<std::bitset<128>, 2 * 3 * 16> bound_{};
    // The last value of each bound controller, for its press.
    std::array<std::array<uint8_t, 128>, 2 * 16> controllerValue_{};
    std::optional<ConsoleCommand> learning_;
    std::function<void(const MidiTrigger&)> learned_;
    QString storeError_;
};

} // namespace vorlo
