#include "AdvancedControls.h"

#include "AdvancedWindowControls.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "ScreenMetrics.h"

#include <algorithm>
#include <cmath>

namespace vorlo {

AdvancedControls::AdvancedControls(ConsoleState& state, PanelState& panel, ScreenMetrics& screen)
    : state_(state), adv_(panel.form(ctl::advanced::Window)), screen_(screen) {
    // The window stays open as long as the console runs.
    adv_.onQueryUnload = [] { return true; };
    panel.form(ctl::main::Window)(ctl::main::advanced_s).onClick = [this] { advanced_s_Click(); };
}

void AdvancedControls::advanced_s_Click() {
    Form& f = adv_;
    if (!f.isLoaded())
        Form_Load();
    f.bringToFront();
}

void AdvancedControls::Form_Load() {
    const ConsoleState& st = state_;
    Form& f = adv_;
    f.setLoaded(true);
    f.setWidth(9600);
    const double sw = screen_.screenWidthTwips();
    const double sh = screen_.screenHeightTwips();
    // Centred unless the whole window (as far as its size is known) lies on the screen.
    const double h = std::isnan(f.height()) ? 0 : f.height();
    const bool onScreen = st.AdvancedLeft >= 0 && st.AdvancedLeft + f.width() <= sw &&
                          st.AdvancedTop >= 0 && st.AdvancedTop + h <= sh;
    if (!onScreen) {
        f.setLeft(std::max(0.0, (sw - f.width()) / 2));
        f.setTop(std::max(0.0, (sh - h) / 2));
    } else {
        f.setLeft(st.AdvancedLeft);
        f.setTop(st.AdvancedTop);
    }
    f.setPicture(st.appFile(QStringLiteral("panda1.ico")));
}

} // namespace vorlo
