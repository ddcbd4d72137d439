// Placeholder: the implementation comes with its subsystem.
#include "ConsoleUpdate.h"

namespace vorlo {

ConsoleUpdate::ConsoleUpdate(Console& console) : console_(console) {}
void ConsoleUpdate::AGGIORNAMENTO_VORLO() {}
void ConsoleUpdate::run() {}
void ConsoleUpdate::groupStep(int step) {}
void ConsoleUpdate::couplerIndicators() {}
void ConsoleUpdate::cancels() {}

} // namespace vorlo
