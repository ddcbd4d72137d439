#include "MemoryPanel.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "PanelLayout.h"
#include "PanelState.h"

namespace vorlo {
namespace {

const char* const kNoteNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                    "F#", "G",  "G#", "A",  "A#", "B"};

} // namespace

MemoryPanel::MemoryPanel(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                         Memories& memories, PanelLayout& layout)
    : state_(state), main_(panel.form(ctl::main::Window)), dialogs_(dialogs), memories_(memories),
      layout_(layout) {
    Form& main = main_;
    main(ctl::main::LabelMode).onClick = [this] { Labelmode_Click(); };
    main(ctl::main::DisplayLeds).onClick = [this] { DisplayLeds_Click(); };
    main(ctl::main::SaveFIXED).onClick = [this] { SaveFIXED_Click(); };
    Scrivi_ToolTips_memorie();
}

void MemoryPanel::ladderShown(int steps) {
    const ConsoleState& st = state_;
    Form& main = main_;
    for (int i = 1; i <= 12; ++i) {
        const bool lit = i <= steps;
        if (st.MemoryLedsShown)
            main(ctl::main::LedFix, i).setPicture(lit ? st.PicRedOn : st.PicRedOff);
        else
            main(ctl::main::Graduatore, i).setBackColor(lit ? color::Lit : color::ActiveBorder);
    }
}

void MemoryPanel::freeMemoryShown(int i, MemoryLight light) {
    if (i < 1 || i > 12)
        return;
    const ConsoleState& st = state_;
    Form& main = main_;
    if (st.MemoryLedsShown) {
        main(ctl::main::LedFree, i)
            .setPicture(light == MemoryLight::Lit       ? st.PicGreenOn
                        : light == MemoryLight::Changed ? st.PicYellowOn
                                                        : st.PicGreenOff);
        return;
    }
    main(ctl::main::C_memory, i)
        .setBackColor(light == MemoryLight::Lit       ? color::Green
                      : light == MemoryLight::Changed ? color::Yellow
                      : light == MemoryLight::Dark    ? color::ActiveBorder
                                                      : color::ButtonFace);
}

void MemoryPanel::memoryDisplayShown() {
    const ConsoleState& st = state_;
    Form& main = main_;
    main(ctl::main::DisplayLeds).setChecked(st.MemoryLedsShown);
    layout_.VISUALIZZA_LED_O_PANNELLINI();
    for (int i = 1; i <= 12; ++i) {
        if (st.MemoryLedsShown) {
            main(ctl::main::LedFree, i).setPicture(st.PicGreenOff);
            main(ctl::main::LedFix, i).setPicture(st.PicRedOff);
        } else {
            main(ctl::main::C_memory, i).setBackColor(color::ButtonFace);
            main(ctl::main::Graduatore, i).setBackColor(color::ButtonFace);
        }
    }
}

void MemoryPanel::memoryLabelsShown() {
    const int mode = state_.MemoryLabelMode;
    if (mode < 0 || mode > 2)
        return;
    Form& main = main_;
    main(ctl::main::LabelMode)
        .setCaption(mode == 0   ? QStringLiteral("0")
                    : mode == 1 ? QStringLiteral("1")
                                : QStringLiteral("#"));
    for (int i = 1; i <= 12; ++i) {
        QString label;
        QString led;
        if (mode == 2) {
            label = QString::fromLatin1(kNoteNames[i - 1]);
            led = label.size() == 1 ? QStringLiteral(" ") + label : label;
        } else {
            label = QString::number(mode == 0 ? i - 1 : i);
            led = label;
        }
        main(ctl::main::C_memory, i).setCaption(label);
        main(ctl::main::Graduatore, i).setCaption(label);
        main(ctl::main::Numerino_Led, i).setCaption(led);
        main(ctl::main::Numerino_Led, i + 12).setCaption(led);
    }
}

void MemoryPanel::recArmedShown(bool armed) {
    main_(ctl::main::Rec_button).setBackColor(armed ? color::Lit : color::ButtonFace);
}

void MemoryPanel::bufferShown(int index, bool stored) {
    if (index < 0 || index > 1)
        return;
    main_(ctl::main::TempMemButton, index).setBackColor(stored ? color::Lit : color::ButtonFace);
}

void MemoryPanel::actionShown(ConsoleAction action, bool running) {
    const ControlId& button =
        action == ConsoleAction::CancelAll ? ctl::main::CancelALL : ctl::main::CLEAR;
    main_(button).setBackColor(running ? color::Lit : color::ButtonFace);
}

void MemoryPanel::Labelmode_Click() {
    memories_.nextLabelMode();
}

void MemoryPanel::DisplayLeds_Click() {
    memories_.showMemoryLeds(!state_.MemoryLedsShown);
}

void MemoryPanel::SaveFIXED_Click() {
    if (!dialogs_.askYesNo(
            QStringLiteral("Warning! FIXED MEMORIES will be overwritten with current free memory "
                           "configuration. Continue anyway?"),
            QStringLiteral("Warning")))
        return;
    memories_.copyFreeToFixed();
}

void MemoryPanel::Scrivi_ToolTips_memorie() {
    Form& main = main_;
    for (int i = 1; i <= 12; ++i) {
        main(ctl::main::C_memory, i)
            .setToolTip(QStringLiteral("Load Free Memory N. ") + QString::number(i) +
                        QStringLiteral(" .If REC ON, push led to store stops. Hotkeys: F1..F12"));
        main(ctl::main::Graduatore, i)
            .setToolTip(QStringLiteral("Load Fixed Memory N. ") + QString::number(i) +
                        QStringLiteral(".  Hotkeys: 1...9, = , ? , ^"));
    }
}

} // namespace vorlo
