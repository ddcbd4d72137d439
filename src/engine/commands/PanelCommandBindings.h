#pragma once

namespace vorlo {

class CommandExecutor;
class Form;

// Attaches the main window's command buttons (drawstops, cancels, memories, REC, buffers,
// CLEAR, couplers, sub-octave, tremolos, thru, panic, reset) to the commands they stand for.
// The executor must outlive the window's controls' use.
void bindPanelCommands(Form& main, CommandExecutor& commands);

} // namespace vorlo
