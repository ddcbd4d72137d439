// Placeholder: the implementation comes with its subsystem.
#include "AboutHelp.h"

namespace vorlo {

AboutHelp::AboutHelp(Console& console) : console_(console) {}

void AboutHelp::About_Click() {}
void AboutHelp::Form_Load() {}
void AboutHelp::Command1_Click() {}
void AboutHelp::Help1_Click() {}
QString AboutHelp::helpFile() const { return {}; }

} // namespace vorlo
