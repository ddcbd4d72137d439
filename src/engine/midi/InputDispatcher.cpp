// Placeholder: the implementation comes with its subsystem.
#include "InputDispatcher.h"

namespace vorlo {

InputDispatcher::InputDispatcher(Console& console) : console_(console) {}

void InputDispatcher::MIDIInput1_Message() {}
void InputDispatcher::MIDIInput2_Message() {}

} // namespace vorlo
