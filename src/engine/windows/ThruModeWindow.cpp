#include "ThruModeWindow.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "Thru.h"
#include "ThruWindowControls.h"

#include <cmath>

namespace vorlo {
namespace {

QString bodyCaption(int body) {
    switch (body) {
    case 1:
        return QStringLiteral("Great");
    case 2:
        return QStringLiteral("Swell");
    case 3:
        return QStringLiteral("Pedal");
    default:
        return {};
    }
}

} // namespace

ThruModeWindow::ThruModeWindow(ConsoleState& state, PanelState& panel, ScreenMetrics& screen,
                               PanelLayout& layout, Thru& thru)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)),
      window_(panel.form(ctl::thru::Window)), screen_(screen), layout_(layout), thru_(thru) {
    main_(ctl::main::MidiTHRU).onClick = [this] { MidiThru_Click(); };
    Form& f = window_;
    for (int i = 0; i < 3; ++i) {
        f(ctl::thru::Thru_choose, i).onClick = [this, i] { Thru_choose_Click(i); };
        f(ctl::thru::Custom_Thru_label, i).onClick = [this, i] { Custom_Thru_label_Click(i); };
    }
    f(ctl::thru::Command1).onClick = [this] { Command1_Click(); };
    f(ctl::thru::Command2).onClick = [this] { Command2_Click(); };
    // The close box works like CANCEL.
    f.onQueryUnload = [this] {
        Command2_Click();
        return false;
    };
}

void ThruModeWindow::thruBodyChanged() {
    const ConsoleState& st = state_;
    if (st.ThruMode == 1) {
        const QString caption = bodyCaption(st.live().MemThru);
        if (!caption.isEmpty())
            main_(ctl::main::THRUBUTTON).setCaption(caption);
    }
    ADATTA_PULSANTE_THRU();
}

void ThruModeWindow::ADATTA_PULSANTE_THRU() {
    const ConsoleState& st = state_;
    Form& main = main_;
    Control& thru = main(ctl::main::THRUBUTTON);
    Control& sub = main(ctl::main::Subottava);
    const bool normal = st.ThruMode == 1;
    thru.setVisible(normal);
    if (st.GraphicMode) {
        sub.setTop(30);
        sub.setLeft(7050);
        sub.setWidth(normal ? 1100 : 2265);
        thru.setTop(30);
        thru.setLeft(8220);
        thru.setWidth(1100);
    } else {
        const double s = layout_.scale();
        sub.setGeometry(5375 * s, 30 * s, (normal ? 1000 : 1975) * s, 240 * s);
        thru.setGeometry(6400 * s, 30 * s, 975 * s, 240 * s);
    }
}

void ThruModeWindow::MidiThru_Click() {
    if (!window_.isLoaded())
        Form_Load();
    window_.bringToFront();
}

void ThruModeWindow::Form_Load() {
    const ConsoleState& st = state_;
    Form& f = window_;
    f.setLoaded(true);
    if (!std::isnan(f.width()) && !std::isnan(f.height())) {
        f.setLeft((screen_.screenWidthTwips() - f.width()) / 2);
        f.setTop((screen_.screenHeightTwips() - f.height()) / 2);
    }
    f(ctl::thru::LabelNomeprog).setCaption(st.ProgramTitle);
    f.setPicture(st.appFile(QStringLiteral("wrench.ico")));
    thru_.beginChoice();
    // Showing the mode in force is not choosing it: the learned channels stay as they are.
    for (int i = 0; i < 3; ++i)
        f(ctl::thru::Thru_choose, i).setValue(i == st.ThruMode ? 1 : 0);
    thruModeShown();
}

void ThruModeWindow::thruModeShown() {
    const ConsoleState& st = state_;
    Form& f = window_;
    f(ctl::thru::Label3).setBackColor(st.ThruMode == 0 ? color::Lit : color::Unlit);
    f(ctl::thru::Label2, 3).setBackColor(st.ThruMode == 1 ? color::Lit : color::Unlit);
    if (st.ThruMode != 2) {
        f(ctl::thru::Label1).setBackColor(color::Unlit);
        for (int k = 0; k < 3; ++k) {
            f(ctl::thru::Custom_Thru_label, k).setBackColor(color::Unlit);
            f(ctl::thru::Custom_Thru_label, k).setCaption(QStringLiteral("Not rechanneled "));
        }
    } else {
        f(ctl::thru::Label1).setBackColor(color::Lit);
        for (int k = 0; k < 3; ++k)
            f(ctl::thru::Custom_Thru_label, k)
                .setCaption(QStringLiteral("channel = ") + QString::number(st.ThruCustom[k] + 1));
    }
}

void ThruModeWindow::thruLearningShown(int body) {
    for (int k = 0; k < 3; ++k)
        window_(ctl::thru::Custom_Thru_label, k)
            .setBackColor(k == body ? color::Lit : color::Unlit);
}

void ThruModeWindow::thruChannelLearned(int body, int channel) {
    window_(ctl::thru::Custom_Thru_label, body)
        .setCaption(QStringLiteral("Channel = ") + QString::number(channel + 1));
}

void ThruModeWindow::Thru_choose_Click(int index) {
    thru_.chooseMode(index);
}

void ThruModeWindow::Custom_Thru_label_Click(int index) {
    thru_.learnBody(index);
}

void ThruModeWindow::Command1_Click() {
    thru_.confirmChoice();
    close();
}

void ThruModeWindow::Command2_Click() {
    thru_.cancelChoice();
    close();
}

void ThruModeWindow::close() {
    window_.setVisible(false);
    window_.setLoaded(false);
}

} // namespace vorlo
