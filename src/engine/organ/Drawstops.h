#pragma once

#include "ConsoleSlots.h"
#include "Division.h"

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class ConsoleUpdate;
class Memories;

// Group drawstops of both panels, the family cancels of each manual and the cancel-all.
class Drawstops {
public:
    Drawstops(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
              Memories& memories);

    // Draws row `row` of the group whose position is `field`: the group's position becomes
    // row, the console update sends it, and the fixed-memory ladder goes dark.
    void draw(SlotField field, int row);
    void Tir_FO_GO_Click(int row);
    void Tir_FO_SW_Click(int row);
    void Tir_MU_GO_Click(int row);
    void Tir_MU_SW_Click(int row);
    void Tir_AN_GO_Click(int row);
    void Tir_AN_SW_Click(int row);
    void NomePedale_Click(int row);
    // family 0..2 (Fondi, Mutazioni, Ance/Archi): mute it, or restore it.
    void toggleCancel(DivisionId manual, int family);
    void Button_Annullatori_go_Click(int family) { toggleCancel(DivisionId::Great, family); }
    void Button_Annullatori_sw_Click(int family) { toggleCancel(DivisionId::Swell, family); }
    // Every group to none, the tremulants, couplers and sub-octave off, every family muted;
    // levels, balances and thru stay.
    void cancelAll();

private:
    ConsoleState& state_;
    ConsoleListener& listener_;
    ConsoleUpdate& update_;
    Memories& memories_;
};

} // namespace vorlo
