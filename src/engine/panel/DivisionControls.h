#pragma once

#include "AdvancedWindowControls.h"
#include "Division.h"
#include "MainWindowControls.h"

#include <array>

namespace vorlo {

// The controls that show a division's settings.
struct DivisionControls {
    const ControlId* levelSlider;        // Advanced window level slider
    const ControlId* levelValue;         // Advanced window level figure
    const ControlId* tremulantButton;    // main window button; nullptr: none
    const ControlArrayId* cancelButtons; // main window buttons by family; nullptr: none
};

inline constexpr std::array<DivisionControls, 3> kDivisionControls = {{
    {&ctl::advanced::SliderGO, &ctl::advanced::EXPGO, &ctl::main::Tir_TREMOLOGO,
     &ctl::main::Button_Annullatori_go},
    {&ctl::advanced::SliderSW, &ctl::advanced::EXPSW, &ctl::main::TIR_TREMOLOSW,
     &ctl::main::Button_Annullatori_sw},
    {&ctl::advanced::SliderPE, &ctl::advanced::EXPPE, nullptr, nullptr},
}};

inline const DivisionControls& controlsOf(DivisionId id) {
    return kDivisionControls[static_cast<size_t>(id)];
}

// The Advanced window's balance slider and figure arrays of a manual's family (element 1
// Great, 2 Swell).
struct FamilyBalanceControls {
    const ControlArrayId* slider;
    const ControlArrayId* value;
};

inline constexpr std::array<FamilyBalanceControls, kFamilyCount> kFamilyBalanceControls = {{
    {&ctl::advanced::SliderFondi, &ctl::advanced::EXPfondi},
    {&ctl::advanced::SliderMutazioni, &ctl::advanced::EXPmutazioni},
    {&ctl::advanced::SliderAncie, &ctl::advanced::EXPancie},
}};

inline const FamilyBalanceControls& balanceControlsOf(StopFamily f) {
    return kFamilyBalanceControls[static_cast<size_t>(f)];
}

} // namespace vorlo
