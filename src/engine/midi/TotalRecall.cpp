// Placeholder: the implementation comes with its subsystem.
#include "TotalRecall.h"

namespace vorlo {

TotalRecall::TotalRecall(Console& console) : console_(console) {}

void TotalRecall::Total_Recall(int key) {}
void TotalRecall::totRec_Click() {}
void TotalRecall::Form_Load() {}

} // namespace vorlo
