// Placeholder: the implementation comes with its subsystem.
#include "AdvancedControls.h"

namespace vorlo {

AdvancedControls::AdvancedControls(Console& console) : console_(console) {}
void AdvancedControls::advanced_s_Click() {}
void AdvancedControls::Form_Load() {}
void AdvancedControls::SliderFondi_Scroll(int index) {}
void AdvancedControls::SliderMutazioni_Scroll(int index) {}
void AdvancedControls::SliderAncie_Scroll(int index) {}
void AdvancedControls::SliderGO_Scroll() {}
void AdvancedControls::SliderSW_Scroll() {}
void AdvancedControls::SliderPE_Scroll() {}
void AdvancedControls::OptionGlobalCoupling_Click(int index) {}
void AdvancedControls::Memory_Recall_Click(int index) {}
void AdvancedControls::Temperamenti_Click() {}
void AdvancedControls::NotaInizTemp_Click() {}
void AdvancedControls::Riverberi_Click() {}
void AdvancedControls::TremoloType_Click() {}
void AdvancedControls::SliderTremoloRate_Scroll() {}

} // namespace vorlo
