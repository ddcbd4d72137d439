#include "Memories.h"

#include "ConfigurationStore.h"
#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "LevelSender.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "RecoveryCopy.h"

namespace vorlo {
namespace {

const char* const kNoteNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                    "F#", "G",  "G#", "A",  "A#", "B"};

} // namespace

Memories::Memories(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ConsoleUpdate& update,
                   ConfigurationStore& config, LevelSender& levels, RecoveryCopy& recovery,
                   PanelLayout& layout)
    : state_(state), main_(panel.form(ctl::main::Window)), dialogs_(dialogs), update_(update),
      config_(config), levels_(levels), recovery_(recovery), layout_(layout) {
    Form& main = main_;
    main(ctl::main::LabelMode).onClick = [this] { Labelmode_Click(); };
    main(ctl::main::DisplayLeds).onClick = [this] { DisplayLeds_Click(); };
    main(ctl::main::SaveFIXED).onClick = [this] { SaveFIXED_Click(); };
}

// Free memory indicator i as label or LED, whichever the display shows.
void Memories::paintFree(int i, bool lit) {
    const ConsoleState& st = state_;
    Form& main = main_;
    if (st.MemoryLedsShown)
        main(ctl::main::LedFree, i).setPicture(lit ? st.PicGreenOn : st.PicGreenOff);
    else
        main(ctl::main::C_memory, i).setBackColor(lit ? color::Green : color::ButtonFace);
}

void Memories::paintFixed(int i, bool lit) {
    const ConsoleState& st = state_;
    Form& main = main_;
    if (st.MemoryLedsShown)
        main(ctl::main::LedFix, i).setPicture(lit ? st.PicRedOn : st.PicRedOff);
    else
        main(ctl::main::Graduatore, i).setBackColor(lit ? color::Lit : color::ActiveBorder);
}

void Memories::Memorie(int n) {
    ConsoleState& st = state_;
    if (n < kFirstFree || n > kLastFixed)
        n = 1;

    // The fixed ladder lights from its first step up to the memory chosen.
    if (n <= kLastFree) {
        Spengo_Graduatore();
    } else {
        const int k = n - 12;
        for (int i = 1; i <= 12; ++i)
            paintFixed(i, i <= k);
    }
    st.MemoryUnchanged = false;

    if (!st.RecArmed) {
        for (SlotField f : {SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,
                            SlotField::MemMU_SW, SlotField::MemAN_GO, SlotField::MemAN_SW,
                            SlotField::MemPED, SlotField::MemTremGO, SlotField::MemTremSW})
            st.live()[f] = st.slot(n)[f];
        if (st.RecallGlobals == 1) {
            for (SlotField f : {SlotField::MemExprGO, SlotField::MemExprSW, SlotField::MemExprPE})
                st.live()[f] = st.slot(n)[f];
        }
        if (st.RecallBalance == 1) {
            for (SlotField f :
                 {SlotField::MemBalFO_GO, SlotField::MemBalMU_GO, SlotField::MemBalAN_GO,
                  SlotField::MemBalFO_SW, SlotField::MemBalMU_SW, SlotField::MemBalAN_SW})
                st.live()[f] = st.slot(n)[f];
        }
        for (SlotField f :
             {SlotField::MemUnPedale, SlotField::MemUnManuali, SlotField::MemThru,
              SlotField::MemAnnullGO0, SlotField::MemAnnullGO1, SlotField::MemAnnullGO2,
              SlotField::MemAnnullSW0, SlotField::MemAnnullSW1, SlotField::MemAnnullSW2,
              SlotField::MemSubottava})
            st.live()[f] = st.slot(n)[f];

        st.MemoryUnchanged = true;
        update_.AGGIORNAMENTO_VORLO();
        levels_.Send_Tremolo_GO(st.live().MemTremGO);
        levels_.Send_Tremolo_SW(st.live().MemTremSW);
        // The update marked the previous memory; the one just recalled is the one that turns
        // yellow at the next change.
        st.MemoryUnchanged = true;
    } else {
        if (n <= kLastFree) {
            st.slot(n) = st.live();
            st.FreeMemoriesUnsaved = true;
            st.MemoryUnchanged = true;
            recovery_.changed();
        }
        st.RecArmed = false;
        main_(ctl::main::Rec_button).setBackColor(color::ButtonFace);
    }

    if (st.LastMemory >= kFirstFree && st.LastMemory <= kLastFree)
        paintFree(st.LastMemory, false);
    if (n <= kLastFree)
        paintFree(n, true);
    st.LastMemory = static_cast<int16_t>(n);
}

void Memories::c_memory_Click(int index) {
    Memorie(index);
}

void Memories::Ledfree_Click(int index) {
    Memorie(index);
}

void Memories::Graduatore_Click(int index) {
    Memorie(index + 12);
}

void Memories::LedFix_Click(int index) {
    Memorie(index + 12);
}

void Memories::Rec_button_Click() {
    ConsoleState& st = state_;
    st.RecArmed = !st.RecArmed;
    main_(ctl::main::Rec_button).setBackColor(st.RecArmed ? color::Lit : color::ButtonFace);
}

void Memories::Marca_Led_giallo() {
    ConsoleState& st = state_;
    if (!st.MemoryUnchanged || st.LastMemory < kFirstFree || st.LastMemory > kLastFree)
        return;
    st.MemoryUnchanged = false;
    Form& main = main_;
    if (st.MemoryLedsShown)
        main(ctl::main::LedFree, st.LastMemory).setPicture(st.PicYellowOn);
    else
        main(ctl::main::C_memory, st.LastMemory).setBackColor(color::Yellow);
}

void Memories::SPENGO_MEMORIE() {
    const ConsoleState& st = state_;
    Form& main = main_;
    for (int i = 1; i <= 12; ++i) {
        if (!st.MemoryLedsShown)
            main(ctl::main::C_memory, i).setBackColor(color::ActiveBorder);
        else
            main(ctl::main::LedFree, i).setPicture(st.PicGreenOff);
    }
}

void Memories::Spengo_Graduatore() {
    for (int i = 1; i <= 12; ++i)
        paintFixed(i, false);
}

void Memories::DisplayLeds_Click() {
    ConsoleState& st = state_;
    Form& main = main_;
    Control& item = main(ctl::main::DisplayLeds);
    item.setChecked(!item.isChecked());
    st.MemoryLedsShown = item.isChecked();
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

void Memories::Labelmode_Click() {
    ConsoleState& st = state_;
    st.MemoryLabelMode = static_cast<int16_t>(st.MemoryLabelMode + 1);
    if (st.MemoryLabelMode == 3)
        st.MemoryLabelMode = 0;
    Scrivi_Label_memorie();
}

void Memories::Scrivi_Label_memorie() {
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

void Memories::Scrivi_ToolTips_memorie() {
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

void Memories::SaveFIXED_Click() {
    ConsoleState& st = state_;
    if (!dialogs_.askYesNo(
            QStringLiteral("Warning! FIXED MEMORIES will be overwritten with current free memory "
                           "configuration. Continue anyway?"),
            QStringLiteral("Warning")))
        return;
    st.CopyFreeToFixed = true;
    config_.Salva_dati_di_avvio();
}

} // namespace vorlo
