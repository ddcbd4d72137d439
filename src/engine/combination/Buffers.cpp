// Placeholder: the implementation comes with its subsystem.
#include "Buffers.h"

namespace vorlo {

Buffers::Buffers(Console& console) : console_(console) {}
void Buffers::TempMemButton_Click(int index) {}
void Buffers::LoadBuffer_Click(int index) {}
void Buffers::CLEAR_Click() {}

} // namespace vorlo
