#include "ConsoleWindowPlaces.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "PanelState.h"

namespace vorlo {
namespace {

WindowPlaces::Place placeOf(const Form& f) {
    if (!f.hasGeometry())
        return {};
    return {true, f.left(), f.top()};
}

} // namespace

ConsoleWindowPlaces::ConsoleWindowPlaces(PanelState& panel)
    : main_(panel.form(ctl::main::Window)), advanced_(panel.form(ctl::advanced::Window)) {}

WindowPlaces::Place ConsoleWindowPlaces::mainPlace() const {
    return placeOf(main_);
}

WindowPlaces::Place ConsoleWindowPlaces::advancedPlace() const {
    return placeOf(advanced_);
}

double ConsoleWindowPlaces::advancedWidth() const {
    return advanced_.width();
}

double ConsoleWindowPlaces::advancedHeight() const {
    return advanced_.height();
}

QSizeF ConsoleWindowPlaces::mainSizeFor(bool graphic, double panelScale) const {
    return PanelLayout::mainWindowSize(graphic, panelScale);
}

} // namespace vorlo
