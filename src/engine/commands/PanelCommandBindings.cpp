#include "PanelCommandBindings.h"

#include "CommandExecutor.h"
#include "panel/Form.h"

namespace vorlo {
namespace {

struct DrawstopArray {
    const char* name;
    StopGroupCode group;
    int count;
};

// Both panels' drawstops: the standard panel's labels and the graphic panel's knobs.
const DrawstopArray kDrawstops[] = {
    {"Tir_FO_GO", StopGroupCode::GreatFondi, 30},
    {"Tir_FO_SW", StopGroupCode::SwellFondi, 30},
    {"Tir_FO_GO_graph", StopGroupCode::GreatFondi, 30},
    {"Tir_FO_SW_graph", StopGroupCode::SwellFondi, 30},
    {"Tir_MU_GO", StopGroupCode::GreatMutazioni, 20},
    {"Tir_MU_SW", StopGroupCode::SwellMutazioni, 20},
    {"Tir_AN_GO", StopGroupCode::GreatAncie, 20},
    {"Tir_AN_SW", StopGroupCode::SwellAncie, 20},
    {"NomePedale", StopGroupCode::Pedale, 20},
    {"Tir_MU_GO_graph", StopGroupCode::GreatMutazioni, 20},
    {"Tir_MU_SW_graph", StopGroupCode::SwellMutazioni, 20},
    {"Tir_AN_GO_graph", StopGroupCode::GreatAncie, 20},
    {"Tir_AN_SW_graph", StopGroupCode::SwellAncie, 20},
    {"Tir_PED_graph", StopGroupCode::Pedale, 20},
};

} // namespace

void bindPanelCommands(Form& main, CommandExecutor& commands) {
    auto bind = [&commands](Control& control, ConsoleCommand command) {
        control.onClick = [&commands, command] { commands.execute(command); };
    };
    using C = ConsoleCommand;

    for (const DrawstopArray& a : kDrawstops) {
        for (int i = 0; i < a.count; ++i)
            bind(main(QString::fromLatin1(a.name), i), C::drawStop(a.group, i));
    }
    for (int g = 1; g <= 2; ++g) {
        bind(main("Button_Annullatori_go", g), C::cancel(Manual::Great, g));
        bind(main("Button_Annullatori_sw", g), C::cancel(Manual::Swell, g));
    }
    bind(main("CancelALL"), C::cancelAll());

    // Free memories as labels or LEDs, fixed memories as the ladder or LEDs.
    for (int i = 1; i <= 12; ++i) {
        bind(main("C_memory", i), C::freeMemory(i));
        bind(main("LedFree", i), C::freeMemory(i));
        bind(main("Graduatore", i), C::fixedMemory(i));
        bind(main("LedFix", i), C::fixedMemory(i));
    }
    bind(main("Rec_button"), C::toggleRec());
    for (int i = 0; i < 2; ++i) {
        bind(main("TempMemButton", i), C::storeBuffer(i));
        bind(main("LoadBuffer", i), C::loadBuffer(i));
    }
    bind(main("CLEAR"), C::clearFreeMemories());

    bind(main("UNPI"), C::coupler(Coupler::GreatToPedal));
    bind(main("UNPII"), C::coupler(Coupler::SwellToPedal));
    bind(main("UN_GOSW"), C::coupler(Coupler::GoToSwell));
    bind(main("UN_SWGO"), C::coupler(Coupler::SwellToGo));
    bind(main("Subottava"), C::subOctave());
    bind(main("Tir_TREMOLOGO"), C::tremulant(Manual::Great));
    bind(main("TIR_TREMOLOSW"), C::tremulant(Manual::Swell));
    bind(main("THRUBUTTON"), C::nextThruBody());
    bind(main("Panic"), C::panic());
    bind(main("RESET"), C::reset());
}

} // namespace vorlo
