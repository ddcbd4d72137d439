#include "PanelLayout.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Cp1252.h"
#include "Dialogs.h"
#include "Fonts.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "NumberText.h"
#include "PanelState.h"
#include "StopGroup.h"
#include "ThruModeWindow.h"

#include <algorithm>
#include <cmath>
#include <exception>

namespace vorlo {
namespace {

// A control's place in twips: on the standard panel before scaling.
struct Placement {
    ControlRef control;
    double left, top, width, height;
    bool scaledLeft = true;
};

// Standard panel, first part: couplers, group headings and tremolos (the thru button is
// placed after them).
constexpr Placement kStandardTop[] = {
    {ctl::main::UN_GOSW, 75, 30, 1515, 240},
    {ctl::main::UN_SWGO, 1650, 30, 1515, 240},
    {{ctl::main::LabelCorpiOrgano, 0}, 75, 300, 3090, 240},
    {{ctl::main::LabelCorpiOrgano, 1}, 3250, 300, 2010, 240},
    {{ctl::main::LabelCorpiOrgano, 2}, 5375, 300, 1975, 240},
    {{ctl::main::LabelCorpiOrgano, 3}, 7475, 300, 2040, 240},
    {ctl::main::Tir_TREMOLOGO, 3250, 30, 970, 240},
    {ctl::main::TIR_TREMOLOSW, 4275, 30, 970, 240},
};

// Standard panel, second part: pedal couplers and the bottom command buttons. RESET keeps its
// left edge at every size.
constexpr Placement kStandardBottom[] = {
    {ctl::main::UNPII, 7475, 30, 1010, 240},
    {ctl::main::UNPI, 8500, 30, 1010, 240},
    {ctl::main::RESET, 75, 5550, 3090, 240, false},
    {{ctl::main::Button_Annullatori_go, 1}, 3225, 5550, 990, 240},
    {{ctl::main::Button_Annullatori_sw, 1}, 4275, 5550, 990, 240},
    {{ctl::main::Button_Annullatori_go, 2}, 5325, 5550, 990, 240},
    {{ctl::main::Button_Annullatori_sw, 2}, 6400, 5550, 990, 240},
    {ctl::main::CancelALL, 7500, 5550, 960, 240},
    {ctl::main::Panic, 8560, 5550, 960, 240},
};

// Standard panel, the memory buttons row: its top follows the memory indicators' form.
constexpr Placement kStandardRow[] = {
    {ctl::main::CLEAR, 3225, 0, 435, 240},
    {ctl::main::Rec_button, 3675, 0, 930, 240},
    {{ctl::main::TempMemButton, 0}, 4650, 0, 315, 240},
    {{ctl::main::TempMemButton, 1}, 4950, 0, 315, 240},
    {{ctl::main::LoadBuffer, 0}, 5325, 0, 330, 240},
    {{ctl::main::LoadBuffer, 1}, 5675, 0, 330, 240},
    {ctl::main::LabelMode, 6025, 0, 270, 240},
};

// Standard panel, below the memory buttons row: undo and redo, the transposer.
constexpr Placement kStandardPlayingAids[] = {
    {ctl::main::UndoButton, 6290, 6300, 650, 240},
    {ctl::main::RedoButton, 6970, 6300, 650, 240},
    {ctl::main::TransposeDown, 7690, 6300, 300, 240},
    {ctl::main::TransposeShown, 8020, 6300, 900, 240},
    {ctl::main::TransposeUp, 8950, 6300, 300, 240},
};

constexpr Placement kGraphicTop[] = {
    {ctl::main::UN_GOSW, 75, 30, 1740, 260},
    {ctl::main::UN_SWGO, 1875, 30, 1740, 260},
    {{ctl::main::LabelCorpiOrgano, 0}, 75, 300, 3540, 255},
    {{ctl::main::LabelCorpiOrgano, 1}, 4125, 300, 2385, 255},
    {{ctl::main::LabelCorpiOrgano, 2}, 7050, 315, 2265, 255},
    {{ctl::main::LabelCorpiOrgano, 3}, 9750, 315, 2340, 255},
    {ctl::main::Tir_TREMOLOGO, 4125, 30, 1155, 260},
    {ctl::main::TIR_TREMOLOSW, 5310, 30, 1200, 260},
};

constexpr Placement kGraphicBottom[] = {
    {ctl::main::UNPI, 9780, 30, 1120, 260},
    {ctl::main::UNPII, 10980, 30, 1120, 260},
    {ctl::main::RESET, 75, 7440, 3585, 260},
    {{ctl::main::Button_Annullatori_go, 1}, 4140, 7440, 1140, 250},
    {{ctl::main::Button_Annullatori_go, 2}, 7030, 7440, 1140, 250},
    {{ctl::main::Button_Annullatori_sw, 1}, 5370, 7440, 1120, 250},
    {{ctl::main::Button_Annullatori_sw, 2}, 8265, 7440, 1120, 250},
    {ctl::main::Panic, 9825, 7440, 2310, 260},
    {ctl::main::CLEAR, 3450, 7760, 630, 260},
    {ctl::main::Rec_button, 4140, 7760, 1140, 260},
    {ctl::main::CancelALL, 5370, 7760, 660, 260},
    {ctl::main::LabelMode, 9480, 7760, 270, 260},
    {{ctl::main::TempMemButton, 0}, 9825, 7760, 530, 260},
    {{ctl::main::TempMemButton, 1}, 10380, 7760, 530, 260},
    {{ctl::main::LoadBuffer, 0}, 11020, 7760, 530, 260},
    {{ctl::main::LoadBuffer, 1}, 11610, 7760, 530, 260},
};

// The memory banks and the sequence, in the room under the memory indicators.
constexpr Placement kStandardSequencer[] = {
    {ctl::main::BankDown, 30, 6300, 600, 240},
    {ctl::main::BankShown, 660, 6300, 1000, 240},
    {ctl::main::BankUp, 1690, 6300, 600, 240},
    {ctl::main::SequencePrevious, 2340, 6300, 700, 240},
    {ctl::main::SequenceNext, 3070, 6300, 700, 240},
    {ctl::main::CrescendoDown, 3830, 6300, 400, 240},
    {ctl::main::CrescendoShown, 4260, 6300, 850, 240},
    {ctl::main::CrescendoUp, 5140, 6300, 400, 240},
    {ctl::main::CrescendoStore, 5570, 6300, 650, 240},
};

constexpr Placement kGraphicSequencer[] = {
    {ctl::main::BankDown, 84, 8250, 800, 260},
    {ctl::main::BankShown, 914, 8250, 1500, 260},
    {ctl::main::BankUp, 2444, 8250, 800, 260},
    {ctl::main::SequencePrevious, 3344, 8250, 900, 260},
    {ctl::main::SequenceNext, 4274, 8250, 900, 260},
    {ctl::main::CrescendoDown, 5300, 8250, 700, 260},
    {ctl::main::CrescendoShown, 6030, 8250, 1100, 260},
    {ctl::main::CrescendoUp, 7160, 8250, 700, 260},
    {ctl::main::CrescendoStore, 7890, 8250, 900, 260},
};

// Graphic panel, below the memory buttons row: undo and redo, the transposer.
constexpr Placement kGraphicPlayingAids[] = {
    {ctl::main::UndoButton, 8880, 8250, 750, 260},
    {ctl::main::RedoButton, 9660, 8250, 750, 260},
    {ctl::main::TransposeDown, 10460, 8250, 330, 260},
    {ctl::main::TransposeShown, 10820, 8250, 1000, 260},
    {ctl::main::TransposeUp, 11850, 8250, 330, 260},
};

// Standard panel grid.
constexpr double kStandardFirstRow = 160;
constexpr double kStandardColumnStep = 1005;
constexpr double kStandardRowStep = 465;
// Graphic panel grid.
constexpr double kGraphicFirstRow = 910;
constexpr double kGraphicColumnStep = 1220;
constexpr double kGraphicRowStep = 685;
constexpr double kGraphicCell = 320; // knob size and plate height
constexpr double kGraphicPlateWidth = 1100;

constexpr double kGraphicWindowWidth = 12288;
constexpr double kGraphicWindowHeight = 8793.6;

// Memory buttons row of the standard panel, before scaling.
constexpr double kRowTopWithLeds = 5920;
constexpr double kRowTopWithLabels = 5870;

// Stop names whose Great data is this long or shorter count as stops without data.
constexpr int kNoDataBytes = 40;

// Integer part of a non-negative twip value; the small allowance keeps products such as
// 1005 x 1.2 / 2 from dropping to the integer below through rounding of the factor.
double integerPart(double v) {
    return std::floor(v + 1e-9);
}

} // namespace

PanelLayout::PanelLayout(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                         ThruModeWindow& thru, Fonts& fonts)
    : state_(state), main_(panel.form(ctl::main::Window)), dialogs_(dialogs), thru_(thru),
      fonts_(fonts) {
    main_(ctl::main::Graphmode).onClick = [this] { Graphmode_Click(); };
}

double PanelLayout::scale() const {
    return clampedScale(state_.PanelScale);
}

double PanelLayout::clampedScale(double panelScale) {
    if (!std::isfinite(panelScale))
        return 1.0;
    return std::clamp(panelScale, kMinScale, kMaxScale);
}

QSizeF PanelLayout::mainWindowSize(bool graphic, double panelScale) {
    if (graphic)
        return {kGraphicWindowWidth, kGraphicWindowHeight};
    const double s = clampedScale(panelScale);
    return {9680 * s, 6870 * s + 500 * (1 - s)};
}

void PanelLayout::syncGraphmodeCheck() {
    main_(ctl::main::Graphmode).setChecked(state_.GraphicMode);
}

void PanelLayout::ATTIVA_DISATTIVA_GRAPHIC_Interface() {
    Form& main = main_;
    const bool graphic = state_.GraphicMode;
    main(ctl::main::Panel_nograph, 0).setVisible(!graphic);
    main(ctl::main::Sfondo).setVisible(graphic);
    for (const StopGroup& g : kStopGroups) {
        for (int k = 0; k < g.count; ++k) {
            main(*g.plates, k).setVisible(graphic);
            main(*g.captions, k).setVisible(graphic);
            main(*g.knobsGo, k).setVisible(graphic);
            if (g.knobsSw)
                main(*g.knobsSw, k).setVisible(graphic);
        }
    }
    syncGraphmodeCheck();
}

void PanelLayout::VISUALIZZA_LED_O_PANNELLINI() {
    Form& main = main_;
    const bool leds = state_.MemoryLedsShown;
    for (int i = 1; i <= 12; ++i) {
        main(ctl::main::C_memory, i).setVisible(!leds);
        main(ctl::main::Graduatore, i).setVisible(!leds);
        main(ctl::main::LedFree, i).setVisible(leds);
        main(ctl::main::LedFix, i).setVisible(leds);
        main(ctl::main::Numerino_Led, i).setVisible(leds);
        main(ctl::main::Numerino_Led, i + 12).setVisible(leds);
    }
    REGOLA_ALTEZZA_PULSANTI_BASSI();
}

void PanelLayout::REGOLA_ALTEZZA_PULSANTI_BASSI() {
    const ConsoleState& st = state_;
    if (st.GraphicMode)
        return;
    const double top = (st.MemoryLedsShown ? kRowTopWithLeds : kRowTopWithLabels) * scale();
    Form& main = main_;
    for (const Placement& p : kStandardRow)
        main(p.control).setTop(top);
}

void PanelLayout::showPlacementError() {
    dialogs_.message(
        QStringLiteral("Error! Main Panel cannot be resized when it is collapsed on window bar!"),
        QStringLiteral("Fatal Error!"), Dialogs::Icon::Critical);
}

void PanelLayout::LOAD_NORMAL_INTERFACE() {
    Form& main = main_;
    main(ctl::main::Panel_nograph, 0).setVisible(true);
    for (int i = 1; i <= 24; ++i)
        main(ctl::main::Numerino_Led, i).setVisible(true);
    fonts_.SET_FONTS_NORMAL_INTERFACE();
    syncGraphmodeCheck();

    // A window collapsed on the task bar cannot be resized: the panel keeps its old geometry
    // and only the stop cells are redrawn.
    if (isWindowMinimized(main)) {
        showPlacementError();
    } else {
        try {
            placeStandardPanel(scale());
        } catch (const std::exception&) {
            showPlacementError();
        }
    }
    standardCellLooks();
}

void PanelLayout::placeStandardPanel(double s) {
    Form& main = main_;
    const ConsoleState& st = state_;

    const QSizeF window = mainWindowSize(false, s);
    main.setWidth(window.width());
    main.setHeight(window.height());

    Control& frame = main(ctl::main::Panel_nograph, 0);
    frame.setWidth(9468 * s);
    frame.setHeight(4900 * s);
    frame.setTop(560 * s);

    auto place = [&](const Placement& p) {
        main(p.control).setGeometry(p.scaledLeft ? p.left * s : p.left, p.top * s, p.width * s,
                                    p.height * s);
    };
    for (const Placement& p : kStandardTop)
        place(p);
    for (int i = 0; i < 4; ++i) {
        Control& heading = main(ctl::main::LabelCorpiOrgano, i);
        heading.setCaption(cp1252::decode(st.Table[StopTable::kGroupNames + i]));
        heading.setBackColor(color::ButtonFace);
        heading.setForeColor(color::ButtonText);
    }
    thru_.ADATTA_PULSANTE_THRU();
    for (const Placement& p : kStandardBottom)
        place(p);
    for (const Placement& p : kStandardSequencer)
        place(p);
    for (const Placement& p : kStandardPlayingAids)
        place(p);
    REGOLA_ALTEZZA_PULSANTI_BASSI();
    for (const Placement& p : kStandardRow) {
        Control& c = main(p.control);
        c.setLeft(p.left * s);
        c.setWidth(p.width * s);
        c.setHeight(p.height * s);
    }

    // The stop grid, inside the frame.
    const double firstRow = NumberText::roundHalfEven(kStandardFirstRow * s);
    const double dX = kStandardColumnStep * s;
    const double dY = kStandardRowStep * s;
    const double swellShift = integerPart(dX / 2);
    for (const StopGroup& g : kStopGroups) {
        for (int column = 0; column < g.columns(); ++column) {
            const double left = g.standardOrigin * s + column * dX;
            for (int row = 0; row < kRowsPerColumn; ++row) {
                const int k = column * kRowsPerColumn + row;
                const double top = firstRow + row * dY;
                main(*g.names, k).setGeometry(left, top, 996 * s, 480 * s);
                if (!g.isManual())
                    continue;
                main(*g.overlayGo, k).setGeometry(left, top, 480 * s, 468 * s);
                main(*g.overlaySw, k).setGeometry(left + swellShift, top, 480 * s, 468 * s);
            }
        }
    }

    VISUALIZZA_LED_O_PANNELLINI();

    for (int i = 1; i <= 12; ++i) {
        const double x = 30 + 265 * (i - 1);
        main(ctl::main::LedFree, i).setGeometry(x * s, 5820 * s, 230 * s, 230 * s);
        main(ctl::main::Numerino_Led, i).setGeometry((x + 45) * s, 6030 * s, 240 * s, 210 * s);
        main(ctl::main::LedFix, i).setGeometry((x + 6300) * s, 5820 * s, 230 * s, 230 * s);
        main(ctl::main::Numerino_Led, i + 12)
            .setGeometry((x + 6345) * s, 6030 * s, 240 * s, 210 * s);
        main(ctl::main::C_memory, i).setGeometry(x * s, 5860 * s, 240 * s, 220 * s);
        main(ctl::main::Graduatore, i).setGeometry((x + 6375) * s, 5860 * s, 240 * s, 220 * s);
    }
}

void PanelLayout::standardCellLooks() {
    Form& main = main_;
    const StopTable& table = state_.Table;
    for (const StopGroup& g : kStopGroups) {
        for (int k = 0; k < g.count; ++k) {
            if (g.isManual()) {
                for (const ControlArrayId* overlay : {g.overlayGo, g.overlaySw}) {
                    Control& c = main(*overlay, k);
                    c.setBorder(false);
                    c.setTransparent(true);
                    c.setCaption(QStringLiteral(" "));
                }
            }
            Control& name = main(*g.names, k);
            name.setBackColor(color::ButtonFace);
            name.setForeColor(table[g.dataEntry + k].size() > kNoDataBytes ? color::ButtonText
                                                                           : color::White);
        }
    }
}

void PanelLayout::LOAD_GRAPHIC_INTERFACE() {
    Form& main = main_;
    ConsoleState& st = state_;
    main(ctl::main::Panel_nograph, 0).setVisible(false);
    VISUALIZZA_LED_O_PANNELLINI();
    st.GreatTitle = QStringLiteral("                 Great ");
    st.SwellTitle = QStringLiteral("                    swell ");
    syncGraphmodeCheck();

    // The graphic panel has no error handler of its own in the design; a minimised window is
    // answered as on the standard panel: the panel keeps its old geometry.
    if (isWindowMinimized(main)) {
        showPlacementError();
    } else {
        try {
            placeGraphicPanel();
        } catch (const std::exception&) {
            showPlacementError();
        }
    }
    st.LoadSyxName = true;
    fonts_.SET_FONTS_GRAPH_INTERFACE();
}

void PanelLayout::placeGraphicPanel() {
    Form& main = main_;
    ConsoleState& st = state_;

    const QSizeF window = mainWindowSize(true, 1.0);
    main.setHeight(window.height());
    main.setWidth(window.width());

    Control& background = main(ctl::main::Sfondo);
    background.setGeometry(0, 0, main.width() - 20, main.height() - 20);
    background.setPicture(st.appFile(QStringLiteral("tavola.jpg")));

    st.PicDrawOn = st.appFile(QStringLiteral("tirante_on.jpg"));
    st.PicDrawOff = st.appFile(QStringLiteral("tirante_off.jpg"));
    st.PicDrawOnGO = st.appFile(QStringLiteral("tirante_on_go.jpg"));
    st.PicDrawOffGO = st.appFile(QStringLiteral("tirante_off_go.jpg"));
    st.PicDrawOnSW = st.appFile(QStringLiteral("tirante_on_sw.jpg"));
    st.PicDrawOffSW = st.appFile(QStringLiteral("tirante_off_sw.jpg"));

    auto place = [&](const Placement& p) {
        main(p.control).setGeometry(p.left, p.top, p.width, p.height);
    };
    for (const Placement& p : kGraphicTop)
        place(p);
    // Group headings as parchment plates, readable on the dark wood.
    for (int i = 0; i < 4; ++i) {
        Control& heading = main(ctl::main::LabelCorpiOrgano, i);
        heading.setCaption(cp1252::decode(st.Table[StopTable::kGroupNames + i]));
        heading.setBackColor(color::rgb(236, 224, 192));
        heading.setForeColor(color::rgb(70, 38, 12));
    }
    thru_.ADATTA_PULSANTE_THRU();
    for (const Placement& p : kGraphicBottom)
        place(p);
    for (const Placement& p : kGraphicSequencer)
        place(p);
    for (const Placement& p : kGraphicPlayingAids)
        place(p);

    const QString plate = st.appFile(QStringLiteral("stucco.gif"));
    for (const StopGroup& g : kStopGroups) {
        for (int column = 0; column < g.columns(); ++column) {
            const double left = g.graphicOrigin + column * kGraphicColumnStep;
            for (int row = 0; row < kRowsPerColumn; ++row) {
                const int k = column * kRowsPerColumn + row;
                const double top = kGraphicFirstRow + row * kGraphicRowStep;
                const double knobTop = top - kGraphicCell;
                Control& p = main(*g.plates, k);
                p.setPicture(plate);
                p.setGeometry(left, top, kGraphicPlateWidth, kGraphicCell);
                Control& caption = main(*g.captions, k);
                caption.setGeometry(left, top, kGraphicPlateWidth, kGraphicCell);
                caption.setTransparent(true); // the name is written on its plate
                Control& knob = main(*g.knobsGo, k);
                if (g.isManual()) {
                    knob.setGeometry(left + 150, knobTop, kGraphicCell, kGraphicCell);
                    knob.setPicture(st.PicDrawOffGO);
                    Control& swell = main(*g.knobsSw, k);
                    swell.setGeometry(left + 650, knobTop, kGraphicCell, kGraphicCell);
                    swell.setPicture(st.PicDrawOffSW);
                } else {
                    knob.setGeometry(left + 400, knobTop, kGraphicCell, kGraphicCell);
                    knob.setPicture(st.PicDrawOff);
                }
            }
        }
    }

    // LED pictures keep their own height: NaN leaves it to the picture.
    const double ownHeight = std::nan("");
    for (int i = 1; i <= 12; ++i) {
        const double x = 84 + 270 * (i - 1);
        main(ctl::main::C_memory, i).setGeometry(x, 7760, 266, 240);
        main(ctl::main::Graduatore, i).setGeometry(x + 6056, 7760, 266, 240);
        main(ctl::main::LedFree, i).setGeometry(x, 7710, 266, ownHeight);
        Control& free = main(ctl::main::Numerino_Led, i);
        free.setGeometry(x + 75, 7940, 266, 210);
        free.setBorder(false);
        main(ctl::main::LedFix, i).setGeometry(x + 6056, 7710, 266, ownHeight);
        Control& fixed = main(ctl::main::Numerino_Led, i + 12);
        fixed.setGeometry(x + 6120, 7940, 266, 210);
        fixed.setBorder(false);
    }
}

void PanelLayout::Graphmode_Click() {
    ConsoleState& st = state_;
    st.GraphicMode = !st.GraphicMode;
    main_(ctl::main::Graphmode).setChecked(st.GraphicMode);
    dialogs_.message(st.GraphicMode
                         ? QStringLiteral("Interface is now set to GRAPHIC mode; exit and restart "
                                          "Vorlo2000, please!")
                         : QStringLiteral("Interface is now set to STANDARD PANEL mode; exit and "
                                          "restart Vorlo2000, please!"),
                     st.ProgramTitle, Dialogs::Icon::Information);
}

} // namespace vorlo
