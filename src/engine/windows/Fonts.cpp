#include "Fonts.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "Dialogs.h"
#include "FontsWindowControls.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "NumberText.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "StopGroup.h"

#include <algorithm>
#include <cmath>

namespace vorlo {
namespace {

struct FontRow {
    const char* name;
    double size;
    bool bold;

    FontStyle toFont() const { return FontStyle{QString::fromLatin1(name), size, bold, false}; }
};

// The standard panel's fonts by panel size k = size factor x 10.
struct ScaleFonts {
    int k;
    FontRow label;
    FontRow selector;
    FontRow button;
    int titleBlanks; // blanks before "Great" and "Swell"
};

constexpr ScaleFonts kScaleFonts[] = {
    {8, {"Small Fonts", 5, false}, {"Small Fonts", 5, true}, {"Arial", 6, true}, 26},
    {9, {"Small Fonts", 6, false}, {"Small Fonts", 6, true}, {"Arial", 7, true}, 20},
    {10, {"Arial", 7, false}, {"Small Fonts", 6, true}, {"Arial", 8, true}, 15},
    {11, {"Arial", 7, false}, {"Arial", 7, false}, {"Arial", 8, true}, 20},
    {12, {"Arial", 8, false}, {"Arial", 8, false}, {"Arial", 9, true}, 20},
    {13, {"Arial", 9, false}, {"Arial", 8, false}, {"Arial", 10, true}, 26},
    // The buttons of this size have always been drawn at 7 points, not 10.
    {14, {"Arial", 9, false}, {"Arial", 8, false}, {"Arial", 7, true}, 20},
    {15, {"Arial", 10, false}, {"Arial", 9, false}, {"Arial", 10, true}, 24},
    {16, {"Arial", 11, false}, {"Arial", 10, false}, {"Arial", 12, true}, 20},
};

// The command buttons that take the standard panel's button font, in their order.
constexpr ControlRef kFontButtons[] = {
    ctl::main::Tir_TREMOLOGO,
    ctl::main::TIR_TREMOLOSW,
    ctl::main::UNPII,
    ctl::main::UNPI,
    ctl::main::Subottava,
    ctl::main::THRUBUTTON,
    ctl::main::RESET,
    ctl::main::Panic,
    ctl::main::CancelALL,
    ctl::main::Rec_button,
    {ctl::main::TempMemButton, 0},
    {ctl::main::TempMemButton, 1},
    {ctl::main::LoadBuffer, 0},
    {ctl::main::LoadBuffer, 1},
    ctl::main::LabelMode,
};

const ScaleFonts* fontsForScale(double scale) {
    const double tenths = scale * 10;
    if (!std::isfinite(tenths) || std::fabs(tenths) > 1000)
        return nullptr;
    const int k = NumberText::roundHalfEven(tenths);
    for (const ScaleFonts& row : kScaleFonts) {
        if (row.k == k)
            return &row;
    }
    return nullptr;
}

} // namespace

Fonts::Fonts(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ScreenMetrics& screen)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), dialogs_(dialogs),
      screen_(screen) {
    main_(ctl::main::SetFont).onClick = [this] { SetFont_Click(); };

    Form& f = window();
    f(ctl::fonts::Check_bold).onClick = [this] { Check_bold_Click(); };
    f(ctl::fonts::Check_corsivo).onClick = [this] { Check_corsivo_Click(); };
    f(ctl::fonts::VScroll_fontSize).onScroll = [this] { VScroll_fontsize_Change(); };
    f(ctl::fonts::lstSearch).onClick = [this] { lstSearch_Click(); };
    f(ctl::fonts::txtSearch).onChange = [this] { txtSearch_Change(); };
    f(ctl::fonts::txtSearch).onGotFocus = [this] { txtSearch_GotFocus(); };
    f(ctl::fonts::txtSearch).onLostFocus = [this] { txtSearch_LostFocus(); };
    f(ctl::fonts::Command_default).onClick = [this] { Command_default_Click(); };
    f(ctl::fonts::Command_ok).onClick = [this] { Command_ok_Click(); };
    f(ctl::fonts::Command_Cancel).onClick = [this] { Command_Cancel_Click(); };
    // Closing the window from its title bar unloads it; the next opening loads it afresh.
    f.onQueryUnload = [this] {
        window().setLoaded(false);
        return false;
    };
}

FontStyle Fonts::defaultStopFont() {
    return FontStyle{QStringLiteral("Small Fonts"), 7, true, false};
}

Form& Fonts::window() {
    return panel_.form(ctl::fonts::Window);
}

void Fonts::SET_FONTS_GRAPH_INTERFACE() {
    Form& main = main_;
    const FontStyle& font = state_.StopFont;
    for (int i = 0; i < 30; ++i)
        main(ctl::main::Scritta_Fondi, i).setFont(font);
    for (int i = 0; i < 20; ++i) {
        main(ctl::main::Scritta_Mutaz, i).setFont(font);
        main(ctl::main::Scritta_Ancie, i).setFont(font);
        main(ctl::main::Scritta_Pedale, i).setFont(font);
    }
}

void Fonts::SET_FONTS_NORMAL_INTERFACE() {
    ConsoleState& st = state_;
    LabelFont = unsetFont();
    SelectorFont = unsetFont();
    ButtonFont = unsetFont();
    if (const ScaleFonts* row = fontsForScale(st.PanelScale)) {
        LabelFont = row->label.toFont();
        SelectorFont = row->selector.toFont();
        ButtonFont = row->button.toFont();
        const QString blanks(row->titleBlanks, QLatin1Char(' '));
        st.GreatTitle = blanks + QStringLiteral("Great");
        st.SwellTitle = blanks + QStringLiteral("Swell");
    }

    Form& main = main_;
    const StopGroup& fondi = kStopGroups[0];
    for (int i = 0; i < fondi.count; ++i) {
        main(*fondi.names, i).setFont(LabelFont);
        main(*fondi.overlayGo, i).setFont(SelectorFont);
        main(*fondi.overlaySw, i).setFont(SelectorFont);
    }
    for (int i = 0; i < 20; ++i) {
        for (size_t g = 1; g < kStopGroups.size(); ++g)
            main(*kStopGroups[g].names, i).setFont(LabelFont);
        for (size_t g = 1; g < kStopGroups.size(); ++g) {
            if (!kStopGroups[g].isManual())
                continue;
            main(*kStopGroups[g].overlayGo, i).setFont(SelectorFont);
            main(*kStopGroups[g].overlaySw, i).setFont(SelectorFont);
        }
    }
    for (int i = 0; i < 4; ++i)
        main(ctl::main::LabelCorpiOrgano, i).setFont(ButtonFont);
    for (const auto& b : kFontButtons)
        main(b).setFont(ButtonFont);
}

void Fonts::SetFont_Click() {
    if (!state_.GraphicMode) {
        dialogs_.message(QStringLiteral("This feature is active only for Graphical Interface!"),
                         QStringLiteral("Warning"), Dialogs::Icon::Exclamation);
        return;
    }
    Form& f = window();
    if (!f.isLoaded()) {
        f.setLoaded(true);
        Form_Load();
    }
    f.bringToFront();
}

void Fonts::Form_Load() {
    Form& f = window();
    ConsoleState& st = state_;
    f.setPicture(st.appFile(QStringLiteral("Alph1f.ico")));
    f(ctl::fonts::LabelNomeprog).setCaption(st.ProgramTitle);
    Control& list = f(ctl::fonts::lstSearch);
    list.clearItems();
    for (const QString& family : screen_.fontFamilies())
        list.addItem(family);
    SavedFont = st.StopFont;
    ShowFont();
}

void Fonts::setSearchText(const QString& text) {
    Control& box = window()(ctl::fonts::txtSearch);
    if (box.text() == text)
        return;
    box.setCaption(text);
    txtSearch_Change();
}

void Fonts::ShowFont() {
    Form& f = window();
    const FontStyle& font = state_.StopFont;
    ShowingFont = true;
    f(ctl::fonts::txtSearch).setFont(font);
    setSearchText(font.name);
    const double size = std::isfinite(font.size) ? font.size : 0;
    f(ctl::fonts::Label_size).setCaption(QString::number(size));
    f(ctl::fonts::VScroll_fontSize)
        .setValue(NumberText::roundHalfEven(std::clamp(size, -1e6, 1e6)));
    f(ctl::fonts::Check_bold).setCheckValue(font.bold ? 1 : 0);
    f(ctl::fonts::Check_corsivo).setCheckValue(font.italic ? 1 : 0);
    ShowingFont = false;
}

void Fonts::Check_bold_Click() {
    if (ShowingFont)
        return;
    state_.StopFont.bold = window()(ctl::fonts::Check_bold).value() == 1;
    ShowFont();
}

void Fonts::Check_corsivo_Click() {
    if (ShowingFont)
        return;
    state_.StopFont.italic = window()(ctl::fonts::Check_corsivo).value() == 1;
    ShowFont();
}

void Fonts::VScroll_fontsize_Change() {
    if (ShowingFont)
        return;
    state_.StopFont.size = window()(ctl::fonts::VScroll_fontSize).value();
    ShowFont();
}

void Fonts::lstSearch_Click() {
    Form& f = window();
    Control& list = f(ctl::fonts::lstSearch);
    const int i = list.listIndex();
    if (i < 0 || i >= list.items().size())
        return;
    const QString entry = list.items().at(i);
    FontStyle& font = state_.StopFont;
    font.bold = f(ctl::fonts::Check_bold).value() == 1;
    font.name = entry;
    font.size = f(ctl::fonts::VScroll_fontSize).value();
    f(ctl::fonts::txtSearch).setFont(font);
    setSearchText(entry);
}

void Fonts::txtSearch_Change() {
    AutoFind();
}

void Fonts::AutoFind() {
    Control& list = window()(ctl::fonts::lstSearch);
    const QString text = window()(ctl::fonts::txtSearch).text();
    SearchFound = false;
    // Selecting from here, as the list's own messages do, runs no click handler.
    if (text.isEmpty()) {
        list.setValue(-1);
        return;
    }
    const QStringList& items = list.items();
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).startsWith(text, Qt::CaseInsensitive)) {
            list.setValue(i);
            SearchFound = true;
            return;
        }
    }
    list.setValue(-1);
}

void Fonts::txtSearch_GotFocus() {
    SearchFound = true;
}

void Fonts::txtSearch_LostFocus() {
    if (!SearchFound)
        return;
    const Control& list = window()(ctl::fonts::lstSearch);
    const int i = list.listIndex();
    // With nothing selected there is no entry to take: the typed text stays.
    if (i >= 0 && i < list.items().size())
        setSearchText(list.items().at(i));
}

void Fonts::Command_default_Click() {
    state_.StopFont = defaultStopFont();
    ShowFont();
    SET_FONTS_GRAPH_INTERFACE();
}

void Fonts::Command_ok_Click() {
    if (state_.GraphicMode)
        SET_FONTS_GRAPH_INTERFACE();
    else
        SET_FONTS_NORMAL_INTERFACE();
    unloadWindow();
}

void Fonts::Command_Cancel_Click() {
    // SavedFont is only meaningful while the window is loaded.
    if (!window().isLoaded())
        return;
    state_.StopFont = SavedFont;
    SET_FONTS_GRAPH_INTERFACE();
    unloadWindow();
}

void Fonts::unloadWindow() {
    Form& f = window();
    f.setVisible(false);
    f.setLoaded(false);
}

} // namespace vorlo
