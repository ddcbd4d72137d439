#pragma once

namespace vorlo {

class CommandExecutor;
class Form;
class MidiLearn;

// Attaches the main window's command buttons (drawstops, cancels, memories, REC, buffers,
// CLEAR, couplers, sub-octave, tremolos, thru, panic, reset) to the commands they stand for.
// The executor must outlive the window's controls' use. Each such control is offered to learn
// for binding to a keyboard's key.
void bindPanelCommands(Form& main, CommandExecutor& commands, MidiLearn& learn);

// Attaches the Advanced window's sliders, lists, option buttons and check boxes: each asks for
// the command that sets what the player moved to the value the control now shows.
void bindAdvancedCommands(Form& advanced, CommandExecutor& commands);

} // namespace vorlo
