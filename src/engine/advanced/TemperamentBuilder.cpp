// Placeholder: the implementation comes with its subsystem.
#include "TemperamentBuilder.h"

namespace vorlo {

uint8_t TemperamentBuilder::portByte(int p) { return 0; }
uint8_t TemperamentBuilder::partByte(int p) { return 0; }
bool TemperamentBuilder::build(const QByteArray& stored, int startNote, std::array<QByteArray, 33>& out) { return false; }

} // namespace vorlo
