#pragma once

namespace vorlo {

class ConsoleListener;
class ConsoleState;

// The registration in force changed. The first change after a free memory was recalled or
// stored marks that memory as changed (Marca_Led_giallo: its indicator turns yellow, once);
// then every listener is told that the registration changed.
void registrationChanged(ConsoleState& state, ConsoleListener& listener);

} // namespace vorlo
