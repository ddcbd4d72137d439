// Placeholder: the implementation comes with its subsystem.
#include "StopCaptions.h"

namespace vorlo {

StopCaptions::StopCaptions(Console& console) : console_(console) {}

void StopCaptions::SCRITTURA_TESTI_DEI_REGISTRI() {}
void StopCaptions::CARICAMENTO_LIST_BOXES() {}

} // namespace vorlo
