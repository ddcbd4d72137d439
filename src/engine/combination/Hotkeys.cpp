// Placeholder: the implementation comes with its subsystem.
#include "Hotkeys.h"

namespace vorlo {

Hotkeys::Hotkeys(Console& console) : console_(console) {}

void Hotkeys::Form_KeyDown(int keyCode, int shift) {}
void Hotkeys::Form_KeyPress(int charCode) {}

} // namespace vorlo
