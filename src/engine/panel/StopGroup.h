#pragma once

#include "stops_table/StopTable.h"

#include <array>

namespace vorlo {

// One stop family as the panel shows it: the control arrays of its cells on both panels and
// the stops-table entries that name and judge them. Cell k is column k / 10, row k % 10.
struct StopGroup {
    const char* names;     // standard panel name labels
    const char* overlayGo; // standard panel Great drawstop labels (none for the Pedale)
    const char* overlaySw; // standard panel Swell drawstop labels (none for the Pedale)
    const char* plates;    // graphic panel name plates
    const char* captions;  // graphic panel name labels
    const char* knobsGo;   // graphic panel Great knobs (the Pedale's only knob)
    const char* knobsSw;   // graphic panel Swell knobs (none for the Pedale)
    int count;             // cells: ten rows per column
    int nameEntry;         // stops-table entry of cell 0's name
    int dataEntry;         // stops-table entry of cell 0's Great data
    double standardOrigin; // left of the first column on the standard panel (before scaling)
    double graphicOrigin;  // left of the first column on the graphic panel

    int columns() const { return count / 10; }
    bool isManual() const { return overlayGo != nullptr; }
};

inline constexpr int kRowsPerColumn = 10;

// Fondi, Mutazioni, Ance/Archi, Pedale: the order of the panel's columns.
inline constexpr std::array<StopGroup, 4> kStopGroups = {{
    {"NomeFondi", "Tir_FO_GO", "Tir_FO_SW", "PergamenaF", "Scritta_Fondi", "Tir_FO_GO_graph",
     "Tir_FO_SW_graph", 30, StopTable::kFondiNames, StopTable::kFondiGreat, 75, 75},
    {"NomeMutaz", "Tir_MU_GO", "Tir_MU_SW", "PergamenaM", "Scritta_Mutaz", "Tir_MU_GO_graph",
     "Tir_MU_SW_graph", 20, StopTable::kMutazioniNames, StopTable::kMutazioniGreat, 3165, 4150},
    {"NomeAnce", "Tir_AN_GO", "Tir_AN_SW", "PergamenaA", "Scritta_Ancie", "Tir_AN_GO_graph",
     "Tir_AN_SW_graph", 20, StopTable::kAncieNames, StopTable::kAncieGreat, 5295, 7050},
    {"NomePedale", nullptr, nullptr, "PergamenaP", "Scritta_Pedale", "Tir_PED_graph", nullptr, 20,
     StopTable::kPedaleNames, StopTable::kPedale, 7410, 9800},
}};

} // namespace vorlo
