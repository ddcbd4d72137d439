#include "Thru.h"

#include "ConsoleForms.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "RegistrationChange.h"
#include "ScreenMetrics.h"
#include "ThruWindowControls.h"

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

Thru::Thru(ConsoleState& state, PanelState& panel, ScreenMetrics& screen, PanelLayout& layout,
           ConsoleListener& indicators)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), screen_(screen),
      layout_(layout), indicators_(indicators) {
    main_(ctl::main::MidiTHRU).onClick = [this] { MidiThru_Click(); };
    Form& f = panel_.form(ctl::thru::Window);
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

void Thru::THRUBUTTON_Click() {
    ConsoleState& st = state_;
    int16_t& body = st.live().MemThru;
    body = static_cast<int16_t>(body >= 1 && body < 3 ? body + 1 : 1);
    st.sent().MemThru = body;
    if (st.ThruMode == 1) {
        main_(ctl::main::THRUBUTTON).setCaption(bodyCaption(body));
        registrationChanged(st, indicators_);
    }
    ADATTA_PULSANTE_THRU();
}

void Thru::refreshThruButton() {
    ConsoleState& st = state_;
    if (st.ThruMode == 1) {
        const QString caption = bodyCaption(st.live().MemThru);
        if (!caption.isEmpty())
            main_(ctl::main::THRUBUTTON).setCaption(caption);
    }
    ADATTA_PULSANTE_THRU();
}

void Thru::ADATTA_PULSANTE_THRU() {
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

void Thru::MidiThru_Click() {
    Form& f = panel_.form(ctl::thru::Window);
    if (!f.isLoaded())
        Form_Load();
    f.bringToFront();
}

void Thru::Form_Load() {
    ConsoleState& st = state_;
    Form& f = panel_.form(ctl::thru::Window);
    f.setLoaded(true);
    if (!std::isnan(f.width()) && !std::isnan(f.height())) {
        f.setLeft((screen_.screenWidthTwips() - f.width()) / 2);
        f.setTop((screen_.screenHeightTwips() - f.height()) / 2);
    }
    f(ctl::thru::LabelNomeprog).setCaption(st.ProgramTitle);
    f.setPicture(st.appFile(QStringLiteral("wrench.ico")));
    ThruModeSaved = st.ThruMode;
    // Showing the mode in force is not choosing it: the learned channels stay as they are.
    for (int i = 0; i < 3; ++i)
        f(ctl::thru::Thru_choose, i).setValue(i == st.ThruMode ? 1 : 0);
    refresh();
}

void Thru::refresh() {
    const ConsoleState& st = state_;
    Form& f = panel_.form(ctl::thru::Window);
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

void Thru::Thru_choose_Click(int index) {
    ConsoleState& st = state_;
    st.ThruMode = static_cast<int16_t>(index);
    if (index == 2) {
        // Starting table: Great channel 2, Swell channel 1, Pedal channel 4.
        st.ThruCustom[0] = 1;
        st.ThruCustom[1] = 0;
        st.ThruCustom[2] = 3;
        st.LearnActive = true;
    }
    refresh();
}

void Thru::Custom_Thru_label_Click(int index) {
    ConsoleState& st = state_;
    Form& f = panel_.form(ctl::thru::Window);
    st.LearnIndex = static_cast<int16_t>(index);
    for (int k = 0; k < 3; ++k)
        f(ctl::thru::Custom_Thru_label, k).setBackColor(k == index ? color::Lit : color::Unlit);
}

void Thru::Command1_Click() {
    ADATTA_PULSANTE_THRU();
    state_.LearnActive = false;
    Form& f = panel_.form(ctl::thru::Window);
    f.setVisible(false);
    f.setLoaded(false);
}

void Thru::Command2_Click() {
    ConsoleState& st = state_;
    st.LearnActive = false;
    st.ThruMode = ThruModeSaved;
    ADATTA_PULSANTE_THRU();
    Form& f = panel_.form(ctl::thru::Window);
    f.setVisible(false);
    f.setLoaded(false);
}

} // namespace vorlo
