// Placeholder: the implementation comes with its subsystem.
#include "Panic.h"

namespace vorlo {

Panic::Panic(Console& console) : console_(console) {}
void Panic::Panic_Click() {}

} // namespace vorlo
