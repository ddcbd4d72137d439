#include "StopCaptions.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Cp1252.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "SettingsLists.h"
#include "SetupWindowControls.h"
#include "StopGroup.h"

namespace vorlo {
namespace {

// A stop whose Great data is this long or shorter has no usable data and is shown grey.
constexpr int kNoDataBytes = 40;

// A list shows the names given, none selected.
void fill(Control& list, const QStringList& names) {
    list.clearItems();
    for (const QString& name : names)
        list.addItem(name);
}

} // namespace

StopCaptions::StopCaptions(ConsoleState& state, PanelState& panel, SettingsLists& lists)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), lists_(lists) {}

void StopCaptions::stopTableLoaded() {
    SCRITTURA_TESTI_DEI_REGISTRI();
    panel_.form(ctl::setup::Window)(ctl::setup::LabelNomeprog).setCaption(state_.ProgramTitle);
    main_.setCaption(state_.ProgramTitle);
}

void StopCaptions::SCRITTURA_TESTI_DEI_REGISTRI() {
    const ConsoleState& st = state_;
    Form& main = main_;
    auto write = [&](const StopGroup& g, int i) {
        Control& label = main(*(st.GraphicMode ? g.captions : g.names), i);
        label.setForeColor(st.Table[g.dataEntry + i].size() > kNoDataBytes ? color::ButtonText
                                                                           : color::LightGrey);
        label.setCaption(cp1252::decode(st.Table[g.nameEntry + i]));
    };
    for (int i = 0; i < kStopGroups[0].count; ++i)
        write(kStopGroups[0], i);
    for (int i = 0; i < 20; ++i) {
        for (size_t g = 1; g < kStopGroups.size(); ++g)
            write(kStopGroups[g], i);
    }
}

void StopCaptions::CARICAMENTO_LIST_BOXES() {
    Form& adv = panel_.form(ctl::advanced::Window);
    lists_.fill(state_.Table);
    fill(adv(ctl::advanced::NotaInizTemp), lists_.startNotes());
    fill(adv(ctl::advanced::TremoloType), lists_.tremoloTypes());
    fill(adv(ctl::advanced::Riverberi), lists_.reverbs());
    fill(adv(ctl::advanced::Temperamenti), lists_.temperaments());
}

} // namespace vorlo
