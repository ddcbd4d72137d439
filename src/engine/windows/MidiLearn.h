#pragma once

#include "ConsoleCommand.h"

#include <QList>
#include <QString>

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class Control;
class Form;
class MidiBindings;

// "Press the control, then the key": the panel's command controls offer Learn and Forget (the
// app shows them on a right-click); Learn binds the next key, controller or program change of a
// keyboard to the control's command, Forget removes the control's bindings. What happens is
// told on the status line.
class MidiLearn {
public:
    // main: the window whose stop names tell the player which drawstop a binding works.
    MidiLearn(const ConsoleState& state, Form& main, MidiBindings& bindings,
              ConsoleListener& events);

    // The control's command can be bound: the control gets its Learn and Forget.
    void offer(Control& control, const ConsoleCommand& command);
    // Every command control is offered: stored bindings of anything else are left out.
    void offersComplete();

    void learn(const Control& control, const ConsoleCommand& command);
    void forget(const Control& control, const ConsoleCommand& command);

private:
    // The control as the player knows it: its caption, or for a drawstop the stop's name and
    // division.
    QString nameOf(const Control& control) const;

    const ConsoleState& state_;
    Form& main_;
    MidiBindings& bindings_;
    ConsoleListener& events_;
    QList<ConsoleCommand> offered_;
};

} // namespace vorlo
