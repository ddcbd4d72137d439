// Placeholder: the implementation comes with its subsystem.
#include "LevelSender.h"

namespace vorlo {

LevelSender::LevelSender(Console& console) : console_(console) {}
void LevelSender::EXPRESSION_GO() {}
void LevelSender::EXPRESSION_SW() {}
void LevelSender::EXPRESSION_PE() {}
void LevelSender::BILANCIA_FONDI_GO() {}
void LevelSender::BILANCIA_FONDI_SW() {}
void LevelSender::BILANCIA_MUTAZ_GO() {}
void LevelSender::BILANCIA_MUTAZ_SW() {}
void LevelSender::BILANCIA_ANCIE_GO() {}
void LevelSender::BILANCIA_ANCIE_SW() {}
void LevelSender::Send_Tremolo_GO(int v) {}
void LevelSender::Send_Tremolo_SW(int v) {}
void LevelSender::Tir_TREMOLOGO_Click() {}
void LevelSender::TIR_TREMOLOSW_Click() {}

} // namespace vorlo
