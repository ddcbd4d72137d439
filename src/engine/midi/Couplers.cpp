// Placeholder: the implementation comes with its subsystem.
#include "Couplers.h"

namespace vorlo {

Couplers::Couplers(Console& console) : console_(console) {}
void Couplers::UNPI_Click() {}
void Couplers::UNPII_Click() {}
void Couplers::UN_GOSW_Click() {}
void Couplers::UN_SWGO_Click() {}
void Couplers::Subottava_Click() {}

} // namespace vorlo
