#pragma once

#include "MainWindowControls.h"
#include "StopTable.h"

#include <array>

namespace vorlo {

// One stop family as the panel shows it: the control arrays of its cells on both panels and
// the stops-table entries that name and judge them. Cell k is column k / 10, row k % 10.
struct StopGroup {
    const ControlArrayId* names;     // standard panel name labels
    const ControlArrayId* overlayGo; // standard panel Great drawstop labels (none for the Pedale)
    const ControlArrayId* overlaySw; // standard panel Swell drawstop labels (none for the Pedale)
    const ControlArrayId* plates;    // graphic panel name plates
    const ControlArrayId* captions;  // graphic panel name labels
    const ControlArrayId* knobsGo;   // graphic panel Great knobs (the Pedale's only knob)
    const ControlArrayId* knobsSw;   // graphic panel Swell knobs (none for the Pedale)
    int count;                       // cells: ten rows per column
    int nameEntry;                   // stops-table entry of cell 0's name
    int dataEntry;                   // stops-table entry of cell 0's Great data
    double standardOrigin; // left of the first column on the standard panel (before scaling)
    double graphicOrigin;  // left of the first column on the graphic panel

    int columns() const { return count / 10; }
    bool isManual() const { return overlayGo != nullptr; }
};

inline constexpr int kRowsPerColumn = 10;

// Fondi, Mutazioni, Ance/Archi, Pedale: the order of the panel's columns.
inline constexpr std::array<StopGroup, 4> kStopGroups = {{
    {&ctl::main::NomeFondi, &ctl::main::Tir_FO_GO, &ctl::main::Tir_FO_SW, &ctl::main::PergamenaF,
     &ctl::main::Scritta_Fondi, &ctl::main::Tir_FO_GO_graph, &ctl::main::Tir_FO_SW_graph, 30,
     StopTable::kFondiNames, StopTable::kFondiGreat, 75, 75},
    {&ctl::main::NomeMutaz, &ctl::main::Tir_MU_GO, &ctl::main::Tir_MU_SW, &ctl::main::PergamenaM,
     &ctl::main::Scritta_Mutaz, &ctl::main::Tir_MU_GO_graph, &ctl::main::Tir_MU_SW_graph, 20,
     StopTable::kMutazioniNames, StopTable::kMutazioniGreat, 3165, 4150},
    {&ctl::main::NomeAnce, &ctl::main::Tir_AN_GO, &ctl::main::Tir_AN_SW, &ctl::main::PergamenaA,
     &ctl::main::Scritta_Ancie, &ctl::main::Tir_AN_GO_graph, &ctl::main::Tir_AN_SW_graph, 20,
     StopTable::kAncieNames, StopTable::kAncieGreat, 5295, 7050},
    {&ctl::main::NomePedale, nullptr, nullptr, &ctl::main::PergamenaP, &ctl::main::Scritta_Pedale,
     &ctl::main::Tir_PED_graph, nullptr, 20, StopTable::kPedaleNames, StopTable::kPedale, 7410,
     9800},
}};

} // namespace vorlo
