#include "StopCaptions.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Cp1252.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "StopGroup.h"

namespace vorlo {
namespace {

// A stop whose Great data is this long or shorter has no usable data and is shown grey.
constexpr int kNoDataBytes = 40;

// Fills a list from a column of names in the stops table, with as many entries as the organ
// counts for it (OrganSettings::namedEntries): the names, or six blank items when the column's
// first name is shorter than 2 characters.
void fillFromColumn(Control& list, const StopTable& table, int first, int count) {
    list.clearItems();
    const int n = OrganSettings::namedEntries(table, first, count);
    const bool blank = table[first].size() < 2;
    for (int k = first; k < first + n; ++k)
        list.addItem(blank ? QStringLiteral("  ") : cp1252::decode(table[k]));
}

} // namespace

StopCaptions::StopCaptions(ConsoleState& state, PanelState& panel)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)) {}

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
    const StopTable& table = state_.Table;

    Control& notes = adv(ctl::advanced::NotaInizTemp);
    notes.clearItems();
    for (const char* n : {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "H"})
        notes.addItem(QString::fromLatin1(n));

    Control& tremolo = adv(ctl::advanced::TremoloType);
    tremolo.clearItems();
    tremolo.addItem(QStringLiteral("Tremblant Doux"));
    tremolo.addItem(QStringLiteral("Tremblant Fort"));

    fillFromColumn(adv(ctl::advanced::Riverberi), table, StopTable::kReverbNames, kReverbCount);
    fillFromColumn(adv(ctl::advanced::Temperamenti), table, StopTable::kTemperamentNames,
                   kTemperamentCount);
}

} // namespace vorlo
